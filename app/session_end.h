#pragma once
// The close sequence's report: the files it could not write. The watch that turns the session's
// end into the same saves is widgets/session_end_watch.h.
#include "widgets/session_end_watch.h"

#include <QString>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// One file the close could not write: what the user reads of the failure, and the content it
// was to hold (none when it was to be deleted, or the failure was no failed write).
struct UnsavedFile {
    QString failure;
    std::string path;
    std::optional<std::string> content;
};

// The close could not write every file: one message for all of them, a line each with why.
class UnsavedFiles : public std::runtime_error {
public:
    explicit UnsavedFiles(std::vector<UnsavedFile> files);
    QString message() const;
    const std::vector<UnsavedFile>& files() const { return files_; }

private:
    std::vector<UnsavedFile> files_;
};
