#pragma once
// Unicode text to the program's Shift-JIS, the way the platform the program was designed for
// converts text taken from its widgets and its browser control.
#include <string>
#include <string_view>

// Converts UTF-16 text. Each character becomes, in this order of trust: its code in code page 932;
// for the characters that Japanese input methods and pages write in their JIS form where code
// page 932 has another code point (the wave dash U+301C and its kin), the code of the same JIS
// character; the platform's best-fit choice (é becomes e, ¥ becomes 0x5C); and only when none of
// these has it, "?". A character outside the Basic Multilingual Plane (a surrogate pair) or a lone
// surrogate becomes one "?".
std::string unicodeToSjis(std::u16string_view text);
