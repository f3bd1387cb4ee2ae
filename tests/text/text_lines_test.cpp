#include "text/text_lines.h"

#include <gtest/gtest.h>

#include <string>

using Lines = std::vector<std::string>;

static Lines split(std::string_view bytes)
{
    Lines out;
    for (auto line : splitLines(bytes))
        out.emplace_back(line);
    return out;
}

TEST(SplitLines, EveryKindOfLineEnd)
{
    EXPECT_EQ(split("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(split("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(split("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(split("a\r\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(split("a\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(split("last line without end"), (Lines{"last line without end"}));
    EXPECT_EQ(split(""), Lines{});
    EXPECT_EQ(split("\r\n"), (Lines{""}));
}

TEST(SplitLines, NulEndsTheText)
{
    EXPECT_EQ(split(std::string_view("a\r\nb\0c\r\nd", 10)), (Lines{"a", "b"}));
    EXPECT_EQ(split(std::string_view("\0abc", 4)), Lines{});
}
