// Editing the keyword tree on show: selection by mouse press, the context menu's commands, the
// double-click search, in-place editing and moving nodes by drag and drop. Nothing here writes a
// file; the tree is stored at the next tab switch, backup or close.
#include "keywords/keyword_tabs.h"
#include "keywords/keyword_tree_keys.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "text/sjis_text.h"
#include "widgets/dialogs.h"
#include "widgets/open_edits.h"
#include "widgets/tab_control.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

namespace {

// Edges of the view, in pixels, within which a drag scrolls the tree by one row per report.
constexpr int kScrollMargin = 15;

// Appends a node with picture 0 as the last child of parent, or as the last top-level node when
// there is no parent; the parent is then expanded with everything below it.
KeywordNode* appendNode(KeywordTreeView& view, KeywordNode* parent, const std::string& bytes)
{
    KeywordNode* node = view.newNode(bytes, 0);
    view.nodes().insertNode(parent, parent ? parent->childCount() : view.topLevelItemCount(), node);
    if (parent)
        view.expandSubtree(parent);
    return node;
}

}  // namespace

void KeywordTabs::setUpEditing()
{
    TreeView1->onTextEdited = [this] { keywordTreeChanged(); };

    guard_.connect(TabControl2, &TabControl::Change, this, &KeywordTabs::TabControl2Change);
    guard_.connect(N24, &QAction::triggered, this, &KeywordTabs::N24Click);
    guard_.connect(N25, &QAction::triggered, this, &KeywordTabs::N25Click);
    guard_.connect(N6, &QAction::triggered, this, &KeywordTabs::N6Click);
    guard_.connect(N7, &QAction::triggered, this, &KeywordTabs::N7Click);
    guard_.connect(N8, &QAction::triggered, this, &KeywordTabs::N8Click);
    guard_.connect(N10, &QAction::triggered, this, &KeywordTabs::N10Click);
    guard_.connect(Yahoo1, &QAction::triggered, this, &KeywordTabs::Yahoo1Click);
    guard_.connect(Bidders1, &QAction::triggered, this, &KeywordTabs::Bidders1Click);
    TreeView1->onMouseDown = [this](Qt::MouseButton button, const QPoint& pos) {
        guard_([&] { TreeView1MouseDown(button, pos); });
    };
    TreeView1->onDoubleClick = [this] { guard_([this] { TreeView1DblClick(); }); };
    TreeView1->onDragOver = [this](const QPoint& pos, bool fromTree) {
        bool accept = false;
        guard_([&] { accept = TreeView1DragOver(pos, fromTree); });
        return accept;
    };
    TreeView1->onDragDrop = [this](const QPoint& pos, bool fromTree) {
        guard_([&] { TreeView1DragDrop(pos, fromTree); });
    };
    connect(TreeView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(TreeView1->viewport()->mapToGlobal(pos)); });
    handleKeywordTreeKeys(
        *TreeView1, {[this] { guard_([this] { TreeView1DblClick(); }); }, [this] { guard_([this] { N8Click(); }); },
                     [this] { guard_([this] { undoRemoval(); }); }});
}

void KeywordTabs::keywordTreeChanged() { file_.release(); }

void KeywordTabs::TreeView1MouseDown(Qt::MouseButton, const QPoint& pos)
{
    TreeView1->selectNode(TreeView1->nodeInRow(pos.y()));
}

void KeywordTabs::N6Click()
{
    const std::string typed = keywordBoxText();
    // Leading blanks would be read back as depth, so the node starts at the first other byte (no
    // Shift-JIS character has a blank as its second byte); a keyword of blanks only is refused
    // like an empty one. The keyword box keeps what was typed, for the search.
    const size_t start = typed.find_first_not_of(" \t");
    if (start == std::string::npos)
        return;
    appendNode(*TreeView1, TreeView1->selectedNode(), typed.substr(start));
    keywordTreeChanged();
}

void KeywordTabs::N7Click()
{
    KeywordNode* node = appendNode(*TreeView1, TreeView1->selectedNode(), toSjis(QStringLiteral("新しいキーワード")));
    keywordTreeChanged();
    TreeView1->selectNode(node);
    TreeView1->editItem(node);
}

void KeywordTabs::N8Click()
{
    KeywordNode* node = TreeView1->selectedNode();
    // The first node is never deleted, wherever the tree happens to be scrolled.
    if (!node || node == TreeView1->topLevelItem(0))
        return;
    if (settings_.MsgKeyDel) {
        const QString question = QStringLiteral("キーワード[") + node->shown() + QStringLiteral("]を削除します。");
        const auto answer = guard_.dialogs().ask(guard_.owner(), QMessageBox::Warning, QStringLiteral("警告"), question,
                                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        if (answer != QMessageBox::Ok)
            return;
    }
    removed_.keep(*TreeView1, node);
    // The view has moved its current row to a neighbour; that node becomes the selected one.
    TreeView1->selectNode(TreeView1->currentItem());
    keywordTreeChanged();
}

void KeywordTabs::undoRemoval()
{
    if (removed_.restoreLast(*TreeView1))
        keywordTreeChanged();
}

void KeywordTabs::N10Click()
{
    KeywordNode* node = TreeView1->selectedNode();
    if (!node)
        return;
    // Only the direct children move; each keeps its own subtree in its own order.
    TreeView1->nodes().sortChildren(node);
    keywordTreeChanged();
}

void KeywordTabs::TreeView1DblClick()
{
    KeywordNode* node = TreeView1->selectedNode();
    if (!node)
        return;
    if (node->parent()) {
        emit searchRequested(KeywordTreeView::itemBytes(node));
        return;
    }
    emit navigateRequested(fromSjis(settings_.URL));
    TreeView1->expandSubtree(node);
}

bool KeywordTabs::TreeView1DragOver(const QPoint& pos, bool fromTreeView1)
{
    const bool accept = fromTreeView1 && TreeView1->nodeInRow(pos.y()) != nullptr;
    if (pos.y() < kScrollMargin)
        TreeView1->scrollByLines(-1);
    else if (TreeView1->viewport()->height() - pos.y() < kScrollMargin)
        TreeView1->scrollByLines(1);
    return accept;
}

void KeywordTabs::TreeView1DragDrop(const QPoint& pos, bool fromTreeView1)
{
    if (!fromTreeView1)
        return;
    KeywordNode* target = TreeView1->nodeInRow(pos.y());
    KeywordNode* dragged = TreeView1->selectedNode();
    if (!target || !dragged || target == dragged)
        return;
    if (liesBelow(target, dragged)) {
        guard_.dialogs().inform(guard_.owner(), QMessageBox::NoIcon, QStringLiteral("警告"),
                                QStringLiteral("その移動はできません"));
        return;
    }
    moveNodeUnder(*TreeView1, dragged, target);
    keywordTreeChanged();
}

// The tree's menu searches take the chosen node's keyword. A tree with no chosen node offers no
// keyword: then nothing happens, and what the user typed stays in the keyword box.
std::optional<std::string> KeywordTabs::chosenKeyword() const
{
    const KeywordNode* node = TreeView1->currentItem();
    if (!node)
        return std::nullopt;
    return KeywordTreeView::itemBytes(node);
}

void KeywordTabs::Yahoo1Click()
{
    if (const auto keyword = chosenKeyword())
        emit yahooSearchRequested(*keyword);
}

void KeywordTabs::Bidders1Click()
{
    if (const auto keyword = chosenKeyword())
        emit biddersSearchRequested(*keyword);
}

void KeywordTabs::commitOpenEdit() { ::commitOpenEdit(*TreeView1); }
