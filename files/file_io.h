#pragma once
// Whole-file reading and writing for the companion files. Writes go to a temporary file in the
// same folder and are renamed over the old file, so a failed write leaves the old file intact.
// What the user set up around a file stays: a symbolic link is written through to its target and
// stays a link, and a read-only file is never replaced.
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
// killed saves left in the file's folder are removed.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// Deletes a file (through a symbolic link: its target, so the link stays for the next save);
// false when there was none, it is read-only, or it could not be deleted.
bool removeFile(const std::string& path);

// Replaces to by a copy of from, atomically: until the copy is complete the old to stays as it
// was, and a failed copy leaves it in place. False when from cannot be read or to not written.
bool copyFileReplacing(const std::string& from, const std::string& to);
