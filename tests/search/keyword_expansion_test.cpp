#include "search/keyword_expansion.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// Shift-JIS spellings of the keywords used below.
const std::string kTokei = "\x8E\x9E\x8C\x76";           // 時計
const std::string kTerebi = "\x83\x65\x83\x8C\x83\x72";  // テレビ
const std::string kHalfWidthAiu = "\xB1\xB2\xB3";        // ｱｲｳ
const std::string kJi = "\x8E\x9E";                      // 時, EUC-JP BB FE

std::string repeat(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

struct Converted {
    uint32_t status;
    std::string bytes;  // up to the terminator on success, up to the first untouched byte on failure
};

// Converts into a buffer pre-filled with 0xA0, a byte that no EUC-JP output holds (rows come out as
// 0x80-0x98 or 0xA1-0xFF, cells as 0xA1-0xFE), so that on failure the written prefix is everything
// before the first 0xA0.
Converted convert(const std::string& source, uint32_t capacity = 255)
{
    std::vector<char> target(capacity + 1, '\xA0');
    const uint32_t status = SjisToEucJp(source.c_str(), target.data(), capacity);
    const char* begin = target.data();
    if (ConversionSucceeded(status))
        return {status, std::string(begin)};
    return {status, std::string(begin, static_cast<const char*>(std::memchr(begin, '\xA0', target.size())))};
}

// ---- Worked examples -----------------------------------------------------------------------

struct Example {
    std::string keyword;
    std::string eucJp;
    std::string inserted;
};

class WorkedExample : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExample, ConvertsEncodesAndExpands)
{
    const Example& e = GetParam();
    const Converted c = convert(e.keyword);
    EXPECT_EQ(c.status, e.eucJp.size());
    EXPECT_EQ(c.bytes, e.eucJp);
    EXPECT_EQ(UrlEncode(e.eucJp), e.inserted);
    EXPECT_EQ(ExpandKeyword("<$KEY$>", e.keyword), "<" + e.inserted + ">");
}

INSTANTIATE_TEST_SUITE_P(KeywordExpansion, WorkedExample,
                         ::testing::Values(Example{"abc def", "abc def", "abc+def"},
                                           Example{kTokei, "\xBB\xFE\xB7\xD7", "%BB%FE%B7%D7"},
                                           Example{kTokei + " abc", "\xBB\xFE\xB7\xD7 abc", "%BB%FE%B7%D7+abc"},
                                           Example{kTerebi, "\xA5\xC6\xA5\xEC\xA5\xD3", "%A5%C6%A5%EC%A5%D3"},
                                           Example{kHalfWidthAiu, "\x8E\xB1\x8E\xB2\x8E\xB3", "%8E%B1%8E%B2%8E%B3"},
                                           Example{"1+1", "1+1", "1%2B1"}, Example{"a~b", "a~b", "a%7Eb"},
                                           Example{"\x80", "\x80", "%80"}, Example{"  x ", "  x ", "++x+"},
                                           // Extension rows and the user-defined area follow the same arithmetic.
                                           Example{"\xFA\x40", "\x93\xA1", "%93%A1"},
                                           Example{"\x87\x40", "\xAD\xA1", "%AD%A1"}));

TEST(KeywordExpansion, DefaultTemplateExample)
{
    EXPECT_EQ(ExpandKeyword("search?q=$KEY$&t=-1", kTokei + " abc"), "search?q=%BB%FE%B7%D7+abc&t=-1");
}

// ---- Every double-byte character -----------------------------------------------------------

// The expected bytes come from the row/cell layout: each lead byte holds two rows of 94 cells, its
// 188 trail bytes run 0x40-0x7E then 0x80-0xFC, and EUC-JP sets the top bit of both JIS bytes.
TEST(SjisToEucJp, EveryLeadAndTrailByte)
{
    std::vector<unsigned> leads;
    for (unsigned b = 0x81; b <= 0x9F; ++b)
        leads.push_back(b);
    for (unsigned b = 0xE0; b <= 0xFC; ++b)
        leads.push_back(b);

    for (unsigned lead : leads) {
        const unsigned leadIndex = lead <= 0x9F ? lead - 0x81 : lead - 0xC1;
        for (unsigned trail = 0; trail <= 0xFF; ++trail) {
            SCOPED_TRACE(testing::Message() << std::hex << "lead " << lead << " trail " << trail);
            const std::string source{static_cast<char>(lead), static_cast<char>(trail)};
            const Converted c = convert(source);
            const bool valid = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC);
            if (!valid) {
                EXPECT_EQ(c.status, CONV_BAD_CHAR);
                EXPECT_EQ(c.bytes, "");
                continue;
            }
            const unsigned position = trail <= 0x7E ? trail - 0x40 : trail - 0x41;
            const unsigned ku = 2 * leadIndex + 1 + position / 94;
            const unsigned ten = position % 94 + 1;
            const std::string expected{static_cast<char>((ku + 0x20) | 0x80), static_cast<char>((ten + 0x20) | 0x80)};
            EXPECT_EQ(c.status, 2u);
            EXPECT_EQ(c.bytes, expected);
        }
    }
}

TEST(SjisToEucJp, SingleBytesPassUnchanged)
{
    for (unsigned b = 0x01; b <= 0x80; ++b)
        EXPECT_EQ(convert(std::string(1, static_cast<char>(b))).bytes, std::string(1, static_cast<char>(b))) << b;
}

// ---- Stops and limits ------------------------------------------------------------------

struct Outcome {
    const char* name;
    std::string source;
    uint32_t capacity;
    uint32_t status;
    std::string written;
};

class ConversionOutcome : public ::testing::TestWithParam<Outcome> {};

TEST_P(ConversionOutcome, WritesWholeCharactersOnly)
{
    const Outcome& o = GetParam();
    const Converted c = convert(o.source, o.capacity);
    EXPECT_EQ(c.status, o.status);
    EXPECT_EQ(c.bytes, o.written);
}

INSTANTIATE_TEST_SUITE_P(
    SjisToEucJp, ConversionOutcome,
    ::testing::Values(Outcome{"LoneLeadAtEnd", "ab\x82", 255, CONV_BAD_CHAR, "ab"},
                      Outcome{"LeadThenSpace", "a\x82 ", 255, CONV_BAD_CHAR, "a"},
                      Outcome{"ByteA0",
                              "ab\xA0"
                              "cd",
                              255, CONV_BAD_CHAR, "ab"},
                      Outcome{"ByteFD", "\xFD", 255, CONV_BAD_CHAR, ""},
                      Outcome{"ByteFF", kJi + "\xFF", 255, CONV_BAD_CHAR, "\xBB\xFE"},
                      Outcome{"UserAreaThenBadByte", "\xF0\x62\xFD", 255, CONV_BAD_CHAR, "\xFF\xC3"},
                      // Validity is decided before room: these would not fit either.
                      Outcome{"BadByteWithNoRoom", "ab\xFD", 2, CONV_BAD_CHAR, "ab"},
                      Outcome{"BadTrailWithNoRoom", "a\x82\x7F", 1, CONV_BAD_CHAR, "a"},
                      // A character that does not fit is not begun.
                      Outcome{"DoubleByteInOneByte", "a" + kJi, 2, CONV_TARGET_FULL, "a"},
                      Outcome{"KanaInOneByte", "a\xB1", 2, CONV_TARGET_FULL, "a"},
                      Outcome{"NoRoomForTerminator", "abc", 3, CONV_TARGET_FULL, "abc"},
                      Outcome{"NoCapacityAtAll", "", 0, CONV_TARGET_FULL, ""},
                      Outcome{"LongestSingleByte", std::string(254, 'a'), 255, 254, std::string(254, 'a')},
                      Outcome{"LongestDoubleByte", repeat(kJi, 127), 255, 254, repeat("\xBB\xFE", 127)},
                      Outcome{"EmptyInOneByte", "", 1, 0, ""},
                      Outcome{"TooManySingleBytes", std::string(255, 'a'), 255, CONV_TARGET_FULL,
                              std::string(255, 'a')},
                      Outcome{"TooManyDoubleBytes", repeat(kJi, 128), 255, CONV_TARGET_FULL, repeat("\xBB\xFE", 127)}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(SjisToEucJp, ArgumentChecksComeFirstInOrder)
{
    char buffer[4];
    EXPECT_EQ(SjisToEucJp(nullptr, nullptr, 0xFFFFFFFF), CONV_NO_SOURCE);
    EXPECT_EQ(SjisToEucJp(nullptr, buffer, 4), CONV_NO_SOURCE);
    EXPECT_EQ(SjisToEucJp("\xFD", nullptr, 0x80000000), CONV_NO_TARGET);
    EXPECT_EQ(SjisToEucJp("\xFD", buffer, 0x80000000), CONV_BAD_CAPACITY);
    EXPECT_EQ(SjisToEucJp("a", buffer, 0xFFFFFFFF), CONV_BAD_CAPACITY);
    // The largest capacity allowed; only three bytes are written.
    EXPECT_EQ(SjisToEucJp(kJi.c_str(), buffer, 0x7FFFFFFF), 2u);
    EXPECT_STREQ(buffer, "\xBB\xFE");
}

// ---- Percent-encoding ----------------------------------------------------------------------

TEST(UrlEncode, ListedCharacters)
{
    EXPECT_EQ(UrlEncode("%&=/+~#"), "%25%26%3D%2F%2B%7E%23");
    EXPECT_EQ(UrlEncode("!$'()*-.@_"), "!$'()*-.@_");
    EXPECT_EQ(UrlEncode("AZaz09"), "AZaz09");
    EXPECT_EQ(UrlEncode(" "), "+");
    EXPECT_EQ(UrlEncode(""), "");
    EXPECT_EQ(UrlEncode(std::string_view("a b\0c d", 7)), "a+b");
}

TEST(UrlEncode, EveryByte)
{
    int kept = 0;
    for (unsigned b = 1; b <= 0xFF; ++b) {
        const bool asciiAlnum = b < 0x80 && std::isalnum(static_cast<int>(b));
        const bool keptPunctuation = b != 0 && std::strchr("!$'()*-.@_", static_cast<int>(b)) != nullptr;
        std::string expected;
        if (asciiAlnum || keptPunctuation) {
            expected = std::string(1, static_cast<char>(b));
            ++kept;
        } else if (b == ' ') {
            expected = "+";
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", b);
            expected = hex;
        }
        EXPECT_EQ(UrlEncode(std::string(1, static_cast<char>(b))), expected) << "byte " << b;
    }
    EXPECT_EQ(kept, 72);
}

// ---- Expansion -----------------------------------------------------------------------------

struct Expansion {
    const char* name;
    std::string addressTemplate;
    std::string keyword;
    std::string address;
    // The keyword as typed, in UTF-8, where the box's text is given beside its Shift-JIS bytes.
    std::optional<std::string> typed = std::nullopt;
};

class ExpandKeywordCase : public ::testing::TestWithParam<Expansion> {};

TEST_P(ExpandKeywordCase, BuildsTheAddress)
{
    const Expansion& e = GetParam();
    if (e.typed)
        EXPECT_EQ(ExpandKeyword(e.addressTemplate, e.keyword, *e.typed), e.address);
    else
        EXPECT_EQ(ExpandKeyword(e.addressTemplate, e.keyword), e.address);
}

INSTANTIATE_TEST_SUITE_P(
    KeywordExpansion, ExpandKeywordCase,
    ::testing::Values(Expansion{"NoPlaceholder", "search?q=x", "abc", "search?q=x"},
                      Expansion{"LowerCasePlaceholder", "search?q=$key$", "abc", "search?q=$key$"},
                      Expansion{"OnlyFirstPlaceholder", "$KEY$/$KEY$", "ab", "ab/$KEY$"},
                      Expansion{"EmptyKeyword", "search?q=$KEY$&t=-1", "", "search?q=&t=-1"},
                      Expansion{"PlaceholderAlone", "$KEY$", kTokei, "%BB%FE%B7%D7"},
                      Expansion{"OverlappingPlaceholders", "$KEY$KEY$", "x", "xKEY$"},
                      Expansion{"KeywordHoldsPlaceholder", "q=$KEY$", "$KEY$", "q=$KEY$"},
                      Expansion{"KeywordEndsAtZeroByte", "q=$KEY$", std::string("ab\0cd", 5), "q=ab"},
                      Expansion{"TemplateWithJapanese", kTokei + "=$KEY$", "a", kTokei + "=a"},
                      // Conversion stopped: only the whole characters before the stop go in.
                      Expansion{"TooLongDoubleByte", "q=$KEY$&", repeat(kJi, 128), "q=" + repeat("%BB%FE", 127) + "&"},
                      Expansion{"TooLongSingleByte", "q=$KEY$", std::string(300, 'a'), "q=" + std::string(255, 'a')},
                      Expansion{"BadByteInMiddle", "q=$KEY$&", kJi + "a\xFD" + kJi, "q=%BB%FEa&"},
                      Expansion{"ByteA0InMiddle", "q=$KEY$",
                                "ab\xA0"
                                "cd",
                                "q=ab"},
                      Expansion{"LoneLeadAtEnd", "q=$KEY$", "ab\x8E", "q=ab"},
                      Expansion{"BadFirstByte", "q=$KEY$&t",
                                "\xFF"
                                "abc",
                                "q=&t"}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- The three placeholders ----------------------------------------------------------------

INSTANTIATE_TEST_SUITE_P(
    KeywordForms, ExpandKeywordCase,
    ::testing::Values(
        Expansion{"Utf8", "u?k=$KEY:UTF-8$&x", kTokei + " a+", "u?k=%E6%99%82%E8%A8%88+a%2B&x"},
        Expansion{"Sjis", "s?k=$KEY:SJIS$", kTokei + " a+", "s?k=%8E%9E%8Cv+a%2B"},
        Expansion{"FirstOfAnyKind", "$KEY:SJIS$/$KEY$/$KEY:UTF-8$", kJi, "%8E%9E/$KEY$/$KEY:UTF-8$"},
        Expansion{"EucJpBeforeUtf8", "$KEY$/$KEY:UTF-8$", kJi, "%BB%FE/$KEY:UTF-8$"},
        Expansion{"NotPlaceholders", "$key:utf-8$ $KEY:UTF8$ $KEY:sjis$", kJi, "$key:utf-8$ $KEY:UTF8$ $KEY:sjis$"},
        Expansion{"BrokenThenWhole", "$KEY:UTF-8 $KEY$", "a", "$KEY:UTF-8 a"},
        Expansion{"EmptyKeyword", "q=$KEY:UTF-8$&", "", "q=&"},
        Expansion{"KanaAndByte80", "$KEY:UTF-8$", kHalfWidthAiu.substr(0, 1) + "\x80", "%EF%BD%B1%C2%80"},
        Expansion{"UserDefinedArea", "$KEY:UTF-8$", "\xF0\x40", "%EE%80%80"},
        Expansion{"LongerThanTheEucJpBuffer", "$KEY:UTF-8$", std::string(300, 'a'), std::string(300, 'a')},
        // UTF-8 stops where the keyword is no Shift-JIS, as EUC-JP does; its own bytes go in as they are.
        Expansion{"Utf8StopsAtBadByte", "$KEY:UTF-8$", kJi + "a\xFD" + kJi, "%E6%99%82a"},
        Expansion{"Utf8StopsAtByteA0", "$KEY:UTF-8$",
                  "ab\xA0"
                  "cd",
                  "ab"},
        Expansion{"Utf8StopsAtLoneLead", "$KEY:UTF-8$", "ab\x8E", "ab"},
        Expansion{"Utf8StopsAtEmptyPair", "$KEY:UTF-8$", "a\x85\x40" + kJi, "a"},
        Expansion{"Utf8StopsAtZeroByte", "$KEY:UTF-8$", std::string("ab\0cd", 5), "ab"},
        Expansion{"SjisKeepsBadBytes", "$KEY:SJIS$", std::string("\xFD\x8E\0x", 4), "%FD%8E"},
        // Typed text: UTF-8 takes it as typed, even where Shift-JIS has only a look-alike or nothing;
        // the other two forms keep the Shift-JIS bytes.
        Expansion{"TypedWaveDash", "$KEY:UTF-8$", "\x81\x60", "%E3%80%9C", "\u301C"},
        Expansion{"TypedAccent", "q=$KEY:UTF-8$", "cafe", "q=caf%C3%A9", "caf\u00E9"},
        Expansion{"TypedOutsideBmp", "$KEY:UTF-8$", "?" + kTokei, "%F0%A0%AE%B7%E6%99%82", "\U00020BB7\u6642"},
        Expansion{"TypedEuroAndHangul", "$KEY:UTF-8$ $KEY$", "??", "%E2%82%AC%ED%95%9C $KEY$", "\u20AC\uD55C"},
        Expansion{"TypedUtf8EndsAtZeroByte", "$KEY:UTF-8$", "ab", "a", std::string("a\0b", 3)},
        Expansion{"TypedLeavesEucJp", "$KEY$", "cafe", "cafe", "caf\u00E9"},
        Expansion{"TypedLeavesSjis", "$KEY:SJIS$", "\x81\x60", "%81%60", "\u301C"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
