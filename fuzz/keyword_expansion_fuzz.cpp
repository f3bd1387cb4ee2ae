// The first input byte picks the conversion capacity; the rest is the Shift-JIS source, converted up
// to its first zero byte and also percent-encoded and expanded as a keyword.
#include "search/keyword_expansion.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr size_t kGuardBytes = 16;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool isLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrail(unsigned char t) { return (t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC); }

struct Walk {
    std::vector<unsigned> lengths;  // EUC-JP length of each whole character, in order
    bool endsBad = false;           // stopped at a byte sequence that is no character
};

// An independent walk over the source's characters up to the terminator or the first sequence that
// is no Shift-JIS character.
Walk walkCharacters(const std::string& source)
{
    Walk walk;
    const auto* s = reinterpret_cast<const unsigned char*>(source.c_str());
    for (size_t i = 0; s[i] != 0;) {
        const unsigned char b = s[i];
        if (isLead(b)) {
            if (!isTrail(s[i + 1])) {
                walk.endsBad = true;
                break;
            }
            walk.lengths.push_back(2);
            i += 2;
        } else if (b == 0xA0 || b >= 0xFD) {
            walk.endsBad = true;
            break;
        } else {
            walk.lengths.push_back(b >= 0xA1 ? 2 : 1);
            i += 1;
        }
    }
    return walk;
}

struct Output {
    uint32_t status;
    size_t written;  // bytes written, the terminator included on success
};

// Converts twice into buffers of `capacity` plus guard bytes, filled with different patterns: a byte
// the converter wrote is equal in both, one it left alone differs. The written bytes must be a
// prefix within the capacity; they are left in `target`.
Output convertWatched(const std::string& source, uint32_t capacity, std::vector<unsigned char>& target)
{
    std::vector<unsigned char> other(capacity + kGuardBytes, 0x55);
    target.assign(capacity + kGuardBytes, 0xAA);
    const uint32_t status = SjisToEucJp(source.c_str(), reinterpret_cast<char*>(target.data()), capacity);
    require(SjisToEucJp(source.c_str(), reinterpret_cast<char*>(other.data()), capacity) == status);
    size_t written = 0;
    while (written < target.size() && target[written] == other[written])
        ++written;
    require(written <= capacity);
    for (size_t i = written; i < target.size(); ++i)
        require(target[i] != other[i]);
    return {status, written};
}

void checkConversion(const std::string& source, uint32_t capacity)
{
    std::vector<unsigned char> target;
    const auto [status, touched] = convertWatched(source, capacity, target);
    const bool success = status < 0x80000000u;
    require(!success || (touched >= 1 && target[touched - 1] == 0));
    const size_t written = success ? touched - 1 : touched;  // the characters, without the terminator
    require(std::memchr(target.data(), 0, written) == nullptr);

    const Walk walk = walkCharacters(source);
    size_t boundary = 0;
    size_t whole = 0;
    while (whole < walk.lengths.size() && boundary + walk.lengths[whole] <= written)
        boundary += walk.lengths[whole++];
    require(boundary == written);  // only whole characters were written

    const bool allConverted = whole == walk.lengths.size();
    if (success) {
        require(status == written && allConverted && !walk.endsBad);
        return;
    }
    if (status == CONV_BAD_CHAR) {
        require(allConverted && walk.endsBad);
        return;
    }
    require(status == CONV_TARGET_FULL);
    require(!(allConverted && walk.endsBad));                    // an invalid sequence fails as such, even without room
    const size_t next = allConverted ? 1 : walk.lengths[whole];  // the terminator or the next character
    require(written + next > capacity);
}

bool isUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }
int hexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

void checkEncoding(const std::string& text)
{
    static constexpr char kKept[] = "!$'()*-.@_";
    const std::string encoded = UrlEncode(text);
    std::string decoded;
    for (size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '%') {
            require(i + 2 < encoded.size());
            const char hi = encoded[i + 1];
            const char lo = encoded[i + 2];
            require(isUpperHex(hi) && isUpperHex(lo));
            decoded += static_cast<char>(hexValue(hi) * 16 + hexValue(lo));
            i += 2;
        } else if (c == '+') {
            decoded += ' ';
        } else {
            const bool alnum = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
            require(alnum || (c != 0 && std::strchr(kKept, c) != nullptr));
            decoded += c;
        }
    }
    require(decoded == text.substr(0, text.find('\0')));
}

// The expansion must insert exactly the encoding of what a 255-byte conversion keeps. It is given
// the raw input, which has no terminator, so reading past the keyword is caught.
void checkExpansion(const std::string& keyword, std::string_view unterminated)
{
    std::vector<unsigned char> converted;
    const auto [status, touched] = convertWatched(keyword, 255, converted);
    const size_t kept = status < 0x80000000u ? touched - 1 : touched;
    const std::string inserted = UrlEncode(std::string(reinterpret_cast<const char*>(converted.data()), kept));
    require(ExpandKeyword("q=$KEY$&t=-1", unterminated) == "q=" + inserted + "&t=-1");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint32_t capacity = data[0] < 0xF0 ? data[0] % 64 : 255;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string source(input);
    checkConversion(source, capacity);
    checkEncoding(source);
    checkExpansion(source, input);
    return 0;
}
