#include "watched/watched_list_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Entries = std::vector<WatchedEntry>;

struct ReadCase {
    const char* what;
    std::string bytes;
    Entries entries;
};

TEST(WatchedListRead, OneEntryPerLineWithFields)
{
    const ReadCase cases[] = {
        {"as written", "abc,about:blank\r\n\"a b\",\"x,y\"\r\n", {{"abc", "about:blank"}, {"a b", "x,y"}}},
        {"LF only", "a,u\nb,v\n", {{"a", "u"}, {"b", "v"}}},
        {"CR only, last line unended", "a,u\rb,v", {{"a", "u"}, {"b", "v"}}},
        {"0-byte file", "", {}},
        {"empty and blank lines make no entry", "a\r\n\r\n \t\r\nb\r\n", {{"a"}, {"b"}}},
        {"lone empty field and title only", "\"\"\r\nt\r\n", {{""}, {"t"}}},
        {"further fields kept", "t,u,x,,y\r\n", {{"t", "u", "x", "", "y"}}},
        {"blanks around commas", "  t , u  \r\n", {{"t", "u"}}},
        {"NUL ends the text", "a\r\nb\0\r\nc\r\n"s, {{"a"}, {"b"}}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readWatchedList(c.bytes), c.entries);
    }
}

struct WriteCase {
    const char* what;
    Entries entries;
    std::string bytes;
};

TEST(WatchedListWrite, EveryEntryTakesExactlyOneLine)
{
    const WriteCase cases[] = {
        {"empty list", {}, ""},
        {"CR LF after every line", {{"abc", "about:blank"}, {""}}, "abc,about:blank\r\n\"\"\r\n"},
        {"entry without fields", {{}, {"a"}}, "\"\"\r\na\r\n"},
        {"line breaks and NUL inside fields", {{"a\nb", "u\r"}, {"c\0"s}}, "\"a b\",\"u \"\r\n\"c \"\r\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(writeWatchedList(c.entries), c.bytes);
    }
}

TEST(WatchedList, ReadsBackWhatItWrites)
{
    const Entries entries = {
        {"abc", "about:blank"},
        {""},
        {"", "about:blank"},
        {"abc", ""},
        {"say \"hi\"", "x,y", "third", ""},
        {"\x83\x5c\x95\x5c", "http://auction-stats.example/item?id=1"},
        {"\x82", "\x82\"", "\x82,"},
    };
    EXPECT_EQ(readWatchedList(writeWatchedList(entries)), entries);
}

}  // namespace
