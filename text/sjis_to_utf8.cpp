#include "text/sjis_to_utf8.h"

#include "text/code_page_932.h"

namespace {

void appendUtf8(std::string& out, char16_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string sjisToUtf8(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        char16_t c = kNoCharacter;
        if (!isSjisLeadByte(b)) {
            // 0xA0 and 0xFD-0xFF stand for private-use characters in the code page's table, but they
            // begin no Shift-JIS character; the EUC-JP conversion refuses them too.
            if (b != 0xA0 && b < 0xFD)
                c = cp932CharacterOfByte(b);
        } else if (i + 1 < text.size()) {
            c = cp932CharacterOfPair(b, static_cast<unsigned char>(text[++i]));
        }
        if (c == kNoCharacter)
            break;
        appendUtf8(out, c);
    }
    return out;
}
