#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "text/sjis_text.h"
#include "widgets/picture_lists.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

KeywordForest chain(int levels)
{
    KeywordForest nodes;
    for (int depth = 0; depth < levels; ++depth)
        nodes.push_back({depth, "k" + std::to_string(depth)});
    return nodes;
}

class TreeViewForest : public ::testing::Test {
protected:
    TreeViewForest() { view.setPictures(keywordTreePictures()); }

    KeywordNode* top(int i) const { return view.topLevelItem(i); }

    KeywordTreeView view;
};

struct RoundTripCase {
    const char* what;
    KeywordForest nodes;
};

TEST_F(TreeViewForest, ShowsEveryForestAndGivesItBackUnchanged)
{
    const RoundTripCase cases[] = {
        {"no node", {}},
        {"first node alone", {{0, "A"}}},
        {"children, grandchildren, second top level", {{0, "A"}, {1, "B"}, {2, "C"}, {1, "D"}, {0, "E"}, {1, "F"}}},
        {"empty texts and blanks inside", {{0, ""}, {1, "a b\t"}, {1, ""}}},
        {"bytes that are not Shift-JIS", {{0, "\x81"}, {1, "\xff\xfe\x80"}, {1, "\x82\xa0\x82"}}},
        // A node keeps short bytes in itself and longer ones apart.
        {"texts either side of what a node keeps in itself",
         {{0, std::string(22, 'a')},
          {1, std::string(23, 'b')},
          {1, std::string(21, 'c') + "\x82"},
          {0, std::string(4000, 'd')}}},
        {"deep chain", chain(3000)},
    };
    for (const RoundTripCase& c : cases) {
        SCOPED_TRACE(c.what);
        showForest(view, c.nodes);
        EXPECT_EQ(forestOfView(view), c.nodes);
        EXPECT_EQ(fileBytesOfView(view).bytes, writeKeywordTree(c.nodes));
        EXPECT_EQ(fileBytesOfView(view).nodes, c.nodes.size());
        // The shown text is what the program's own conversion makes of the bytes, so that the
        // keyword box can tell an unedited keyword and keep its bytes.
        std::vector<const KeywordNode*> pending;
        for (int i = 0; i < view.topLevelItemCount(); ++i)
            pending.push_back(view.topLevelItem(i));
        while (!pending.empty()) {
            const KeywordNode* node = pending.back();
            pending.pop_back();
            EXPECT_EQ(node->shown(), fromSjis(node->bytes()));
            for (int i = 0; i < node->childCount(); ++i)
                pending.push_back(node->child(i));
        }
    }
}

TEST_F(TreeViewForest, TenThousandLevelsLoadMoveAndGoWithoutRecursion)
{
    KeywordForest nodes = chain(10000);
    nodes.push_back({0, "T"});
    showForest(view, nodes);
    KeywordNode* second = top(0)->child(0);
    ASSERT_FALSE(liesBelow(top(1), second));
    ASSERT_TRUE(liesBelow(second->child(0)->child(0), top(0)));

    moveNodeUnder(view, second, top(1));
    const KeywordForest moved = forestOfView(view);
    ASSERT_EQ(moved.size(), nodes.size());
    EXPECT_EQ(moved[1], (KeywordLine{0, "T"}));
    EXPECT_EQ(moved.back(), (KeywordLine{9999, "k9999"}));

    removeNode(view, top(1)->child(0));
    EXPECT_EQ(forestOfView(view), (KeywordForest{{0, "k0"}, {0, "T"}}));
}

// Qt's own checker of the model rules (indexes, parents, counts, the signals around each change)
// follows every kind of change the program makes to the tree on show.
TEST_F(TreeViewForest, EveryChangeKeepsTheModelRules)
{
    QStringList broken;
    static QStringList* report = nullptr;
    report = &broken;
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& message) { report->append(message); });
    {
        QAbstractItemModelTester tester(&view.nodes(), QAbstractItemModelTester::FailureReportingMode::Warning);
        showForest(view, {{0, "R"}, {1, "B"}, {2, "Z"}, {2, "Y"}, {1, "A"}, {0, "S"}});
        view.nodes().insertNode(top(1), 0, view.newNode("N", 0));
        view.nodes().setNodeText(top(0)->child(0), QStringLiteral("C"));
        view.nodes().sortChildren(top(0));
        view.nodes().sortChildren(top(0)->child(1), Qt::DescendingOrder);
        moveNodeUnder(view, top(0)->child(1), top(1)->child(0));
        removeNode(view, top(0)->child(0));
        showForest(view, chain(50));
    }
    qInstallMessageHandler(before);
    EXPECT_TRUE(broken.isEmpty()) << broken.join(u'\n').toStdString();
    EXPECT_EQ(forestOfView(view), chain(50));
}

TEST(KeywordTreeNodeText, BytesFollowTheTextOnlyWhenTheTextChanges)
{
    KeywordTreeView view;
    showForest(view, {{0,
                       "\x81"
                       "abc\xff"}});
    KeywordNode* node = view.topLevelItem(0);
    const QString shown = node->shown();

    view.nodes().setNodeText(node, shown);  // an edit confirmed unchanged
    EXPECT_EQ(KeywordTreeView::itemBytes(node),
              "\x81"
              "abc\xff");

    view.nodes().setNodeText(node, QStringLiteral("ネコ"));
    EXPECT_EQ(KeywordTreeView::itemBytes(node), toSjis(QStringLiteral("ネコ")));

    view.nodes().setNodeText(node, QString());
    EXPECT_EQ(KeywordTreeView::itemBytes(node), "");

    // A line end would split the node in the file; it becomes a space, in the text and the bytes.
    view.nodes().setNodeText(node, QStringLiteral("a\nb\r"));
    EXPECT_EQ(KeywordTreeView::itemBytes(node), "a b ");
    EXPECT_EQ(node->shown(), QStringLiteral("a b "));

    // What code page 932 lacks is kept as typed for the eye; the bytes hold "?" in its place.
    const QString typed = QStringLiteral("𠮷野家の牛丼、大盛りつゆだく");
    view.nodes().setNodeText(node, typed);
    EXPECT_EQ(node->shown(), typed);
    EXPECT_EQ(KeywordTreeView::itemBytes(node), toSjis(typed));
    view.nodes().setNodeBytes(node, "abc");
    EXPECT_EQ(node->shown(), QStringLiteral("abc"));

    KeywordNode* made = view.newNode("x\r\ny\0z"s, 0);
    EXPECT_EQ(KeywordTreeView::itemBytes(made), "x  y z");
    delete made;
}

}  // namespace
