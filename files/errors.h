#pragma once
// Errors raised by the rule code. They carry their data; the window code turns them into the
// Japanese messages the user sees (widgets/error_box.h), so rule code never holds UI text.
#include <optional>
#include <stdexcept>
#include <string>

struct RibemoError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A file that exists could not be opened or read.
struct FileOpenError : RibemoError {
    explicit FileOpenError(std::string p) : RibemoError("cannot open " + p), path(std::move(p)) {}
    std::string path;
};

// A companion file holds text after a NUL byte, where every reader stops: it was not read whole.
struct FileCutShortError : RibemoError {
    explicit FileCutShortError(std::string p) : RibemoError("cut short by NUL " + p), path(std::move(p)) {}
    std::string path;
};

// A keyword tree file is plainly not Shift-JIS text (UTF-16, by its byte-order mark).
struct NotShiftJisError : RibemoError {
    explicit NotShiftJisError(std::string p) : RibemoError("not Shift-JIS " + p), path(std::move(p)) {}
    std::string path;
};

// What stands where a companion file belongs when it is no plain file.
enum class NotAFile { None, Folder, Pipe, Socket, Device, Other };

// A file could not be written: why, and what it was to hold, so that the user can keep that
// somewhere else.
struct WriteError : RibemoError {
    WriteError(const std::string& what, std::string p, int c, NotAFile f)
        : RibemoError(what + p), path(std::move(p)), cause(c), found(f)
    {}
    std::string path;
    int cause;                           // errno value of the failed write; 0 when not known
    NotAFile found;                      // set when something other than a file stands at path
    std::optional<std::string> unsaved;  // the content that could not be written
};

// A keyword tree or watched-auction file could not be written.
struct FileCreateError : WriteError {
    explicit FileCreateError(std::string p, int c = 0, NotAFile f = NotAFile::None)
        : WriteError("cannot create ", std::move(p), c, f)
    {}
};

// The settings file could not be written.
struct ProfileWriteError : WriteError {
    explicit ProfileWriteError(std::string p, int c = 0, NotAFile f = NotAFile::None)
        : WriteError("cannot write ", std::move(p), c, f)
    {}
};

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

// A list entry was asked for a field it does not have.
struct ListIndexError : RibemoError {
    explicit ListIndexError(int i) : RibemoError("list index out of bounds"), index(i) {}
    int index;
};
