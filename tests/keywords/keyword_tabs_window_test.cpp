#include "keywords/keyword_tabs.h"
#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "search/search_bar.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QComboBox>
#include <QDir>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>

namespace {

const std::string kFresh = toSjis(QStringLiteral("検索キーワード"));

class KeywordTabs : public FormFixture {
protected:
    KeywordForest shown() { return forestOfView(*formControl<KeywordTreeView>(form(), "TreeView1")); }

    void switchTo(int tab) { formControl<TabControl>(form(), "TabControl2")->setTabIndex(tab); }

    // Registers a keyword under the first node, as the context menu does.
    void registerUnderFirstNode(const std::string& keyword)
    {
        formControl<KeywordTreeView>(form(), "TreeView1")
            ->selectNode(formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0));
        form().searchBar().setKeywordText(keyword);
        formControl<QAction>(form(), "N6")->trigger();
    }
};

TEST_F(KeywordTabs, StartUpShowsTheFirstTabsFileMarkedAndExpanded)
{
    folder.write(".ask", "A\r\n\tB\r\n\t\tC\r\nD\r\n");
    folder.write(".ask2", "other\r\n\ttab\r\n");
    start();
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}, {2, "C"}, {0, "D"}}));
    EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 0);
    KeywordNode* a = formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0);
    EXPECT_EQ(KeywordTreeView::itemPicture(a), 1);
    EXPECT_EQ(KeywordTreeView::itemPicture(a->child(0)), 0);
    EXPECT_EQ(KeywordTreeView::itemPicture(formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(1)), 0);
    EXPECT_TRUE(formControl<KeywordTreeView>(form(), "TreeView1")->isItemExpanded(a));
    EXPECT_TRUE(formControl<KeywordTreeView>(form(), "TreeView1")->isItemExpanded(a->child(0)));
    EXPECT_TRUE(dialogs.shown.empty());
}

// A tab only looked at is not saved again; so each way of changing the tree must still reach the
// file at a tab switch.
TEST_F(KeywordTabs, EveryChangeOfTheTreeReachesItsFileAtATabSwitch)
{
    const std::pair<const char*, std::function<void(KeywordTreeView&)>> changes[] = {
        {"text edited",
         [](KeywordTreeView& view) { view.nodes().setNodeText(view.topLevelItem(0)->child(0), QStringLiteral("Z")); }},
        {"keyword registered", [this](KeywordTreeView&) { registerUnderFirstNode("Y"); }},
        {"node removed", [](KeywordTreeView& view) { removeNode(view, view.topLevelItem(0)->child(1)); }},
        {"children sorted",
         [](KeywordTreeView& view) { view.nodes().sortChildren(view.topLevelItem(0), Qt::DescendingOrder); }},
        {"node moved",
         [](KeywordTreeView& view) { moveNodeUnder(view, view.topLevelItem(0)->child(0), view.topLevelItem(1)); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        folder.write(".ask", "A\r\n\tB\r\n\tC\r\nD\r\n");
        start();
        change(*formControl<KeywordTreeView>(form(), "TreeView1"));
        const KeywordForest changed = shown();
        switchTo(1);
        EXPECT_EQ(readKeywordTree(folder.read(".ask")).nodes, changed);
    }
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
    EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 1);
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
    EXPECT_EQ(KeywordTreeView::itemPicture(formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0)), 1);
    EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 2);

    // Back without editing: tab 2 stays without a file, tab 0 shows what was saved.
    switchTo(0);
    EXPECT_FALSE(folder.exists(".ask3"));
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}, {1, "C"}}));
    EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 0);

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
    formControl<QAction>(form(), "N24")->trigger();
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
    dialogs.answers.push_back(QMessageBox::Yes);
    formControl<QAction>(form(), "N25")->trigger();
    EXPECT_FALSE(folder.exists(".ask2"));
    EXPECT_EQ(folder.read(".ask"), "A\r\n\tB\r\n\tE\r\n");
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}, {1, "E"}}));
    EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 0);
    ASSERT_EQ(dialogs.shown.size(), 1u);  // the restore's question, nothing else
    EXPECT_EQ(dialogs.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST_F(KeywordTabs, RestoreWithoutAnyBackupDeletesNothingAndSaysSo)
{
    folder.write(".ask", "A\r\n\tB\r\n");
    folder.write(".ask2", "C\r\n\tD\r\n");
    folder.write(".ask3", "E\r\n\tF\r\n");
    start();
    formControl<QAction>(form(), "N25")->trigger();
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
    EXPECT_EQ(KeywordTreeView::itemPicture(formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0)), 1);
    ASSERT_EQ(dialogs.errors().size(), 1u);
    EXPECT_EQ(dialogs.errors()[0], QStringLiteral("アイテム \"C\" の階層 (3) が不正です。この行から後の 2 行はツリーに"
                                                  "表示されませんが、失われません。ツリーを保存するときに、"
                                                  "ツリーの後ろにそのまま書き戻します."));

    formControl<QAction>(form(), "N24")->trigger();  // a backup copies the file as it stands
    EXPECT_EQ(folder.read(".ask.bak"), kFaulty);
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask"), kFaulty);
}

// What the file held and the tree could not show, or showed as other characters, is in the file
// again after the user has changed the tree and it was saved.
TEST_F(KeywordTabs, AnEditAndASaveKeepEveryByteTheTreeDidNotChange)
{
    const auto addE = [this] { registerUnderFirstNode("E"); };
    // F2 on the first node's child, End, C, Enter: as the user edits a keyword in place.
    const auto appendC = [this] {
        ASSERT_NO_FATAL_FAILURE(showActive());
        KeywordNode* child = formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0)->child(0);
        input::click(formControl<KeywordTreeView>(form(), "TreeView1")->viewport(), Qt::LeftButton,
                     formControl<KeywordTreeView>(form(), "TreeView1")->visualItemRect(child).center());
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_End})
            input::key(key);
        input::type(QStringLiteral("C"));
        input::key(Qt::Key_Return);
    };
    const struct {
        const char* what;
        std::string file;
        std::function<void()> edit;
        const char* told;  // part of the error shown at start, or nothing
        std::string saved;
    } cases[] = {
        {"depth error: the lines from the faulty one on follow the tree", kFaulty, addE,
         "この行から後の 2 行はツリーに表示されませんが、失われません", "A\r\n\tB\r\n\tE\r\n\t\t\tC\r\n\tD\r\n"},
        // B stays too deep below E (not E's child), as it was below A.
        {"depth error after the first node alone, with other line ends", "A\n\t\tB\n", addE, "この行から後の 1 行",
         "A\r\n\tE\r\n\t\t\tB\n"},
        {"0x7F, which Qt's converter reads as another character",
         "R\r\n\tA\x7f"
         "B\r\n",
         appendC, nullptr,
         "R\r\n\tA\x7f"
         "BC\r\n"},
        {"NEC's copies of characters the code page also holds elsewhere", "R\r\n\t\x87\x90\xed\x40\r\n", appendC,
         nullptr,
         "R\r\n\t\x87\x90\xed\x40"
         "C\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write(".ask", c.file);
        start();
        if (c.told) {
            ASSERT_EQ(dialogs.errors().size(), 1u);
            EXPECT_TRUE(dialogs.errors()[0].contains(QString::fromUtf8(c.told))) << dialogs.errors()[0].toStdString();
        } else {
            EXPECT_TRUE(dialogs.errors().empty());
        }
        c.edit();
        ASSERT_TRUE(closeWindow());
        EXPECT_EQ(folder.read(".ask"), c.saved);
        TearDown();
        dialogs.shown.clear();
    }
}

// A tab whose file cannot be opened is said to be kept, and it is: the tree on show stays the old
// tab's, and its changes go to the old tab's file.
TEST_F(KeywordTabs, AnUnreadableTabFileIsToldToBeKeptAndIsKept)
{
    folder.write(".ask", "A\r\n\tB\r\n");
    std::filesystem::create_symlink("/proc/self/mem", folder.file(".ask2"));
    start();
    switchTo(1);
    ASSERT_EQ(dialogs.errors().size(), 1u);
    EXPECT_EQ(dialogs.errors()[0],
              QStringLiteral("ファイル %1 は開けません。その内容は表示されませんが、ファイルはそのまま"
                             "残ります。内容を変更するまでファイルには書き込みません.")
                  .arg(QString::fromStdString(folder.file(".ask2"))));
    registerUnderFirstNode("E");
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask"), "A\r\n\tB\r\n\tE\r\n");
    EXPECT_EQ(std::filesystem::read_symlink(folder.file(".ask2")), "/proc/self/mem");
}

TEST_F(KeywordTabs, DepthErrorAtTabSwitchNeverReachesAnotherTabsFile)
{
    folder.write(".ask", "A\r\n\tB\r\n");
    folder.write(".ask2", kFaulty);
    start();
    switchTo(1);
    EXPECT_EQ(shown(), (KeywordForest{{0, "A"}, {1, "B"}}));
    EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 1);
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
              QStringLiteral("ファイル %1 を作成できません（その名前でフォルダーが置かれています）.")
                  .arg(QString::fromStdString(folder.file(".ask2"))));
    EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 1);
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->TabIndex(), 2);
    EXPECT_EQ(shown(), (KeywordForest{{0, kFresh}, {1, "X"}}));

    // A restore now shows the tab bar's tab, and later saves go to that tab's file.
    folder.write(".ask.bak", "B\r\n\tb\r\n");
    dialogs.answers.push_back(QMessageBox::Yes);
    formControl<QAction>(form(), "N25")->trigger();
    EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 2);
    registerUnderFirstNode("Y");
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask3"), kFresh + "\r\n\tY\r\n");
}

}  // namespace
