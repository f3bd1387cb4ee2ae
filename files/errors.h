#pragma once
// Errors of the files every feature keeps. They carry their data; the window code turns them into
// the Japanese messages the user sees (widgets/error_box.h), so rule code never holds UI text. A
// feature's own errors live in its folder, with the messages it makes of them.
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

// A keyword tree or watched-auction file could not be written.
struct FileCreateError : RibemoError {
    explicit FileCreateError(std::string p) : RibemoError("cannot create " + p), path(std::move(p)) {}
    std::string path;
};

// The settings file could not be written.
struct ProfileWriteError : RibemoError {
    explicit ProfileWriteError(std::string p) : RibemoError("cannot write " + p), path(std::move(p)) {}
    std::string path;
};
