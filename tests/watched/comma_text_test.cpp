#include "watched/comma_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Fields = std::vector<std::string>;

// ソ and 表 in Shift-JIS: both end in 0x5C, the backslash.
const std::string kSo = "\x83\x5c";
const std::string kHyo = "\x95\x5c";
// A lead byte with no trail byte after it: not valid Shift-JIS, yet kept byte for byte.
const std::string kLead = "\x82";

struct WriteCase {
    const char* what;
    Fields fields;
    std::string line;
};

TEST(CommaTextWrite, QuotesExactlyTheFieldsThatNeedIt)
{
    const WriteCase cases[] = {
        {"title and address", {"abc", "about:blank"}, "abc,about:blank"},
        {"blank and comma", {"a b", "x,y"}, R"("a b","x,y")"},
        {"double quotes doubled", {R"(say "hi")", "about:blank"}, R"("say ""hi""",about:blank)"},
        {"lone empty field", {""}, R"("")"},
        {"empty title", {"", "about:blank"}, ",about:blank"},
        {"empty address", {"abc", ""}, "abc,"},
        {"only empty fields", {"", "", ""}, ",,"},
        {"tab, control byte, leading blank", {"a\tb", "\x01", " x"}, "\"a\tb\",\"\x01\",\" x\""},
        {"DEL and high bytes stay plain", {"\x7f", "\xff\x80"}, "\x7f,\xff\x80"},
        {"Shift-JIS stays plain", {kSo + kHyo, "x"}, kSo + kHyo + ",x"},
        {"stray lead byte before a quote", {kLead + "\"", kLead}, "\"" + kLead + "\"\"\"," + kLead},
        {"no fields", {}, ""},
        {"CR, LF and NUL become blanks", {"a\r\nb", "c\0d"s, "\n"}, R"("a  b","c d"," ")"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(writeCommaText(c.fields), c.line);
    }
}

struct ReadCase {
    const char* what;
    std::string line;
    Fields fields;
};

TEST(CommaTextRead, SplitsLinesInEveryForm)
{
    const ReadCase cases[] = {
        {"blanks around a comma", "abc , def", {"abc", "def"}},
        {"empty middle field", "a,,b", {"a", "", "b"}},
        {"comma at the end", "abc,", {"abc", ""}},
        {"comma at the start", ",a", {"", "a"}},
        {"blank between fields", "a b", {"a", "b"}},
        {"quoted field followed at once", R"("a"b)", {"a", "b"}},
        {"two quotes", R"("")", {""}},
        {"doubled quote inside", R"("""")", {"\""}},
        {"quote inside an unquoted field", R"(a"b)", {"a\"b"}},
        {"control bytes around",
         " \t\x01"
         "abc\x1f ",
         {"abc"}},
        {"comma followed by a blank at the end adds nothing", "abc, ", {"abc"}},
        {"empty line", "", {}},
        {"blanks only", " \t ", {}},
        {"unclosed quote takes the rest", R"(a,"b, c""d)", {"a", "b, c\"d"}},
        {"NUL ends the line", "a,b\0,c"s, {"a", "b"}},
        {"stray lead byte before comma and quotes",
         kLead + ",\"" + kLead + "\"\"" + kLead + "\"",
         {kLead, kLead + "\"" + kLead}},
        {"trail byte 0x5C", "\"" + kSo + " " + kHyo + "\"," + kHyo, {kSo + " " + kHyo, kHyo}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readCommaText(c.line), c.fields);
    }
}

TEST(CommaText, ReadsBackWhatItWrites)
{
    const Fields cases[] = {
        {"abc"},
        {""},
        {"", ""},
        {"", "about:blank"},
        {"a b", "x,y", R"(say "hi")"},
        {"title", "address", "third", "fourth field", ""},
        {kSo, kHyo + " " + kSo, "\"" + kHyo + "\"", kSo + kHyo + "," + kSo},
        {kLead, kLead + "\"", kLead + ",", "\x83", "\xfc" + kLead + " "},
        {"\"", ",", " ", "\t\x1f", "\"\""},
        {"\xff\xfe\x80\x7f", "\\"},
    };
    for (const Fields& fields : cases) {
        const std::string line = writeCommaText(fields);
        SCOPED_TRACE(line);
        EXPECT_EQ(readCommaText(line), fields);
    }
}

}  // namespace
