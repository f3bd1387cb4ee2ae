#pragma once
// Turning an address template and a keyword into a search address: the keyword's Shift-JIS bytes
// are converted to EUC-JP (what the statistics site expects) and percent-encoded in place of the
// first "$KEY$" of the template.
#include <cstdint>
#include <string>
#include <string_view>

// Status of SjisToEucJp. Any value below 0x80000000 means success; the failures are these.
inline constexpr uint32_t CONV_NO_SOURCE = 0x80000101;     // no source string given
inline constexpr uint32_t CONV_NO_TARGET = 0x80000102;     // no target buffer given
inline constexpr uint32_t CONV_BAD_CAPACITY = 0x80000200;  // capacity above 0x7FFFFFFF
inline constexpr uint32_t CONV_TARGET_FULL = 0x80000400;   // next character or terminator does not fit
inline constexpr uint32_t CONV_BAD_CHAR = 0x80000800;      // a byte sequence that is not Shift-JIS

constexpr bool ConversionSucceeded(uint32_t status) { return status < 0x80000000u; }

// Converts the zero-terminated Shift-JIS text `source` into EUC-JP in `target`, a buffer of at least
// `capacity` bytes; the capacity counts the terminating zero byte. On success returns the number of
// bytes written before the terminator. On failure returns one of the CONV_ values and leaves in
// `target` the whole characters converted before the failing one, without a terminator; a character
// is never written in half.
uint32_t SjisToEucJp(const char* source, char* target, uint32_t capacity);

// Percent-encodes `text` up to its first zero byte: A-Z a-z 0-9 ! $ ' ( ) * - . @ _ stay as they
// are, the space becomes "+", every other byte "%XX" with upper-case hex digits.
std::string UrlEncode(std::string_view text);

// Replaces the first "$KEY$" (exact case) of `addressTemplate` with `keyword` converted to EUC-JP
// and percent-encoded; a template without it comes back unchanged. The keyword is a zero-terminated
// text: bytes after an embedded zero byte are not part of it. Never fails: a keyword too long for the
// 254-byte conversion buffer, or one holding bytes that are not Shift-JIS, contributes the whole
// characters converted before the point where the conversion stopped.
std::string ExpandKeyword(std::string_view addressTemplate, std::string_view keyword);
