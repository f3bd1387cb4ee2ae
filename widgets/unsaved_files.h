#pragma once
// The files a close could not write: one message for all of them, and the offer to keep what
// they were to hold at a place the user chooses, so that leaving without saving loses nothing.
#include <QString>

#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class Dialogs;
class QWidget;

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

// The error's message, and for a file that could not be written, why (found now, when the error
// does not carry it), with the content that file was to hold.
UnsavedFile unsavedFileOf(const std::exception& error);

// Shows the box; when the user takes the offer, a save dialog for each file with content, and
// an error box for a place that could not be written either.
void reportUnsavedFiles(Dialogs& dialogs, QWidget* owner, const UnsavedFiles& unsaved);
