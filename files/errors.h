#pragma once
// Errors of the files every feature keeps. They carry their data; the window code turns them into
// the Japanese messages the user sees (widgets/error_box.h), so rule code never holds UI text. A
// feature's own errors live in its folder, with the messages it makes of them.
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
