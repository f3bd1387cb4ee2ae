#pragma once
// File names the file system takes: most allow 255 bytes to a name, and a server may suggest far
// longer ones. A name too long is shortened at the end of its stem, by whole characters, so the
// extension (which says what the file is) stays.
#include <QString>

inline constexpr int kLongestFileName = 255;  // bytes, in the file system's encoding

QString fitFileName(const QString& name, int maxBytes = kLongestFileName);
