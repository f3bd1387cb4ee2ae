#pragma once
// Whole-file reading and writing for the companion files. Writes go to a temporary file in the
// same folder and are renamed over the old file, so a failed write leaves the old file intact.
// What the user set up around a file stays: a symbolic link is written through to its target and
// stays a link, and a read-only file is never replaced.
#include "files/errors.h"

#include <string>
#include <string_view>

// True when path names an existing regular file (a folder of that name is not a file).
bool fileExists(const std::string& path);

// True when path names an existing file that may not be written: no write permission at all (as
// the user marked it read-only), or none for this process.
bool isReadOnlyFile(const std::string& path);

// Reads the whole file; throws FileOpenError when it cannot be opened or read.
std::string readWholeFile(const std::string& path);

// Replaces the file's content with bytes, atomically. Returns false (old file untouched) on failure,
// and when the file is read-only and does not already hold bytes. Temporary files that earlier,
// killed saves left in the file's folder are removed. In a folder where no temporary file can be
// made, a file that exists and may be written is written in place and synced instead.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
// The same, giving 0 or the cause of the failure (an errno value; a read-only file counts as
// EACCES, a folder as EISDIR, anything else that is no plain file as EINVAL).
int replaceFile(const std::string& path, std::string_view bytes);

// What stands at path (through symbolic links) when it is something other than a plain file;
// None for a plain file or nothing at all.
NotAFile notAFileAt(const std::string& path);

// A file written whole under a temporary name beside the file it is to replace: several files
// are staged first and put in place only once every one of them is written.
struct StagedFile {
    std::string temp;    // the temporary file
    std::string target;  // the file it replaces: path, or the end of its chain of symbolic links
};
// Writes bytes to a temporary file beside path, flushed to disk. Returns 0, or the cause (an errno
// value) why it could not: a folder or a read-only file at path counts as EISDIR or EACCES.
int stageFile(const std::string& path, std::string_view bytes, StagedFile& staged);
// Renames the temporary file over its target; returns 0 or the cause of the failure.
int commitStagedFile(const StagedFile& staged);
void discardStagedFile(const StagedFile& staged);
// Removes what killed saves left in path's folder, before files there are staged.
void removeLeftoverTemporaries(const std::string& path);

// Deletes a file (through a symbolic link: its target, so the link stays for the next save);
// false when there was none, it is read-only, or it could not be deleted.
bool removeFile(const std::string& path);

// Whether a new file can be made beside path (through symbolic links): 0, or the cause why not
// (an errno value), found by making one and removing it again.
int newFileRefusal(const std::string& path);
