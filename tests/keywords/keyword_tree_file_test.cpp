#include "keywords/keyword_tree_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// 検索キーワード in Shift-JIS.
const std::string kSearchKeywords = "\x8c\x9f\x8d\xf5\x83\x4c\x81\x5b\x83\x8f\x81\x5b\x83\x68";

struct ReadCase {
    const char* what;
    std::string bytes;
    KeywordForest expected;
};

TEST(KeywordTreeRead, PlacesEveryLineAtItsDepth)
{
    const ReadCase cases[] = {
        {"tabbed first line is top level", "\tX\r\n\tY\r\n", {{0, "X"}, {1, "Y"}}},
        {"deep first line is top level", "\t\t\tX\r\n\tY\r\n", {{0, "X"}, {1, "Y"}}},
        {"space is a level", "A\r\n B\r\n", {{0, "A"}, {1, "B"}}},
        {"grandchild then new top level", "A\r\n\tB\r\n\t\tC\r\nD\r\n", {{0, "A"}, {1, "B"}, {2, "C"}, {0, "D"}}},
        {"climbs several levels",
         "A\r\n\tB\r\n\t\tC\r\n\t\t\tD\r\n\tE\r\n",
         {{0, "A"}, {1, "B"}, {2, "C"}, {3, "D"}, {1, "E"}}},
        {"empty line starts a top-level node", "A\r\n\tB\r\n\r\n\tC\r\n", {{0, "A"}, {1, "B"}, {0, ""}, {1, "C"}}},
        {"LF only", "A\n\tB\n\t\tC\nD\n", {{0, "A"}, {1, "B"}, {2, "C"}, {0, "D"}}},
        {"CR only, last line unended", "A\r\tB\r\t\tC\rD", {{0, "A"}, {1, "B"}, {2, "C"}, {0, "D"}}},
        {"no line", "", {}},
        {"NUL ends the text", "A\r\n\tB\0\tjunk\r\n"s, {{0, "A"}, {1, "B"}}},
        {"blanks only give an empty text at their depth", "A\r\n\tB\r\n \t\r\n", {{0, "A"}, {1, "B"}, {2, ""}}},
        {"inner and trailing blanks and full-width space stay",
         "A\r\n\t\x81\x40"
         "B C \t\r\n \x81\x40\r\n",
         {{0, "A"},
          {1,
           "\x81\x40"
           "B C \t"},
          {1, "\x81\x40"}}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const KeywordTreeReadResult result = readKeywordTree(c.bytes);
        EXPECT_EQ(result.nodes, c.expected);
        EXPECT_FALSE(result.error.has_value());
    }
}

struct DepthErrorCase {
    const char* what;
    std::string bytes;
    KeywordForest kept;
    int depth;
    std::string text;
    std::string unplaced;  // the file from the faulty line on, as it stands
    size_t unplacedLines;
};

TEST(KeywordTreeRead, LineTooDeepStopsWithTheNodesBeforeItKept)
{
    const DepthErrorCase cases[] = {
        {"two levels below a top-level node", "A\r\n\t\tB\r\nC\r\n", {{0, "A"}}, 2, "B", "\t\tB\r\nC\r\n", 2},
        {"mixed blanks, text keeps its inner blank",
         "A\r\n\tB\r\n\t \t\t X Y\r\n",
         {{0, "A"}, {1, "B"}},
         5,
         "X Y",
         "\t \t\t X Y\r\n",
         1},
        {"measured against the real depth of a deep first line",
         "\t\t\tX\r\n\t\tY\r\n",
         {{0, "X"}},
         2,
         "Y",
         "\t\tY\r\n",
         1},
        {"other line ends, no end at the end, text after a NUL",
         std::string("A\r\t\tB\nC\rD\0E", 11),
         {{0, "A"}},
         2,
         "B",
         std::string("\t\tB\nC\rD\0E", 9),
         3},
    };
    for (const DepthErrorCase& c : cases) {
        SCOPED_TRACE(c.what);
        const KeywordTreeReadResult result = readKeywordTree(c.bytes);
        EXPECT_EQ(result.nodes, c.kept);
        ASSERT_TRUE(result.error.has_value());
        EXPECT_EQ(result.error->depth, c.depth);
        EXPECT_EQ(result.error->text, c.text);
        EXPECT_EQ(result.error->unplacedLineCount, c.unplacedLines);
        EXPECT_EQ(result.unplacedLines, c.unplaced);
        EXPECT_EQ(writeKeywordTree(result.nodes, result.unplacedLines), writeKeywordTree(c.kept) + c.unplaced);
    }
}

TEST(KeywordTreeWrite, TabPerLevelAndCrLfAfterEveryLine)
{
    const KeywordForest tree = {{0, kSearchKeywords}, {1, "A"}, {2, "A1"}, {1, "B"}};
    EXPECT_EQ(writeKeywordTree(tree), kSearchKeywords + "\r\n\tA\r\n\t\tA1\r\n\tB\r\n");
    EXPECT_EQ(writeKeywordTree({{0, kSearchKeywords}, {1, ""}}), kSearchKeywords + "\r\n\t\r\n");
    EXPECT_EQ(writeKeywordTree({}), "");
}

TEST(KeywordTreeRoundTrip, WrittenTreeReadsBackUnchanged)
{
    const KeywordForest tree = {
        {0, kSearchKeywords},
        {1, "\x81"},                  // a lead byte with no trail byte
        {2, "\x80\xff\xa0\xfd\xfe"},  // bytes outside Shift-JIS
        {2, ""},
        {1,
         "\x81\x40"
         "lead full-width"},
        {0, "inner  and trailing \t "},
        {1, "\x83\x5c"},  // a trail byte that is a backslash
    };
    const KeywordTreeReadResult result = readKeywordTree(writeKeywordTree(tree));
    EXPECT_EQ(result.nodes, tree);
    EXPECT_FALSE(result.error.has_value());
}

TEST(KeywordTreeRoundTrip, LeadingBlankOfATextBecomesDepth)
{
    const KeywordTreeReadResult deeper = readKeywordTree(writeKeywordTree({{0, "A"}, {1, "B"}, {1, " C"}}));
    EXPECT_EQ(deeper.nodes, (KeywordForest{{0, "A"}, {1, "B"}, {2, "C"}}));
    EXPECT_FALSE(deeper.error.has_value());

    const KeywordTreeReadResult stopped = readKeywordTree(writeKeywordTree({{0, "A"}, {1, " B"}, {1, "C"}}));
    EXPECT_EQ(stopped.nodes, (KeywordForest{{0, "A"}}));
    ASSERT_TRUE(stopped.error.has_value());
    EXPECT_EQ(stopped.error->depth, 2);
    EXPECT_EQ(stopped.error->text, "B");
}

TEST(KeywordTreeRoundTrip, TenThousandLevelChain)
{
    KeywordForest chain;
    for (int depth = 0; depth < 10000; ++depth)
        chain.push_back({depth, "k" + std::to_string(depth)});
    const std::string bytes = writeKeywordTree(chain);
    EXPECT_EQ(bytes.substr(bytes.size() - 9999 - 7), std::string(9999, '\t') + "k9999\r\n");
    const KeywordTreeReadResult result = readKeywordTree(bytes);
    EXPECT_EQ(result.nodes, chain);
    EXPECT_FALSE(result.error.has_value());
}

// A, B (with B1, B2 (with B21)), C
const KeywordForest kForest = {{0, "A"}, {0, "B"}, {1, "B1"}, {1, "B2"}, {2, "B21"}, {0, "C"}};

TEST(KeywordForest, SubtreeMembership)
{
    struct Case {
        size_t ancestor, node;
        bool inside;
    } const cases[] = {
        {1, 1, true}, {1, 2, true},  {1, 4, true},  {1, 5, false}, {1, 0, false}, {2, 3, false},
        {3, 4, true}, {4, 3, false}, {0, 1, false}, {1, 6, false}, {6, 6, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ancestor << " over " << c.node);
        EXPECT_EQ(isInSubtree(kForest, c.ancestor, c.node), c.inside);
    }
    EXPECT_EQ(subtreeEnd(kForest, 0), 1u);
    EXPECT_EQ(subtreeEnd(kForest, 1), 5u);
    EXPECT_EQ(subtreeEnd(kForest, 3), 5u);
    EXPECT_EQ(subtreeEnd(kForest, 5), 6u);
}

TEST(KeywordForest, WellFormedDepths)
{
    EXPECT_TRUE(isWellFormedForest(kForest));
    EXPECT_TRUE(isWellFormedForest({}));
    EXPECT_FALSE(isWellFormedForest({{1, "A"}}));
    EXPECT_FALSE(isWellFormedForest({{0, "A"}, {2, "B"}}));
    EXPECT_FALSE(isWellFormedForest({{0, "A"}, {-1, "B"}}));
}

}  // namespace
