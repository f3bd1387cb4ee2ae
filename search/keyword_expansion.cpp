#include "search/keyword_expansion.h"

#include "text/sjis_to_utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

// ---- Shift-JIS to EUC-JP -------------------------------------------------------------------

enum class ByteKind : uint8_t { End, Single, HalfWidthKana, Lead, Invalid };

constexpr ByteKind kindOf(unsigned b)
{
    if (b == 0x00)
        return ByteKind::End;
    if (b <= 0x80)
        return ByteKind::Single;
    if (b <= 0x9F || (b >= 0xE0 && b <= 0xFC))
        return ByteKind::Lead;
    if (b >= 0xA1 && b <= 0xDF)
        return ByteKind::HalfWidthKana;
    // 0xFD-0xFF, and 0xA0: 0xA0 begins no Shift-JIS character and would not be a character in
    // EUC-JP either, so it is refused like the other bytes that have no meaning here.
    return ByteKind::Invalid;
}

constexpr auto kByteKinds = [] {
    std::array<ByteKind, 256> kinds{};
    for (unsigned b = 0; b < 256; ++b)
        kinds[b] = kindOf(b);
    return kinds;
}();

// The row and cell arithmetic is applied to the whole lead range without a character table, so
// the platform's extension rows and the user-defined area come out as the formula gives them rather
// than being refused. For speed it is split into two small tables, one per byte of the pair: the
// lead byte gives the row, the trail byte whether it may follow a lead at all, whether it moves the
// character to the second of the lead's two rows, and the cell.
constexpr unsigned rowOfLead(unsigned lead) { return lead <= 0x9F ? 2 * lead - 0xE1 : 2 * lead - 0x161; }

constexpr auto kLeadRows = [] {
    std::array<uint8_t, 256> rows{};
    for (unsigned b = 0; b < 256; ++b)
        if (kindOf(b) == ByteKind::Lead)
            rows[b] = static_cast<uint8_t>(rowOfLead(b));
    return rows;
}();

// A trail byte's part of the pair: whether it moves the character to the second of the lead's two
// rows, and the cell with its top bit already set as EUC-JP writes it; a cell of 0 marks a byte that
// cannot follow a lead.
struct Trail {
    uint8_t nextRow;
    uint8_t cell;
};

constexpr auto kTrails = [] {
    std::array<Trail, 256> trails{};
    for (unsigned t = 0; t < 256; ++t) {
        if (!((t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC)))
            continue;
        const bool secondRow = t >= 0x9F;
        const unsigned cell = secondRow ? t - 0x7E : t <= 0x7E ? t - 0x1F : t - 0x20;
        trails[t] = {static_cast<uint8_t>(secondRow), static_cast<uint8_t>(cell | 0x80)};
    }
    return trails;
}();

struct Conversion {
    uint32_t status;
    uint32_t written;  // bytes of whole characters in the target, terminator not counted
    uint32_t read;     // bytes of the source those characters came from
};

// Converts the zero-terminated `source`. Both callers have checked their arguments.
//
// At the start of each character at least as many bytes have been written as read, and no more than
// `capacity` are ever written; so the conversion reads at most `capacity` + 2 bytes of the source
// (the last character start and the byte after it).
Conversion convert(const unsigned char* source, unsigned char* target, uint32_t capacity)
{
    const unsigned char* in = source;
    uint32_t out = 0;
    const auto read = [&] { return static_cast<uint32_t>(in - source); };
    for (;;) {
        const unsigned b = *in;
        const ByteKind kind = kByteKinds[b];
        const uint32_t room = capacity - out;
        if (kind == ByteKind::Lead) {
            const Trail trail = kTrails[in[1]];
            if (trail.cell == 0)  // the terminator after a lone lead byte fails here too
                return {CONV_BAD_CHAR, out, read()};
            if (room < 2)
                return {CONV_TARGET_FULL, out, read()};
            target[out] = static_cast<unsigned char>((kLeadRows[b] + trail.nextRow) | 0x80);
            target[out + 1] = trail.cell;
            out += 2;
            in += 2;
        } else if (kind == ByteKind::Single) {
            if (room < 1)
                return {CONV_TARGET_FULL, out, read()};
            target[out++] = static_cast<unsigned char>(b);
            in += 1;
        } else if (kind == ByteKind::HalfWidthKana) {
            if (room < 2)
                return {CONV_TARGET_FULL, out, read()};
            target[out] = 0x8E;
            target[out + 1] = static_cast<unsigned char>(b);
            out += 2;
            in += 1;
        } else if (kind == ByteKind::End) {
            if (room < 1)
                return {CONV_TARGET_FULL, out, read()};
            target[out] = 0;
            return {out, out, read()};
        } else {
            return {CONV_BAD_CHAR, out, read()};
        }
    }
}

// The EUC-JP conversion into a buffer of the byte cap, of at most its first capacity + 2 bytes:
// the keyword need not be zero-terminated, and a terminated copy of those bytes stands in for it
// exactly.
using ConvertedKeyword = std::array<unsigned char, 256>;
Conversion convertCapped(std::string_view keyword, ConvertedKeyword& converted)
{
    constexpr uint32_t capacity = std::tuple_size_v<ConvertedKeyword> - 1;
    unsigned char source[capacity + 3];
    const size_t taken = std::min(keyword.size(), size_t{capacity + 2});
    std::copy_n(keyword.data(), taken, source);
    source[taken] = 0;
    return convert(source, converted.data(), capacity);
}

// ---- Percent-encoding ----------------------------------------------------------------------

// The bytes that stay as they are, as a bit set over 0x20-0x7F: bit n stands for byte 0x20 + n.
constexpr std::array<uint32_t, 3> kKeptBytes{0x03FF6792, 0x87FFFFFF, 0x07FFFFFE};
static_assert(std::popcount(kKeptBytes[0]) + std::popcount(kKeptBytes[1]) + std::popcount(kKeptBytes[2]) == 72);

constexpr bool isKept(unsigned b)
{
    if (b < 0x20 || b > 0x7F)
        return false;
    const unsigned n = b - 0x20;
    return (kKeptBytes[n / 32] >> (n % 32)) & 1u;
}

// What each byte becomes, padded to four bytes. The encoding loop stores all four and advances by
// `length`, which keeps it free of branches and makes one store per byte; whatever lies past the
// length is overwritten by the next byte or cut off, so the output needs one byte of slack.
struct Encoded {
    char text[3];
    uint8_t length;
};
static_assert(sizeof(Encoded) == 4);
constexpr size_t kEncodingSlack = 1;

constexpr auto kEncodings = [] {
    constexpr char hex[] = "0123456789ABCDEF";
    std::array<Encoded, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
        if (isKept(b))
            table[b] = {{static_cast<char>(b), 0, 0}, 1};
        else if (b == ' ')
            table[b] = {{'+', 0, 0}, 1};
        else
            table[b] = {{'%', hex[b >> 4], hex[b & 0xF]}, 3};
    }
    return table;
}();

// Writes the encoding of all `length` bytes at `out`, which has room for 3 * `length` +
// kEncodingSlack bytes, and returns the end of the encoded text.
char* encodeInto(char* out, const unsigned char* in, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        const Encoded& e = kEncodings[in[i]];
        std::memcpy(out, &e, sizeof e);
        out += e.length;
    }
    return out;
}

// ---- Placeholders --------------------------------------------------------------------------

enum class KeywordForm { None, EucJp, Utf8, Sjis };

struct Placeholder {
    size_t at;
    size_t length;
    KeywordForm form;
};

// The earliest placeholder of any form: "$KEY$", "$KEY:UTF-8$" or "$KEY:SJIS$". All three begin
// with "$KEY", so only where that stands is there anything to compare.
Placeholder firstPlaceholder(std::string_view addressTemplate)
{
    constexpr std::string_view stem = "$KEY";
    for (size_t at = addressTemplate.find(stem); at != std::string_view::npos;
         at = addressTemplate.find(stem, at + 1)) {
        const std::string_view rest = addressTemplate.substr(at + stem.size());
        if (rest.starts_with('$'))
            return {at, stem.size() + 1, KeywordForm::EucJp};
        if (rest.starts_with(":UTF-8$"))
            return {at, stem.size() + 7, KeywordForm::Utf8};
        if (rest.starts_with(":SJIS$"))
            return {at, stem.size() + 6, KeywordForm::Sjis};
    }
    return {std::string_view::npos, 0, KeywordForm::None};
}

// `keyword` encoded in place of the `length` template bytes at `at`.
std::string replaced(std::string_view addressTemplate, size_t at, size_t length, const unsigned char* keyword,
                     size_t keywordLength)
{
    const std::string_view before = addressTemplate.substr(0, at);
    const std::string_view after = addressTemplate.substr(at + length);
    std::string address(before.size() + 3 * keywordLength + kEncodingSlack + after.size(), '\0');
    char* out = address.data();
    out = std::copy(before.begin(), before.end(), out);
    out = encodeInto(out, keyword, keywordLength);
    out = std::copy(after.begin(), after.end(), out);
    address.resize(static_cast<size_t>(out - address.data()));
    return address;
}

}  // namespace

uint32_t SjisToEucJp(const char* source, char* target, uint32_t capacity)
{
    if (source == nullptr)
        return CONV_NO_SOURCE;
    if (target == nullptr)
        return CONV_NO_TARGET;
    if (capacity > 0x7FFFFFFF)
        return CONV_BAD_CAPACITY;
    return convert(reinterpret_cast<const unsigned char*>(source), reinterpret_cast<unsigned char*>(target), capacity)
        .status;
}

std::string UrlEncode(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::string encoded(3 * text.size() + kEncodingSlack, '\0');
    const char* end = encodeInto(encoded.data(), reinterpret_cast<const unsigned char*>(text.data()), text.size());
    encoded.resize(static_cast<size_t>(end - encoded.data()));
    return encoded;
}

namespace {

// utf8Keyword: the keyword's UTF-8 form, or null to decode it from the Shift-JIS keyword (only
// when the template asks for UTF-8, so the other forms pay nothing for it).
std::string expand(std::string_view addressTemplate, std::string_view keyword, const std::string_view* utf8Keyword)
{
    const Placeholder found = firstPlaceholder(addressTemplate);
    if (found.form == KeywordForm::None)
        return std::string(addressTemplate);

    if (found.form == KeywordForm::EucJp) {
        // The conversion's status is deliberately not looked at: whether it succeeded or stopped at a
        // character that did not fit or was not Shift-JIS, the buffer holds `written` bytes of whole
        // characters, and those are what goes into the address. On failure the buffer has no
        // terminator, so it is never read as a C string.
        ConvertedKeyword converted;
        const Conversion conversion = convertCapped(keyword, converted);
        return replaced(addressTemplate, found.at, found.length, converted.data(), conversion.written);
    }
    if (found.form == KeywordForm::Sjis) {
        keyword = keyword.substr(0, keyword.find('\0'));
        return replaced(addressTemplate, found.at, found.length, reinterpret_cast<const unsigned char*>(keyword.data()),
                        keyword.size());
    }
    std::string decoded;
    std::string_view utf8;
    if (utf8Keyword) {
        utf8 = utf8Keyword->substr(0, utf8Keyword->find('\0'));
    } else {
        decoded = sjisToUtf8(keyword);
        utf8 = decoded;
    }
    return replaced(addressTemplate, found.at, found.length, reinterpret_cast<const unsigned char*>(utf8.data()),
                    utf8.size());
}

}  // namespace

std::optional<std::string> SentKeyword(std::string_view addressTemplate, std::string_view keyword)
{
    keyword = keyword.substr(0, keyword.find('\0'));
    const Placeholder found = firstPlaceholder(addressTemplate);
    if (found.form == KeywordForm::None || found.form == KeywordForm::Utf8)
        return std::nullopt;
    if (found.form == KeywordForm::Sjis)
        return std::string(keyword);
    // The same conversion as the expansion's, over the same bytes, tells how far it got.
    ConvertedKeyword converted;
    return std::string(keyword.substr(0, convertCapped(keyword, converted).read));
}

std::string ExpandKeyword(std::string_view addressTemplate, std::string_view keyword)
{
    return expand(addressTemplate, keyword, nullptr);
}

std::string ExpandKeyword(std::string_view addressTemplate, std::string_view keyword, std::string_view utf8Keyword)
{
    return expand(addressTemplate, keyword, &utf8Keyword);
}
