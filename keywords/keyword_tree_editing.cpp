// Editing the keyword tree on show: selection by mouse press, the context menu's commands, the
// double-click search, in-place editing and moving nodes by drag and drop. Nothing here writes a
// file; the tree is stored at the next tab switch, backup or close.
#include "app/main_window.h"
#include "keywords/keyword_tree_keys.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "text/sjis_text.h"
#include "widgets/dialogs.h"
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

void TForm1::setUpKeywordTree()
{
    TreeView1->onTextEdited = [this] { keywordTreeChanged(); };

    connectHandler(TabControl2, &TabControl::Change, &TForm1::TabControl2Change);
    connectHandler(N24, &QAction::triggered, &TForm1::N24Click);
    connectHandler(N25, &QAction::triggered, &TForm1::N25Click);
    connectHandler(N6, &QAction::triggered, &TForm1::N6Click);
    connectHandler(N7, &QAction::triggered, &TForm1::N7Click);
    connectHandler(N8, &QAction::triggered, &TForm1::N8Click);
    connectHandler(N10, &QAction::triggered, &TForm1::N10Click);
    TreeView1->onMouseDown = [this](Qt::MouseButton button, const QPoint& pos) {
        guarded([&] { TreeView1MouseDown(button, pos); });
    };
    TreeView1->onDoubleClick = [this] { guarded([this] { TreeView1DblClick(); }); };
    TreeView1->onDragOver = [this](const QPoint& pos, bool fromTree) {
        bool accept = false;
        guarded([&] { accept = TreeView1DragOver(pos, fromTree); });
        return accept;
    };
    TreeView1->onDragDrop = [this](const QPoint& pos, bool fromTree) {
        guarded([&] { TreeView1DragDrop(pos, fromTree); });
    };
    connect(TreeView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(TreeView1->viewport()->mapToGlobal(pos)); });
    handleKeywordTreeKeys(*TreeView1, [this] { guarded([this] { TreeView1DblClick(); }); });
}

void TForm1::keywordTreeChanged() { keywordTabs_.file.release(); }

void TForm1::TreeView1MouseDown(Qt::MouseButton, const QPoint& pos)
{
    TreeView1->selectNode(TreeView1->nodeInRow(pos.y()));
}

void TForm1::N6Click()
{
    // Leading blanks would be read back as depth, so the node starts at the first other byte (no
    // Shift-JIS character has a blank as its second byte); a keyword of blanks only is refused
    // like an empty one. The keyword box keeps what was typed, for the search.
    commitComposition();
    const std::string typed = keywordText();
    const size_t start = typed.find_first_not_of(" \t");
    if (start == std::string::npos)
        return;
    appendNode(*TreeView1, TreeView1->selectedNode(), typed.substr(start));
    keywordTreeChanged();
}

void TForm1::N7Click()
{
    KeywordNode* node = appendNode(*TreeView1, TreeView1->selectedNode(), toSjis(QStringLiteral("新しいキーワード")));
    keywordTreeChanged();
    TreeView1->selectNode(node);
    TreeView1->editItem(node);
}

void TForm1::N8Click()
{
    KeywordNode* node = TreeView1->selectedNode();
    // The first node is never deleted, wherever the tree happens to be scrolled.
    if (!node || node == TreeView1->topLevelItem(0))
        return;
    if (Settings.MsgKeyDel) {
        const QString question = QStringLiteral("キーワード[") + node->shown() + QStringLiteral("]を削除します。");
        const auto answer = dialogs().ask(this, QMessageBox::Warning, QStringLiteral("警告"), question,
                                          QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        if (answer != QMessageBox::Ok)
            return;
    }
    removeNode(*TreeView1, node);
    // The view has moved its current row to a neighbour; that node becomes the selected one.
    TreeView1->selectNode(TreeView1->currentItem());
    keywordTreeChanged();
}

void TForm1::N10Click()
{
    KeywordNode* node = TreeView1->selectedNode();
    if (!node)
        return;
    // Only the direct children move; each keeps its own subtree in its own order.
    TreeView1->nodes().sortChildren(node);
    keywordTreeChanged();
}

void TForm1::TreeView1DblClick()
{
    KeywordNode* node = TreeView1->selectedNode();
    if (!node)
        return;
    if (node->parent()) {
        setKeywordText(KeywordTreeView::itemBytes(node));
        Button1Click();
        return;
    }
    navigateTo(Settings.URL);
    TreeView1->expandSubtree(node);
}

bool TForm1::TreeView1DragOver(const QPoint& pos, bool fromTreeView1)
{
    const bool accept = fromTreeView1 && TreeView1->nodeInRow(pos.y()) != nullptr;
    if (pos.y() < kScrollMargin)
        TreeView1->scrollByLines(-1);
    else if (TreeView1->viewport()->height() - pos.y() < kScrollMargin)
        TreeView1->scrollByLines(1);
    return accept;
}

void TForm1::TreeView1DragDrop(const QPoint& pos, bool fromTreeView1)
{
    if (!fromTreeView1)
        return;
    KeywordNode* target = TreeView1->nodeInRow(pos.y());
    KeywordNode* dragged = TreeView1->selectedNode();
    if (!target || !dragged || target == dragged)
        return;
    if (liesBelow(target, dragged)) {
        dialogs().inform(this, QMessageBox::NoIcon, QStringLiteral("警告"), QStringLiteral("その移動はできません"));
        return;
    }
    moveNodeUnder(*TreeView1, dragged, target);
    keywordTreeChanged();
}
