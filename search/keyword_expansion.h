#pragma once
// Turning an address template and a keyword into a search address: the keyword's Shift-JIS bytes
// are converted to the form the template asks for (EUC-JP for "$KEY$") and percent-encoded in place
// of the template's first placeholder.
#include <cstdint>
#include <optional>
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

// Replaces the first placeholder of `addressTemplate` (exact case) with `keyword`, percent-encoded,
// and returns the address; a template without any placeholder comes back unchanged. The placeholder
// says in which form the keyword goes in:
//   "$KEY$"        converted to EUC-JP (what the statistics site and the older sites expect);
//   "$KEY:UTF-8$"  as UTF-8 (what most sites expect today);
//   "$KEY:SJIS$"   as its own Shift-JIS bytes.
// The first placeholder of any of the three is the one replaced. The keyword is a zero-terminated
// text: bytes after an embedded zero byte are not part of it. Never fails: a keyword that cannot be
// converted contributes the whole characters converted before the point where the conversion
// stopped (for EUC-JP also a keyword too long for its 254-byte conversion buffer).
//
// Here the UTF-8 form is the keyword's Shift-JIS text decoded, which is what a keyword read from a
// file has to offer.
std::string ExpandKeyword(std::string_view addressTemplate, std::string_view keyword);

// The same with the keyword's UTF-8 form given: text the user typed, taken from the box as it holds
// it, so that characters Shift-JIS lacks (é, €, 𠮷) or spells as a look-alike (〜 as ～) reach a
// UTF-8 site as typed. `utf8Keyword` is zero-terminated like `keyword`.
std::string ExpandKeyword(std::string_view addressTemplate, std::string_view keyword, std::string_view utf8Keyword);

// The part of `keyword` (Shift-JIS, up to its first zero byte) that ExpandKeyword puts into the
// address of `addressTemplate`, before it is encoded: for "$KEY$" the characters the EUC-JP
// conversion took (all but what lies beyond its buffer or from a byte that is not Shift-JIS on),
// for "$KEY:SJIS$" the whole keyword. None when the keyword goes in as UTF-8 or there is no
// placeholder: then its Shift-JIS bytes are not what is sent.
std::optional<std::string> SentKeyword(std::string_view addressTemplate, std::string_view keyword);
