#include "keywords/keyword_tabs.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "search/search_bar.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

// R, with A (A1 (A11)) and B below it, and a second top-level node T.
const std::string kTree = "R\r\n\tA\r\n\t\tA1\r\n\t\t\tA11\r\n\tB\r\nT\r\n";

class KeywordTreeEditing : public FormFixture {
protected:
    void startWith(const std::string& file)
    {
        folder.write(".ask", file);
        start();
        form().resize(870, 720);
        ASSERT_NO_FATAL_FAILURE(showActive());
    }

    KeywordTreeView& tree() { return *formControl<KeywordTreeView>(form(), "TreeView1"); }
    QWidget* viewport() { return tree().viewport(); }
    KeywordForest shown() { return forestOfView(tree()); }

    // The node at a path of child positions from a top-level position.
    KeywordNode* node(const std::vector<int>& path)
    {
        KeywordNode* item = tree().topLevelItem(path.front());
        for (auto step = path.begin() + 1; step != path.end(); ++step)
            item = item->child(*step);
        return item;
    }

    QPoint textPoint(KeywordNode* item) { return tree().visualItemRect(item).center(); }
    QPoint belowLastRow()
    {
        KeywordNode* last = tree().topLevelItem(tree().topLevelItemCount() - 1);
        while (last->childCount() > 0 && tree().isItemExpanded(last))
            last = last->child(last->childCount() - 1);
        return {20, tree().visualItemRect(last).bottom() + 6};
    }

    // A click through the window; a context menu left open by an earlier right-click is first
    // dismissed with Escape, as the user would.
    void click(Qt::MouseButton button, QPoint at)
    {
        if (QApplication::activePopupWidget())
            input::key(Qt::Key_Escape);
        input::click(viewport(), button, at);
    }

    // Chooses an entry of the open context menu with the mouse.
    void choose(QAction* item)
    {
        QMenu* menu = formControl<QMenu>(form(), "PopupMenu1");
        ASSERT_TRUE(menu->isVisible());
        input::click(menu, Qt::LeftButton, menu->actionGeometry(item).center());
        ASSERT_FALSE(menu->isVisible());
    }

    // Selects the node with a real left click on its text, as the start of a drag does.
    void pressOn(KeywordNode* item)
    {
        click(Qt::LeftButton, belowLastRow());
        click(Qt::LeftButton, textPoint(item));
    }

    QLineEdit* openEditor() { return viewport()->findChild<QLineEdit*>(); }

    // Enter in the editor; the view takes the text over when the event loop next runs.
    void confirm(QLineEdit* editor)
    {
        ASSERT_TRUE(editor->hasFocus());
        input::key(Qt::Key_Return);
        QCoreApplication::processEvents();
    }
};

// ---- Selection by mouse press

TEST_F(KeywordTreeEditing, PressAnywhereInARowSelectsItsNodeAndBelowTheRowsClears)
{
    startWith(kTree);
    KeywordNode* a1 = node({0, 0, 0});  // depth 2, with a child
    const QRect text = tree().visualItemRect(a1);
    const struct {
        const char* where;
        QPoint at;
    } places[] = {
        {"indent", {2, text.center().y()}},
        {"expand button", {text.left() - tree().indentation() / 2, text.center().y()}},
        {"text", text.center()},
        {"right of the text", {viewport()->width() - 3, text.center().y()}},
    };
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        for (const auto& place : places) {
            SCOPED_TRACE(std::string(place.where) + " button " + std::to_string(button));
            click(button, belowLastRow());
            EXPECT_EQ(tree().selectedNode(), nullptr);
            click(button, place.at);
            EXPECT_EQ(tree().selectedNode(), a1);
        }
    }
}

// ---- Register and new keyword

TEST_F(KeywordTreeEditing, RightClickSelectsTheRowAndRegisterAddsTheKeywordBelowIt)
{
    startWith(kTree);
    tree().collapseAll();
    KeywordNode* r = node({0});
    click(Qt::RightButton, {viewport()->width() - 3, textPoint(r).y()});
    form().searchBar().setKeywordText(toSjis(QStringLiteral("ネコ")));
    choose(formControl<QAction>(form(), "N6"));

    EXPECT_EQ(shown(),
              (KeywordForest{
                  {0, "R"}, {1, "A"}, {2, "A1"}, {3, "A11"}, {1, "B"}, {1, toSjis(QStringLiteral("ネコ"))}, {0, "T"}}));
    EXPECT_EQ(KeywordTreeView::itemPicture(node({0, 2})), 0);
    // The node registered under is expanded with everything below it.
    for (KeywordNode* item : {node({0}), node({0, 0}), node({0, 0, 0})})
        EXPECT_TRUE(tree().isItemExpanded(item)) << item->shown().toStdString();
    EXPECT_EQ(tree().selectedNode(), r);
}

TEST_F(KeywordTreeEditing, MenuKeyAndShiftF10OpenTheMenuAtTheSelectedNodeAndActOnIt)
{
    startWith(kTree);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<int> at;
    } gestures[] = {{Qt::Key_Menu, Qt::NoModifier, {0, 1}}, {Qt::Key_F10, Qt::ShiftModifier, {0, 0, 0}}};
    form().searchBar().setKeywordText("K");
    for (const auto& g : gestures) {
        SCOPED_TRACE(g.key);
        KeywordNode* target = node(g.at);
        click(Qt::LeftButton, textPoint(target));
        input::key(g.key, g.modifiers);
        QMenu* menu = formControl<QMenu>(form(), "PopupMenu1");
        ASSERT_TRUE(menu->isVisible());
        const QRect row(viewport()->mapToGlobal(tree().visualItemRect(target).topLeft()),
                        tree().visualItemRect(target).size());
        EXPECT_TRUE(row.contains(menu->geometry().topLeft())) << "the menu opens at the node's row";
        choose(formControl<QAction>(form(), "N6"));
        ASSERT_GT(target->childCount(), 0);
        EXPECT_EQ(KeywordTreeView::itemBytes(target->child(target->childCount() - 1)), "K");
    }
}

TEST_F(KeywordTreeEditing, RightClickBelowTheLastRowThenRegisterAddsATopLevelNode)
{
    startWith(kTree);
    click(Qt::RightButton, belowLastRow());
    form().searchBar().setKeywordText("Z");
    choose(formControl<QAction>(form(), "N6"));
    ASSERT_EQ(tree().topLevelItemCount(), 3);
    EXPECT_EQ(KeywordTreeView::itemBytes(node({2})), "Z");
    EXPECT_EQ(KeywordTreeView::itemPicture(node({2})), 0);
}

// Leading blanks would read back as depth, so they are dropped; a text of blanks only is refused
// like the empty one.
TEST_F(KeywordTreeEditing, RegisterTakesTheKeywordBoxWithoutLeadingBlanksAndRefusesBlankTexts)
{
    startWith("R\r\n");
    const struct {
        const char* what;
        std::string keyword;
        KeywordForest after;
    } cases[] = {
        {"empty", "", {{0, "R"}}},
        {"one space", " ", {{0, "R"}}},
        {"blanks only", " \t ", {{0, "R"}}},
        {"leading blanks", " \tlead x ", {{0, "R"}, {1, "lead x "}}},
        {"twice the same", "K", {{0, "R"}, {1, "lead x "}, {1, "K"}}},
        {"twice the same, again", "K", {{0, "R"}, {1, "lead x "}, {1, "K"}, {1, "K"}}},
        {"bytes that are not Shift-JIS", "\x81\xff", {{0, "R"}, {1, "lead x "}, {1, "K"}, {1, "K"}, {1, "\x81\xff"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        click(Qt::RightButton, textPoint(node({0})));
        form().searchBar().setKeywordText(c.keyword);
        choose(formControl<QAction>(form(), "N6"));
        EXPECT_EQ(shown(), c.after);
    }
}

TEST_F(KeywordTreeEditing, NewKeywordStartsEditingAndTheEditIsStored)
{
    startWith(kTree);
    click(Qt::RightButton, textPoint(node({0, 1})));
    choose(formControl<QAction>(form(), "N7"));
    KeywordNode* made = node({0, 1, 0});
    EXPECT_EQ(KeywordTreeView::itemBytes(made), toSjis(QStringLiteral("新しいキーワード")));
    EXPECT_EQ(KeywordTreeView::itemPicture(made), 0);
    EXPECT_EQ(tree().selectedNode(), made);
    QLineEdit* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("新しいキーワード"));
    input::key(Qt::Key_A, Qt::ControlModifier);
    input::type(QStringLiteral("イヌ"));
    confirm(editor);
    EXPECT_EQ(KeywordTreeView::itemBytes(made), toSjis(QStringLiteral("イヌ")));

    // With nothing selected the new node is the last top-level node.
    click(Qt::RightButton, belowLastRow());
    choose(formControl<QAction>(form(), "N7"));
    ASSERT_EQ(tree().topLevelItemCount(), 3);
    editor = openEditor();
    ASSERT_NE(editor, nullptr);
    input::key(Qt::Key_Escape);
    EXPECT_EQ(KeywordTreeView::itemBytes(node({2})), toSjis(QStringLiteral("新しいキーワード")));
}

TEST_F(KeywordTreeEditing, ClickOnTheSelectedFirstNodeEditsItAndAnEmptyTextIsKept)
{
    startWith(kTree);
    pressOn(node({0}));
    // The click that selects a node does not edit it.
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    EXPECT_EQ(openEditor(), nullptr);
    click(Qt::LeftButton, textPoint(node({0})));
    QTRY_VERIFY(openEditor() != nullptr && openEditor()->isVisible());
    QLineEdit* editor = openEditor();
    input::key(Qt::Key_A, Qt::ControlModifier);
    input::key(Qt::Key_Backspace);
    confirm(editor);
    EXPECT_EQ(KeywordTreeView::itemBytes(node({0})), "");
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask"), "\r\n\tA\r\n\t\tA1\r\n\t\t\tA11\r\n\tB\r\nT\r\n");
}

// ---- Delete

TEST_F(KeywordTreeEditing, DeleteAsksOnceNamingTheNodeAndHonoursTheAnswer)
{
    const KeywordForest kept = {{0, "R"}, {1, "A"}, {2, "A1"}, {3, "A11"}, {1, "B"}, {0, "T"}};
    const KeywordForest gone = {{0, "R"}, {1, "B"}, {0, "T"}};
    const struct {
        const char* what;
        bool ask;
        QMessageBox::StandardButton answer;
        size_t questions;
        KeywordForest after;
    } cases[] = {
        {"asked, OK", true, QMessageBox::Ok, 1, gone},
        {"asked, cancelled", true, QMessageBox::Cancel, 1, kept},
        {"not asked", false, QMessageBox::NoButton, 0, gone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.shown.clear();
        startWith(kTree);
        form().Settings.MsgKeyDel = c.ask;
        if (c.answer != QMessageBox::NoButton)
            dialogs.answers.push_back(c.answer);
        click(Qt::RightButton, textPoint(node({0, 0})));
        choose(formControl<QAction>(form(), "N8"));
        EXPECT_EQ(shown(), c.after);
        ASSERT_EQ(dialogs.shown.size(), c.questions);
        if (c.questions == 0)
            continue;
        const ShownBox& box = dialogs.shown[0];
        EXPECT_EQ(box.icon, QMessageBox::Warning);
        EXPECT_EQ(box.caption, QStringLiteral("警告"));
        EXPECT_EQ(box.text, QStringLiteral("キーワード[A]を削除します。"));
        EXPECT_EQ(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(box.defaultButton, QMessageBox::Ok);
    }
}

TEST_F(KeywordTreeEditing, DeleteRefusesTheFirstNodeWhereverTheTreeIsScrolled)
{
    std::string file = "R\r\n";
    for (int i = 0; i < 80; ++i)
        file += "\tk" + std::to_string(i) + "\r\n";
    startWith(file);
    form().Settings.MsgKeyDel = false;

    // Scrolled: the keyword in the top row can go.
    tree().verticalScrollBar()->setValue(10);
    click(Qt::LeftButton, {30, 3});
    ASSERT_EQ(tree().selectedNode(), node({0, 9}));
    input::key(Qt::Key_F10, Qt::ShiftModifier);
    choose(formControl<QAction>(form(), "N8"));
    EXPECT_EQ(node({0})->childCount(), 79);
    EXPECT_EQ(KeywordTreeView::itemBytes(node({0, 9})), "k10");

    // The first node stays, scrolled out of sight or in the top row.
    tree().selectNode(node({0}));
    tree().verticalScrollBar()->setValue(10);
    input::key(Qt::Key_Menu);
    choose(formControl<QAction>(form(), "N8"));
    tree().verticalScrollBar()->setValue(0);
    click(Qt::RightButton, textPoint(node({0})));
    choose(formControl<QAction>(form(), "N8"));
    EXPECT_EQ(shown().size(), 80u);
    EXPECT_TRUE(dialogs.shown.empty());
}

// ---- Sort and double-click

TEST_F(KeywordTreeEditing, SortOrdersOnlyTheDirectChildren)
{
    startWith("R\r\n\tB\r\n\t\tZ\r\n\t\tY\r\n\tA\r\n");
    click(Qt::RightButton, textPoint(node({0})));
    choose(formControl<QAction>(form(), "N10"));
    EXPECT_EQ(shown(), (KeywordForest{{0, "R"}, {1, "A"}, {1, "B"}, {2, "Z"}, {2, "Y"}}));
    EXPECT_EQ(tree().selectedNode(), node({0}));
    // B's open state moved with it, and the rows are drawn in the new order.
    EXPECT_TRUE(tree().isItemExpanded(node({0, 1})));
    EXPECT_EQ(tree().nodeInRow(tree().visualItemRect(node({0, 1})).bottom() + 2), node({0, 1, 0}));
}

TEST_F(KeywordTreeEditing, DoubleClickSearchesAKeywordAndOpensTheSiteForATopLevelNode)
{
    startWith(kTree);
    form().Settings.URL = "http://auction-stats.example/";
    form().Settings.SoubaCheck = "closed?q=$KEY$";
    input::doubleClick(viewport(), textPoint(node({0, 0, 0})));
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->currentText(), QStringLiteral("A1"));
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://auction-stats.example/closed?q=A1"));

    tree().collapseAll();
    input::doubleClick(viewport(), textPoint(node({0})));
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://auction-stats.example/"));
    for (KeywordNode* item : {node({0}), node({0, 0}), node({0, 0, 0})})
        EXPECT_TRUE(tree().isItemExpanded(item)) << item->shown().toStdString();
}

// ---- Drag and drop

TEST_F(KeywordTreeEditing, DropMovesUnderTheTargetOrRefusesAMoveIntoItsOwnSubtree)
{
    const KeywordForest unchanged = {{0, "R"}, {1, "A"}, {2, "A1"}, {3, "A11"}, {1, "B"}, {0, "T"}};
    const struct {
        const char* what;
        std::vector<int> dragged;
        std::vector<int> target;
        KeywordForest after;
        std::vector<int> selectedAfter;
        bool refused;
    } cases[] = {
        {"onto its parent",
         {0, 0},
         {0},
         {{0, "R"}, {1, "B"}, {1, "A"}, {2, "A1"}, {3, "A11"}, {0, "T"}},
         {0, 1},
         false},
        {"onto its grandchild", {0, 0}, {0, 0, 0, 0}, unchanged, {0, 0}, true},
        {"onto itself", {0, 0}, {0, 0}, unchanged, {0, 0}, false},
        {"onto a node elsewhere",
         {0, 0, 0},
         {0, 1},
         {{0, "R"}, {1, "A"}, {1, "B"}, {2, "A1"}, {3, "A11"}, {0, "T"}},
         {0, 1, 0},
         false},
        {"first node onto another top-level node",
         {0},
         {1},
         {{0, "T"}, {1, "R"}, {2, "A"}, {3, "A1"}, {4, "A11"}, {2, "B"}},
         {0, 0},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.shown.clear();
        startWith(kTree);
        pressOn(node(c.dragged));
        const QPoint at = textPoint(node(c.target));
        EXPECT_TRUE(form().keywordTabs().TreeView1DragOver(at, true));
        form().keywordTabs().TreeView1DragDrop(at, true);

        EXPECT_EQ(shown(), c.after);
        KeywordNode* selected = node(c.selectedAfter);
        EXPECT_EQ(tree().selectedNode(), selected);
        EXPECT_TRUE(selected->childCount() == 0 || tree().isItemExpanded(selected));
        ASSERT_EQ(dialogs.shown.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(dialogs.shown[0].icon, QMessageBox::NoIcon);
            EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("警告"));
            EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("その移動はできません"));
        }
    }
    // The first node carried its picture to its new place.
    EXPECT_EQ(KeywordTreeView::itemPicture(node({0, 0})), 1);
}

TEST_F(KeywordTreeEditing, DropEventsOnTheViewportMoveTheNodeOnceAndHighlightTheTarget)
{
    startWith(kTree);
    pressOn(node({0, 0}));
    const QPoint at = textPoint(node({1}));

    // A drag from elsewhere is refused and changes nothing.
    QMimeData foreign;
    foreign.setText(QStringLiteral("A"));
    QDragEnterEvent foreignEnter(at, Qt::CopyAction | Qt::MoveAction, &foreign, Qt::LeftButton, {});
    QApplication::sendEvent(viewport(), &foreignEnter);
    QDragMoveEvent foreignMove(at, Qt::CopyAction | Qt::MoveAction, &foreign, Qt::LeftButton, {});
    QApplication::sendEvent(viewport(), &foreignMove);
    EXPECT_FALSE(foreignMove.isAccepted());
    EXPECT_EQ(tree().dropTarget(), nullptr);
    QDropEvent foreignDrop(at, Qt::CopyAction | Qt::MoveAction, &foreign, Qt::LeftButton, {});
    QApplication::sendEvent(viewport(), &foreignDrop);
    EXPECT_EQ(shown().size(), 6u);
    EXPECT_EQ(node({0, 0})->shown(), QStringLiteral("A"));

    // The view's own drag: the target row is highlighted while hovering, and the drop moves A.
    std::unique_ptr<QMimeData> own(tree().nodeDragData());
    QDragEnterEvent enter(textPoint(node({0, 1})), Qt::MoveAction, own.get(), Qt::LeftButton, {});
    QApplication::sendEvent(viewport(), &enter);
    EXPECT_EQ(tree().dropTarget(), node({0, 1}));
    QDragMoveEvent move(at, Qt::MoveAction, own.get(), Qt::LeftButton, {});
    QApplication::sendEvent(viewport(), &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(tree().dropTarget(), node({1}));
    QDropEvent drop(at, Qt::MoveAction, own.get(), Qt::LeftButton, {});
    QApplication::sendEvent(viewport(), &drop);

    EXPECT_EQ(tree().dropTarget(), nullptr);
    EXPECT_EQ(shown(), (KeywordForest{{0, "R"}, {1, "B"}, {0, "T"}, {1, "A"}, {2, "A1"}, {3, "A11"}}));
    EXPECT_EQ(tree().selectedNode(), node({1, 0}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(KeywordTreeEditing, DragNearTheEdgesScrollsOneRowPerReport)
{
    std::string file = "R\r\n";
    for (int i = 0; i < 80; ++i)
        file += "\tk" + std::to_string(i) + "\r\n";
    startWith(file);
    QScrollBar* bar = tree().verticalScrollBar();
    bar->setValue(20);
    const int height = viewport()->height();
    const struct {
        const char* what;
        int y;
        bool fromTree;
        int scrolledTo;
        bool accepted;
    } reports[] = {
        {"top edge", 14, true, 19, true},
        {"top edge again", 0, true, 18, true},
        {"middle", height / 2, true, 18, true},
        {"just outside the top margin", 15, true, 18, true},
        {"bottom edge", height - 14, true, 19, true},
        {"just outside the bottom margin", height - 15, true, 19, true},
        {"top edge, drag from elsewhere", 5, false, 18, false},
    };
    for (const auto& r : reports) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(form().keywordTabs().TreeView1DragOver({30, r.y}, r.fromTree), r.accepted);
        EXPECT_EQ(bar->value(), r.scrolledTo);
    }
}

TEST_F(KeywordTreeEditing, DropBelowTheLastRowIsNotAccepted)
{
    startWith(kTree);
    pressOn(node({0, 0}));
    EXPECT_FALSE(form().keywordTabs().TreeView1DragOver(belowLastRow(), true));
    form().keywordTabs().TreeView1DragDrop(belowLastRow(), true);
    EXPECT_EQ(shown().size(), 6u);
    EXPECT_EQ(tree().selectedNode(), node({0, 0}));
}

TEST_F(KeywordTreeEditing, DeleteKeyDeletesAsTheMenuDoesAndCtrlZPutsBackWhatWentLastFirst)
{
    const KeywordForest withoutA = {{0, "R"}, {1, "B"}, {0, "T"}};
    const KeywordForest onlyR = {{0, "R"}, {0, "T"}};
    const struct {
        const char* what;
        std::vector<std::vector<int>> deleted;  // in turn, each by Delete on the node
        std::vector<QMessageBox::StandardButton> answers;
        KeywordForest afterDeletes, afterOneUndo;
    } cases[] = {
        {"a subtree, asked and OK", {{0, 0}}, {QMessageBox::Ok}, withoutA, {}},
        {"asked and cancelled", {{0, 0}}, {QMessageBox::Cancel}, {}, {}},
        {"two in turn",
         {{0, 1}, {0, 0}},
         {QMessageBox::Ok, QMessageBox::Ok},
         onlyR,
         {{0, "R"}, {1, "A"}, {2, "A1"}, {3, "A11"}, {0, "T"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startWith(kTree);
        const KeywordForest before = shown();
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        for (const auto& path : c.deleted) {
            click(Qt::LeftButton, textPoint(node(path)));
            input::key(Qt::Key_Delete);
        }
        EXPECT_EQ(shown(), c.afterDeletes.empty() ? before : c.afterDeletes);
        input::key(Qt::Key_Z, Qt::ControlModifier);
        if (!c.afterOneUndo.empty()) {
            EXPECT_EQ(shown(), c.afterOneUndo);
            input::key(Qt::Key_Z, Qt::ControlModifier);
        }
        EXPECT_EQ(shown(), before);
        input::key(Qt::Key_Z, Qt::ControlModifier);  // nothing more to bring back
        EXPECT_EQ(shown(), before);
        ASSERT_TRUE(closeWindow());
        EXPECT_EQ(folder.read(".ask"), kTree);
    }

    // The menu's access key deletes too, and a tab switch leaves nothing to bring back into
    // another tab's tree.
    startWith(kTree);
    form().Settings.MsgKeyDel = false;
    click(Qt::RightButton, textPoint(node({0, 1})));
    input::key(Qt::Key_D);
    EXPECT_EQ(shown(), (KeywordForest{{0, "R"}, {1, "A"}, {2, "A1"}, {3, "A11"}, {0, "T"}}));
    formControl<TabControl>(form(), "TabControl2")->setTabIndex(1);
    input::click(viewport(), Qt::LeftButton, {20, 5});
    input::key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown(), (KeywordForest{{0, toSjis(QStringLiteral("検索キーワード"))}}));
}

}  // namespace
