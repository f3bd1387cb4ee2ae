#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "tests/support/form_fixture.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QComboBox>
#include <QDir>

#include <string>

namespace {

const std::string kFresh = toSjis(QStringLiteral("検索キーワード"));

class KeywordTabs : public FormFixture {
protected:
    KeywordForest shown() { return forestOfView(*form().TreeView1); }

    void switchTo(int tab) { form().TabControl2->setTabIndex(tab); }

    // Registers a keyword under the first node, as the context menu does.
    void registerUnderFirstNode(const std::string& keyword)
    {
        form().TreeView1->selectNode(form().TreeView1->topLevelItem(0));
        form().setKeywordText(keyword);
        form().N6->trigger();
    }
};

TEST_F(KeywordTabs, StartUpShowsTheFirstTabsFileMarkedAndExpanded)
{
    folder.write(".ask", "A\r\n\tB\r\n\t\tC\r\nD\r\n");
    folder.write(".ask2", "other\r\n\ttab\r\n");
    start();
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}, {2, "C"}, {0, "D"}}));
    EXPECT_EQ(form().CurrentKeyTab, 0);
    QTreeWidgetItem* a = form().TreeView1->topLevelItem(0);
    EXPECT_EQ(KeywordTreeView::itemPicture(a), 1);
    EXPECT_EQ(KeywordTreeView::itemPicture(a->child(0)), 0);
    EXPECT_EQ(KeywordTreeView::itemPicture(form().TreeView1->topLevelItem(1)), 0);
    EXPECT_TRUE(a->isExpanded());
    EXPECT_TRUE(a->child(0)->isExpanded());
    EXPECT_TRUE(dialogs.shown.empty());
}

struct CloseCase {
    const char* what;
    bool fileBefore;
    std::string before;
    bool addChild;
    bool fileAfter;
    std::string after;
};

TEST_F(KeywordTabs, CloseStoresTwoOrMoreNodesAndDeletesTheFileOtherwise)
{
    const CloseCase cases[] = {
        {"no file: the built-in tree stays and is not stored", false, "", false, false, ""},
        {"first node with one child", false, "", true, true, kFresh + "\r\n\tY\r\n"},
        {"first node alone", true, "X\r\n", false, false, ""},
        {"file with no line", true, "", false, false, ""},
        {"tree as read, in the program's own form", true, "X\r\n Y\nZ", false, true, "X\r\n\tY\r\nZ\r\n"},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(QString::fromStdString(folder.file(".ask")));
        if (c.fileBefore)
            folder.write(".ask", c.before);
        start();
        if (!c.fileBefore) {
            EXPECT_EQ(shown(), (KeywordForest{{0, kFresh}}));
        }
        if (c.addChild)
            registerUnderFirstNode("Y");
        ASSERT_TRUE(closeWindow());
        EXPECT_EQ(folder.exists(".ask"), c.fileAfter);
        if (c.fileAfter) {
            EXPECT_EQ(folder.read(".ask"), c.after);
        }
    }
}

TEST_F(KeywordTabs, BytesThatAreNotShiftJisSurviveStartTabSwitchAndClose)
{
    // Lone lead bytes, a lead byte with a bad trail byte, and bytes no code page maps.
    const std::string file = "\x81\r\n\t\x82\x20x\r\n\t\t\xff\xfe\r\n\t\x85\x40\xa0\r\n";
    folder.write(".ask", file);
    start();
    switchTo(1);
    EXPECT_EQ(form().CurrentKeyTab, 1);
    switchTo(0);
    EXPECT_EQ(folder.read(".ask"), file);
    EXPECT_FALSE(folder.exists(".ask2"));
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask"), file);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(KeywordTabs, TabSwitchSavesUnderTheOldTabAndShowsTheNewOne)
{
    folder.write(".ask", "A\r\n\tB\r\n");
    start();
    registerUnderFirstNode("C");
    switchTo(2);
    EXPECT_EQ(folder.read(".ask"), "A\r\n\tB\r\n\tC\r\n");
    EXPECT_EQ(shown(), (KeywordForest{{0, kFresh}}));
    EXPECT_EQ(KeywordTreeView::itemPicture(form().TreeView1->topLevelItem(0)), 1);
    EXPECT_EQ(form().CurrentKeyTab, 2);

    // Back without editing: tab 2 stays without a file, tab 0 shows what was saved.
    switchTo(0);
    EXPECT_FALSE(folder.exists(".ask3"));
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}, {1, "C"}}));
    EXPECT_EQ(form().CurrentKeyTab, 0);

    registerUnderFirstNode("D");
    switchTo(1);
    ASSERT_TRUE(folder.exists(".ask"));
    EXPECT_EQ(folder.read(".ask"), "A\r\n\tB\r\n\tC\r\n\tD\r\n");
}

TEST_F(KeywordTabs, BackupIsASnapshotOfTheSetOfFiles)
{
    folder.write(".ask", "A\r\n\tB\r\n");
    folder.write(".ask3", "C\r\n\tD\r\n");
    folder.write(".ask.bak", "old0\r\n");
    folder.write(".ask2.bak", "old1\r\n");
    start();
    registerUnderFirstNode("E");
    form().N24->trigger();
    // The tree on show is saved first, then copied.
    EXPECT_EQ(folder.read(".ask.bak"), "A\r\n\tB\r\n\tE\r\n");
    EXPECT_FALSE(folder.exists(".ask2.bak"));  // tab 1 had no file: its old backup goes
    EXPECT_EQ(folder.read(".ask3.bak"), "C\r\n\tD\r\n");
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}, {1, "E"}}));

    // A restore brings back exactly that set: tab 1's file made in between goes again, and the
    // changes to the tree on show since the last save are dropped.
    switchTo(1);
    registerUnderFirstNode("F");
    switchTo(0);
    ASSERT_TRUE(folder.exists(".ask2"));
    registerUnderFirstNode("G");
    form().N25->trigger();
    EXPECT_FALSE(folder.exists(".ask2"));
    EXPECT_EQ(folder.read(".ask"), "A\r\n\tB\r\n\tE\r\n");
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}, {1, "E"}}));
    EXPECT_EQ(form().CurrentKeyTab, 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(KeywordTabs, RestoreWithoutAnyBackupDeletesNothingAndSaysSo)
{
    folder.write(".ask", "A\r\n\tB\r\n");
    folder.write(".ask2", "C\r\n\tD\r\n");
    folder.write(".ask3", "E\r\n\tF\r\n");
    start();
    form().N25->trigger();
    EXPECT_EQ(folder.read(".ask"), "A\r\n\tB\r\n");
    EXPECT_EQ(folder.read(".ask2"), "C\r\n\tD\r\n");
    EXPECT_EQ(folder.read(".ask3"), "E\r\n\tF\r\n");
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("バックアップがありません")));
}

// A file that stops with the depth error: the tree shows what was read, and the file with its
// unread rest stays until the user changes the tree.
const std::string kFaulty = "A\r\n\tB\r\n\t\t\tC\r\n\tD\r\n";

TEST_F(KeywordTabs, DepthErrorAtStartShowsThePartReadAndKeepsTheFile)
{
    folder.write(".ask", kFaulty);
    start();
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}}));
    EXPECT_EQ(KeywordTreeView::itemPicture(form().TreeView1->topLevelItem(0)), 1);
    ASSERT_EQ(dialogs.errors().size(), 1u);
    EXPECT_EQ(dialogs.errors()[0], QStringLiteral("アイテム \"C\" の階層 (3) が不正です."));

    form().N24->trigger();  // a backup copies the file as it stands
    EXPECT_EQ(folder.read(".ask.bak"), kFaulty);
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask"), kFaulty);
}

TEST_F(KeywordTabs, ChangeAfterTheDepthErrorLetsTheSaveReplaceTheFile)
{
    folder.write(".ask", kFaulty);
    start();
    registerUnderFirstNode("E");
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask"), "A\r\n\tB\r\n\tE\r\n");
}

TEST_F(KeywordTabs, DepthErrorAtTabSwitchNeverReachesAnotherTabsFile)
{
    folder.write(".ask", "A\r\n\tB\r\n");
    folder.write(".ask2", kFaulty);
    start();
    switchTo(1);
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}}));
    EXPECT_EQ(form().CurrentKeyTab, 1);
    ASSERT_EQ(dialogs.errors().size(), 1u);

    switchTo(2);
    switchTo(0);
    EXPECT_EQ(folder.read(".ask2"), kFaulty);
    EXPECT_EQ(folder.read(".ask"), "A\r\n\tB\r\n");
    EXPECT_FALSE(folder.exists(".ask3"));

    // Shown again, the faulty file is read again and reported again.
    switchTo(1);
    EXPECT_EQ(dialogs.errors().size(), 2u);
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask2"), kFaulty);
}

TEST_F(KeywordTabs, SaveFailureAtTabSwitchKeepsTheTreeAndItsTab)
{
    // A folder where tab 1's file belongs: it reads as no file, and cannot be written.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder.file(".ask2"))));
    start();
    switchTo(1);
    EXPECT_EQ(shown(), (KeywordForest{{0, kFresh}}));
    registerUnderFirstNode("X");
    switchTo(2);
    ASSERT_EQ(dialogs.errors().size(), 1u);
    EXPECT_EQ(dialogs.errors()[0],
              QStringLiteral("ファイル %1 を作成できません.").arg(QString::fromStdString(folder.file(".ask2"))));
    EXPECT_EQ(form().CurrentKeyTab, 1);
    EXPECT_EQ(form().TabControl2->TabIndex(), 2);
    EXPECT_EQ(shown(), (KeywordForest{{0, kFresh}, {1, "X"}}));

    // A restore now shows the tab bar's tab, and later saves go to that tab's file.
    folder.write(".ask.bak", "B\r\n\tb\r\n");
    form().N25->trigger();
    EXPECT_EQ(form().CurrentKeyTab, 2);
    registerUnderFirstNode("Y");
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask3"), kFresh + "\r\n\tY\r\n");
}

}  // namespace
