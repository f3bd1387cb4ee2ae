#include "text/unicode_to_sjis.h"

#include "text/code_page_932.h"

#include <array>
#include <cstdint>

namespace {
#include "text/bestfit932_table.inc"

// Code page 932 spells these JIS X 0208 characters with other code points (U+FF5E for the wave
// dash, U+2225, U+FF0D, U+2015, U+FFE0, U+FFE1, U+FFE2); input methods and pages on this platform
// produce the JIS code points, and they mean the same character.
constexpr struct {
    char16_t character;
    uint16_t code;
} kJisForms[] = {
    {0x301C, 0x8160},  // WAVE DASH
    {0x2016, 0x8161},  // DOUBLE VERTICAL LINE
    {0x2212, 0x817C},  // MINUS SIGN
    {0x2014, 0x815C},  // EM DASH
    {0x00A2, 0x8191},  // CENT SIGN
    {0x00A3, 0x8192},  // POUND SIGN
    {0x00AC, 0x81CA},  // NOT SIGN
};

constexpr uint16_t kNoCode = 0xFFFF;  // 0xFF begins no character, so no code is 0xFFFF

using CodeTable = std::array<uint16_t, 0x10000>;

// Where code page 932 has a character at two codes, the platform writes the lower one, except that
// rows 0xED and 0xEE (NEC's copy of IBM's extension characters) give way to IBM's own rows 0xFA-0xFC.
// So the codes are offered lowest first with those two rows last, and the first offer stays.
void offerCodePage(CodeTable& table)
{
    auto offer = [&table](char16_t c, unsigned code) {
        if (c != kNoCharacter && table[c] == kNoCode)
            table[c] = static_cast<uint16_t>(code);
    };
    for (unsigned b = 0; b < 0x100; ++b)
        offer(cp932CharacterOfByte(static_cast<unsigned char>(b)), b);
    for (const bool necRows : {false, true}) {
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isSjisLeadByte(lead) || (lead == 0xED || lead == 0xEE) != necRows)
                continue;
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
                offer(cp932CharacterOfPair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)),
                      lead << 8 | trail);
        }
    }
}

template <typename Rows>
void offerRows(CodeTable& table, const Rows& rows)
{
    for (const auto& row : rows)
        if (table[row.character] == kNoCode)
            table[row.character] = row.code;
}

const CodeTable& codeTable()
{
    static const CodeTable table = [] {
        CodeTable t;
        t.fill(kNoCode);
        offerCodePage(t);
        offerRows(t, kJisForms);
        offerRows(t, kBestFit932);
        return t;
    }();
    return table;
}

constexpr bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::string unicodeToSjis(std::u16string_view text)
{
    const CodeTable& table = codeTable();
    std::string out;
    out.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
            ++i;  // the pair is one character, and none of the tables has it
        const uint16_t code = (isHighSurrogate(c) || isLowSurrogate(c)) ? kNoCode : table[c];
        if (code == kNoCode)
            out += '?';
        else if (code > 0xFF)
            out += {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        else
            out += static_cast<char>(code);
    }
    return out;
}
