#include "text/unicode_to_sjis.h"

#include "text/code_page_932.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    std::u16string text;
    std::string sjis;
};

class UnicodeToSjis : public ::testing::TestWithParam<Case> {};

TEST_P(UnicodeToSjis, TakesTheFirstTableThatHasTheCharacter)
{
    EXPECT_EQ(unicodeToSjis(GetParam().text), GetParam().sjis);
}

INSTANTIATE_TEST_SUITE_P(
    Text, UnicodeToSjis,
    ::testing::Values(
        // Code page 932 itself, where a character has two codes the one the platform writes.
        Case{u"a\\~", "a\\~"}, Case{u"時計", "\x8E\x9E\x8C\x76"}, Case{u"ｱ", "\xB1"},
        Case{u"\uFF5E\u2225\uFF0D\u2015", "\x81\x60\x81\x61\x81\x7C\x81\x5C"}, Case{u"\u2252", "\x81\xE0"},
        Case{u"\u7E8A\u2170", "\xFA\x5C\xFA\x40"}, Case{u"\u2160", "\x87\x54"},
        // The JIS forms: 〜 ‖ − — ¢ £ ¬.
        Case{u"\u301C", "\x81\x60"}, Case{u"\u2016", "\x81\x61"}, Case{u"\u2212", "\x81\x7C"},
        Case{u"\u2014", "\x81\x5C"}, Case{u"\u00A2", "\x81\x91"}, Case{u"\u00A3", "\x81\x92"},
        Case{u"\u00AC", "\x81\xCA"}, Case{u"時計〜", "\x8E\x9E\x8C\x76\x81\x60"},
        // The best-fit table.
        Case{u"café", "cafe"}, Case{u"¥", "\x5C"}, Case{u"©Ö", "cO"}, Case{u"µ", "\x83\xCA"},
        Case{u"\u3094", "\x83\x94"},
        // Nothing has these: one "?" per character, the surrogate pair of an emoji and a lone surrogate too.
        Case{u"a😀b", "a?b"}, Case{u"\u203E\uAC00\u4E02", "???"}, Case{std::u16string(1, u'\xD800') + u"x", "?x"}));

// Every character of code page 932 comes back as a code that stands for that same character.
TEST(UnicodeToSjis, EveryCodePageCharacterRoundTrips)
{
    int checked = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const char16_t c =
                cp932CharacterOfPair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            if (c == kNoCharacter)
                continue;
            const std::string sjis = unicodeToSjis(std::u16string(1, c));
            ASSERT_EQ(sjis.size(), 2u) << std::hex << lead << trail;
            EXPECT_EQ(cp932CharacterOfPair(static_cast<unsigned char>(sjis[0]), static_cast<unsigned char>(sjis[1])),
                      c);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 9604);  // every pair the code page defines, its user-defined area included
}

}  // namespace
