#pragma once
// The close sequence's report: the files it could not write. The watch that turns the session's
// end into the same saves is widgets/session_end_watch.h.
#include "widgets/session_end_watch.h"

#include <QString>

#include <stdexcept>
#include <vector>

// The close could not write every file: one message for all of them, a line each with why.
class UnsavedFiles : public std::runtime_error {
public:
    explicit UnsavedFiles(std::vector<QString> failures);
    QString message() const;

private:
    std::vector<QString> failures_;
};
