#pragma once
// The keyword tree's own errors; keywords/keyword_error_messages.cpp words them for the user.
#include "files/errors.h"

#include <cstddef>
#include <string>

// A keyword tree line lies more than one level below the node before it.
struct TreeDepthError : RibemoError {
    TreeDepthError(int d, std::string t, size_t unplaced = 1)
        : RibemoError("bad tree depth"), depth(d), text(std::move(t)), unplacedLineCount(unplaced)
    {}
    int depth;
    std::string text;          // Shift-JIS bytes of the line without its leading blanks
    size_t unplacedLineCount;  // that line and the lines after it, none of them in the tree
};

// A backup or restore of the keyword trees stopped before it changed any file: one file could not
// be read or written.
struct KeywordBackupError : RibemoError {
    enum class Command { Backup, Restore };
    KeywordBackupError(Command c, std::string p, bool r, int e)
        : RibemoError("keyword backup failed " + p), command(c), path(std::move(p)), reading(r), cause(e)
    {}
    Command command;
    std::string path;  // the file that failed
    bool reading;      // it could not be read (else not written)
    int cause;         // errno value
};
