#pragma once
// The program's Shift-JIS text as Unicode, through code page 932 itself, and back after an edit
// without disturbing the characters the edit left alone.
#include <string>
#include <string_view>

// One UTF-16 unit per character (code page 932 holds nothing outside the Basic Multilingual Plane).
// A lead byte without a trail byte, or a pair the code page leaves empty, becomes U+FFFD: the lead
// byte alone before a byte that is no trail byte (which is then read by itself), the pair otherwise.
std::u16string sjisToUnicode(std::string_view bytes);

// The bytes for edited, the text a widget shows after the user changed the text of original.
// The characters before and after the part the user changed keep the bytes they had, so a
// character that code page 932 holds at two codes (NEC's and IBM's copies), or bytes that were no
// character, stay as they were; only the changed part is converted (unicodeToSjis).
std::string bytesOfEditedText(std::u16string_view edited, std::string_view original);
