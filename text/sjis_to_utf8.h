#pragma once
// The program's Shift-JIS text as UTF-8, for sites that expect their keyword that way.
#include <string>
#include <string_view>

// Converts `text` up to its first zero byte, character by character through code page 932. Stops
// at the first bytes that are no character: a byte that begins none (0xA0, 0xFD-0xFF), a lead byte
// without a trail byte after it, or a pair that code page 932 leaves empty. The result then holds
// the characters before that point, as the EUC-JP conversion of a keyword does.
std::string sjisToUtf8(std::string_view text);
