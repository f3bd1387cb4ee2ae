#include "settings/private_profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

using namespace std::string_literals;

namespace {

PrivateProfile withEntry(const std::string& line) { return PrivateProfile::parse("[Sec]\r\n" + line + "\r\n"); }

std::string afterWrite(const std::string& before, std::string_view section, std::string_view key,
                       std::string_view value)
{
    PrivateProfile profile = PrivateProfile::parse(before);
    profile.writeString(section, key, value);
    return profile.toBytes();
}

}  // namespace

TEST(PrivateProfileRead, ValueRules)
{
    struct Case {
        std::string line;
        std::string expected;
    };
    const Case cases[] = {
        {"Key=abc", "abc"},
        {"Key=  abc \t", "abc"},
        {"Key=a b", "a b"},
        {"Key=a=b", "a=b"},
        {"Key=\"abc\"", "abc"},
        {"Key='abc'", "abc"},
        {"Key= \" abc \" ", " abc "},
        {"Key=\"\"x\"\"", "\"x\""},  // only one pair goes
        {"Key=\"abc'", "\"abc'"},    // not a pair
        {"Key=\"", "\""},
        {"Key=", ""},
        {"Key=   ", ""},
        {"Key=\"\"", ""},
        {"key = v", "v"},  // blanks around the key, other letter case
        {"\tKEY\t=v", "v"},
        {"Key=a\0b"s, "a"},  // a NUL ends the value
        {";Key=commented", "dflt"},
        {"  ; Key=commented", "dflt"},
        {"Key", "dflt"},  // no "=": not an entry
        {"Keys=other key", "dflt"},
        {"Ke=other key", "dflt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withEntry(c.line).readString("Sec", "Key", "dflt"), c.expected) << c.line;
}

TEST(PrivateProfileRead, WhichEntryCounts)
{
    struct Case {
        const char* file;
        const char* expected;
    };
    const Case cases[] = {
        {"[Sec]\r\nKey=1\r\nKey=2\r\n", "1"},
        {"[sEC]\r\nKey=1\r\n", "1"},
        {"[ Sec ] trailing\r\nKey=1\r\n", "1"},
        {"Key=0\r\n[Sec]\r\nKey=1\r\n", "1"},  // an entry above every section belongs to none
        {"Key=0\r\n", "dflt"},
        {"[Other]\r\nKey=0\r\n[Sec]\r\nKey=1\r\n", "1"},
        {"[Sec]\r\nA=0\r\n[Other]\r\nKey=0\r\n[SEC]\r\nKey=2\r\n", "2"},  // a repeated section is searched too
        {"[Sec\r\nKey=1\r\n", "dflt"},                                    // no "]": not a section
        {"[Sec]\r\n[Next]\r\nKey=1\r\n", "dflt"},
        {"", "dflt"},
        {"[Sec]", "dflt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrivateProfile::parse(c.file).readString("Sec", "Key", "dflt"), c.expected) << c.file;
}

TEST(PrivateProfileRead, Integers)
{
    struct Case {
        std::string value;
        int expected;
    };
    constexpr int def = 77;
    const Case cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"+12", 12},
        {"-12", -12},
        {"0012", 12},
        {"0", 0},
        {"\"42\"", 42},
        {"0x0C", 12},
        {"0X0c", 12},
        {"$ff", 255},
        {"x10", 16},
        {"X1F", 31},
        {"-0x10", -16},
        {"0x0000000000FF", 255},
        {"0x7FFFFFFF", INT_MAX},
        {"0xFFFFFFFF", -1},
        {"0x80000000", INT_MIN},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        // Everything below falls back to the default.
        {"2147483648", def},
        {"-2147483649", def},
        {"99999999999999999999999", def},
        {"0x100000000", def},
        {"12abc", def},
        {"abc", def},
        {"", def},
        {"-", def},
        {"+", def},
        {"0x", def},
        {"$", def},
        {"1 2", def},
        {"- 5", def},
        {"1.5", def},
        {"++1", def},
        {"0xG", def},
        {"\x82\x4f", def},  // a full-width digit
    };
    for (const Case& c : cases)
        EXPECT_EQ(withEntry("Key=" + c.value).readInteger("Sec", "Key", def), c.expected) << c.value;
    EXPECT_EQ(withEntry("Other=1").readInteger("Sec", "Key", def), def);
}

TEST(PrivateProfileRead, Booleans)
{
    struct Case {
        const char* value;
        bool whenDefaultTrue;
        bool whenDefaultFalse;
    };
    const Case cases[] = {
        {"1", true, true},     {"0", false, false},  {"2", true, true}, {"-1", true, true},
        {"0x0", false, false}, {"abc", true, false}, {"", true, false}, {"1x", true, false},
    };
    for (const Case& c : cases) {
        const PrivateProfile profile = withEntry("Key="s + c.value);
        EXPECT_EQ(profile.readBool("Sec", "Key", true), c.whenDefaultTrue) << c.value;
        EXPECT_EQ(profile.readBool("Sec", "Key", false), c.whenDefaultFalse) << c.value;
    }
}

TEST(PrivateProfileWrite, PlacesLines)
{
    struct Case {
        const char* name;
        std::string before;
        std::string section, key, value;
        std::string after;
    };
    const Case cases[] = {
        {"new file", "", "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"value replaced in place, key spelling and blanks after = kept", "[a]\r\nKEY = old  \r\nX=1\r\n", "A", "key",
         "new", "[a]\r\nKEY = new\r\nX=1\r\n"},
        {"first of two entries replaced", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3", "[A]\r\nk=3\r\nk=2\r\n"},
        {"new key after the last entry, before trailing comment and blank line",
         "[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n; note\r\n\r\n[B]\r\ny=2\r\n"},
        {"section without entries", "[A]\r\n[B]\r\n", "A", "k", "v", "[A]\r\nk=v\r\n[B]\r\n"},
        {"missing section goes to the end", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"last line without a line end gets one", "[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"entry after an unterminated last entry", "[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
        {"LF-only lines stay LF, the new one is CR LF", "[A]\nx=1\n", "A", "y", "2", "[A]\nx=1\ny=2\r\n"},
        {"entry above any section does not count", "k=1\r\n", "A", "k", "2", "k=1\r\n[A]\r\nk=2\r\n"},
        {"key found in a repeated section", "[A]\r\nx=1\r\n[B]\r\n[A]\r\nk=1\r\n", "A", "k", "2",
         "[A]\r\nx=1\r\n[B]\r\n[A]\r\nk=2\r\n"},
        {"new key goes to the first section of the name", "[A]\r\nx=1\r\n[a]\r\ny=1\r\n", "A", "k", "2",
         "[A]\r\nx=1\r\nk=2\r\n[a]\r\ny=1\r\n"},
        {"a value that already reads as written leaves the line alone", "[A]\r\nk = \"5\"  \r\n", "A", "K", "5",
         "[A]\r\nk = \"5\"  \r\n"},
        {"empty value", "[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(afterWrite(c.before, c.section, c.key, c.value), c.after) << c.name;
}

// Whatever the program writes must read back as written and must never add lines of its own.
TEST(PrivateProfileWrite, ValuesReadBackAsWritten)
{
    struct Case {
        std::string value;
        std::string readBack;
    };
    const Case cases[] = {
        {" padded ", " padded "},
        {"\ttab", "\ttab"},
        {"\"quoted\"", "\"quoted\""},
        {"'q'", "'q'"},
        {"\"", "\""},
        {"a\"b", "a\"b"},
        {"\x83\x54\x83\x43\x83\x67 #1", "\x83\x54\x83\x43\x83\x67 #1"},
        // A line end or NUL would end the line early or inject lines: the value stops there.
        {"a\r\n[Form]\r\nTop=9", "a"},
        {"b\nc", "b"},
        {"d\re", "d"},
        {"f\0g"s, "f"},
        {"\r\n", ""},
    };
    for (const Case& c : cases) {
        PrivateProfile profile = PrivateProfile::parse("[A]\r\nk=old\r\n[B]\r\nz=1\r\n");
        profile.writeString("A", "k", c.value);
        const PrivateProfile reread = PrivateProfile::parse(profile.toBytes());
        EXPECT_EQ(reread.readString("A", "k", "dflt"), c.readBack);
        EXPECT_EQ(reread.readString("Form", "Top", "none"), "none");
        EXPECT_EQ(reread.readString("B", "z", ""), "1");
    }
}

TEST(PrivateProfileBytes, ParseThenToBytesIsIdentity)
{
    const std::string files[] = {
        "",
        "\r\n",
        "[A]\r\nk=v",
        "[A]\nk=v\n",
        "[A]\rk=v\r",
        "\n\r\n\r\r\n\n",
        "; comment\r\n\r\n[Unknown]\r\nWhat=ever\r\n",
        "[A]\r\nk=\0v\r\n\0\0\r\n"s,
        "\xEF\xBB\xBF[A]\r\n\x83\x54=\x83\x43\r\n",
    };
    for (const std::string& bytes : files)
        EXPECT_EQ(PrivateProfile::parse(bytes).toBytes(), bytes);
}

TEST(PrivateProfileBadInput, LongValuesAreCutAtACharacterBoundary)
{
    const PrivateProfile plain = withEntry("Key=" + std::string(10000, 'a'));
    EXPECT_EQ(plain.readString("Sec", "Key", ""), std::string(2047, 'a'));

    // The byte at 2047 would be the second half of a double-byte character.
    const std::string split = std::string(2046, 'a') + "\x83\x54" + std::string(50, 'b');
    EXPECT_EQ(withEntry("Key=" + split).readString("Sec", "Key", ""), std::string(2046, 'a'));

    // Quotes go before the cut, so a quoted long value is still unquoted.
    const PrivateProfile quoted = withEntry("Key=\"" + std::string(3000, 'q') + "\"");
    EXPECT_EQ(quoted.readString("Sec", "Key", ""), std::string(2047, 'q'));

    EXPECT_EQ(withEntry("Key=" + std::string(10000, '7')).readInteger("Sec", "Key", 5), 5);
}

TEST(PrivateProfileBadInput, RandomMegabyteNeitherCrashesNorChanges)
{
    std::mt19937 random(20240601);
    std::string bytes(1 << 20, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    PrivateProfile profile = PrivateProfile::parse(bytes);
    EXPECT_EQ(profile.toBytes(), bytes);
    (void)profile.readString("Form", "Top", "");
    (void)profile.readInteger("CoolBar", "Band0ID", -1);

    profile.writeString("Form", "Top", "5");
    const std::string written = profile.toBytes();
    EXPECT_EQ(written.substr(0, bytes.size()), bytes);  // the new lines went to the end
    EXPECT_EQ(PrivateProfile::parse(written).readInteger("Form", "Top", 0), 5);
}
