#include "text/sjis_to_unicode.h"

#include "text/code_page_932.h"
#include "text/unicode_to_sjis.h"

#include <algorithm>
#include <vector>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Calls take(character, length in bytes) for each character of bytes, in order.
template <class Take>
void eachCharacter(std::string_view bytes, Take&& take)
{
    const size_t size = bytes.size();
    for (size_t i = 0; i < size;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!isSjisLeadByte(b)) {
            take(cp932CharacterOfByte(b), size_t{1});
            ++i;
            continue;
        }
        if (i + 1 < size && isSjisTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            const char16_t c = cp932CharacterOfPair(b, static_cast<unsigned char>(bytes[i + 1]));
            take(c == kNoCharacter ? kReplacement : c, size_t{2});
            i += 2;
            continue;
        }
        take(kReplacement, size_t{1});
        ++i;
    }
}

}  // namespace

std::u16string sjisToUnicode(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    eachCharacter(bytes, [&text](char16_t c, size_t) { text += c; });
    return text;
}

std::string bytesOfEditedText(std::u16string_view edited, std::string_view original)
{
    std::u16string before;
    std::vector<size_t> starts;  // where each character of before begins in original, then the end
    before.reserve(original.size());
    starts.reserve(original.size() + 1);
    size_t at = 0;
    eachCharacter(original, [&](char16_t c, size_t length) {
        before += c;
        starts.push_back(at);
        at += length;
    });
    starts.push_back(at);

    const size_t most = std::min(before.size(), edited.size());
    size_t head = 0;
    while (head < most && before[head] == edited[head])
        ++head;
    size_t tail = 0;
    while (tail < most - head && before[before.size() - 1 - tail] == edited[edited.size() - 1 - tail])
        ++tail;

    std::string out(original.substr(0, starts[head]));
    out += unicodeToSjis(edited.substr(head, edited.size() - head - tail));
    out += original.substr(starts[before.size() - tail]);
    return out;
}
