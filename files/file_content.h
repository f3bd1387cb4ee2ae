#pragma once
// Checks on a companion file's bytes that tell whether its reader took in all it holds. A file
// that fails one is held back: the program does not write over it until the user, having been
// told, changes what it holds.
#include <string_view>

// True when something other than NUL bytes follows the first NUL: the readers stop at a NUL, so
// that text was never read (a NUL padding at the very end loses nothing).
bool hasTextAfterNul(std::string_view bytes);

// True when the bytes start with a UTF-16 byte-order mark (FF FE or FE FF); neither byte occurs
// in Shift-JIS text, so such a file was saved in another encoding.
bool startsWithUtf16Mark(std::string_view bytes);
