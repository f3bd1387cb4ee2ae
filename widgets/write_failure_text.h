#pragma once
// Why a file could not be written, in words the user can act on: a full disk, a read-only file,
// folder or file system, no permission, or something other than a file where it belongs.
#include <QString>

struct WriteError;

// Whether the error carries its cause (the failed write's errno, or what stands at the path).
bool writeFailureCauseKnown(const WriteError& error);

// The cause; when the error carries none, what the file and its folder show now.
QString writeFailureCause(const WriteError& error);
