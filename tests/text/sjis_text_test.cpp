// Every character of code page 932 is shown as itself and comes back with its own bytes after an
// edit of the text that holds it; bytes that are no character survive an edit next to them.
#include "text/sjis_text.h"

#include "text/code_page_932.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string hex(const std::string& bytes)
{
    std::string out;
    for (unsigned char b : bytes)
        out += "0123456789ABCDEF"[b >> 4], out += "0123456789ABCDEF"[b & 15], out += ' ';
    return out;
}

TEST(SjisText, EveryCharacterOfCodePage932KeepsItsBytesThroughAnEdit)
{
    std::vector<std::string> characters;
    for (unsigned b = 0; b < 0x100; ++b)
        if (!isSjisLeadByte(b))
            characters.emplace_back(1, static_cast<char>(b));
    const size_t singles = characters.size();
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
            if (cp932CharacterOfPair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)) !=
                kNoCharacter)
                characters.push_back({static_cast<char>(lead), static_cast<char>(trail)});
    ASSERT_EQ(singles, 196u);
    ASSERT_EQ(characters.size() - singles, 9604u);

    for (const std::string& bytes : characters) {
        SCOPED_TRACE(hex(bytes));
        const QString shown = fromSjis(bytes);
        ASSERT_EQ(shown.size(), 1);
        // Converted on its own it is the same character; where the code page has it twice, at the
        // code the platform writes.
        EXPECT_EQ(fromSjis(toSjis(shown)), shown);
        EXPECT_EQ(bytesOfShownText(shown + u'C', bytes), bytes + "C");
        EXPECT_EQ(bytesOfShownText(u'C' + shown, bytes), "C" + bytes);
    }
}

TEST(SjisText, BytesThatAreNoCharacterSurviveAnEditBesideThem)
{
    // A lone lead byte, a lead byte before a byte that is no trail byte, a pair the code page
    // leaves empty.
    for (const std::string bytes : {"x\x81", "\x82 x", "\x85\x40z"}) {
        SCOPED_TRACE(hex(bytes));
        const QString shown = fromSjis(bytes);
        EXPECT_EQ(bytesOfShownText(shown, bytes), bytes);
        EXPECT_EQ(bytesOfShownText(QStringLiteral("前") + shown, bytes), "\x91\x4f" + bytes);
        EXPECT_EQ(bytesOfShownText(shown + u'C', bytes), bytes + "C");
        EXPECT_EQ(bytesOfShownText(QStringLiteral("全部"), bytes), "\x91\x53\x95\x94");
    }
}

}  // namespace
