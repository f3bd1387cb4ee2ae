#pragma once
// Whole-file reading and writing for the companion files. Writes go to a temporary file in the
// same folder and are renamed over the old file, so a failed write leaves the old file intact.
#include <string>
#include <string_view>

// True when path names an existing regular file (a folder of that name is not a file).
bool fileExists(const std::string& path);

// Reads the whole file; throws FileOpenError when it cannot be opened or read.
std::string readWholeFile(const std::string& path);

// Replaces the file's content with bytes, atomically. Returns false (old file untouched) on failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// Deletes a file; false when there was none or it could not be deleted.
bool removeFile(const std::string& path);

// Copies from to to, failing (false) when to already exists or from cannot be read.
bool copyFileNoOverwrite(const std::string& from, const std::string& to);
