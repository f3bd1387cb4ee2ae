// Saved keywords and watched pages searched from the keyboard: Enter on a tree node or a watched
// row does what its double-click does, the menu keys open the tree's menu at the node with the
// keyboard's mark, and Enter presses a band button that has the focus.
#include "keywords/keyword_tree_view.h"
#include "search/search_bar.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "watched/auction_list_view.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace {

const QString kBase = QStringLiteral("http://auction-stats.example/");

class KeyboardSearch : public FormFixture {
protected:
    void startShown()
    {
        folder.write(".ask", "R\r\n\tA\r\n");
        folder.write(".fal", "first,http://watched.example/1\r\n");
        start();
        form().resize(870, 720);
        form().show();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
        SettingsValues& s = form().Settings;
        s.URL = kBase.toStdString();
        s.SoubaCheck = "search?q=$KEY$";
        s.YahooURL = "http://yahoo-auction.example/?p=$KEY$";
        formControl<KeywordTreeView>(form(), "TreeView1")->expandAll();
    }

    // The node and row as Tab leaves them: marked current, not selected.
    void tabInto(QAbstractItemView* view, const QModelIndex& index)
    {
        view->selectionModel()->clearSelection();
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        view->setFocus(Qt::TabFocusReason);
    }
};

}  // namespace

TEST_F(KeyboardSearch, EnterAndTheMenuKeysActOnWhatHasTheKeyboard)
{
    startShown();
    KeywordTreeView& tree = *formControl<KeywordTreeView>(form(), "TreeView1");
    AuctionListView& list = *formControl<AuctionListView>(form(), "FavAucList");
    KeywordNode* root = tree.topLevelItem(0);
    KeywordNode* a = root->child(0);
    const auto nodeIndex = [&](KeywordNode* node) { return tree.indexFromItem(node); };
    const auto toWatchedRow = [&] { tabInto(&list, list.model()->index(0, 1)); };
    const auto toYahoo = [&] { formControl<QToolButton>(form(), "ToolButton5")->setFocus(Qt::TabFocusReason); };
    const struct {
        const char* what;
        std::function<void()> focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString navigation;             // empty: none
        KeywordNode* menuAt = nullptr;  // the tree's menu opens at this node
    } cases[] = {
        {"Enter on a keyword", [&] { tabInto(&tree, nodeIndex(a)); }, Qt::Key_Return, {}, kBase + "search?q=A"},
        {"Enter in a node's editor", [&] { tree.editItem(a); }, Qt::Key_Return, {}, {}},
        {"Shift+F10 on a node", [&] { tabInto(&tree, nodeIndex(a)); }, Qt::Key_F10, Qt::ShiftModifier, {}, a},
        {"the Menu key on a node", [&] { tabInto(&tree, nodeIndex(root)); }, Qt::Key_Menu, {}, {}, root},
        {"Enter on a watched row", toWatchedRow, Qt::Key_Enter, {}, "http://watched.example/1"},
        {"Enter in a title's editor", [&] { list.editItem(list.item(0, 0)); }, Qt::Key_Return, {}, {}},
        {"Enter on Yahoo!オークション", toYahoo, Qt::Key_Return, {}, "http://yahoo-auction.example/?p=kw"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        form().searchBar().setKeywordText("kw");
        browser->navigations.clear();
        c.focus();
        input::key(c.key, c.modifiers);
        QApplication::processEvents();  // an editor hands its text over once back in the loop
        EXPECT_EQ(browser->navigations, c.navigation.isEmpty() ? QStringList() : QStringList{c.navigation});
        QMenu* menu = formControl<QMenu>(form(), "PopupMenu1");
        EXPECT_EQ(menu->isVisible(), c.menuAt != nullptr);
        if (!c.menuAt)
            continue;
        const QRect row = tree.visualItemRect(c.menuAt);
        EXPECT_TRUE(QRect(tree.viewport()->mapToGlobal(row.topLeft()), row.size()).contains(menu->pos()));
        EXPECT_EQ(tree.selectedNode(), c.menuAt) << "the menu's commands act on the node";
        input::key(Qt::Key_Escape);
    }
}
