#include "keywords/tree_view_forest.h"

#include "keywords/keyword_tree_view.h"
#include "widgets/suspended_drawing.h"

#include <QTimer>

#include <malloc.h>
#include <utility>
#include <vector>

namespace {

// Deleting an item deletes its children by recursion, one call per level. Before anything is
// deleted, the tree is cut into pieces at most kPieceHeight levels tall, so that no deletion
// recurses deeper than that, however deep the tree.
constexpr int kPieceHeight = 256;

// From this many nodes on, the memory a read of the tree used on the way is worth handing back.
constexpr size_t kLargeTree = 10000;

// Cuts the subtrees of roots into pieces; returns the pieces cut off (the roots stay where they
// are). In a tree that is not that deep nothing is cut.
std::vector<QTreeWidgetItem*> cutIntoPieces(const std::vector<QTreeWidgetItem*>& roots)
{
    std::vector<QTreeWidgetItem*> pieces;
    std::vector<std::pair<QTreeWidgetItem*, int>> pending;  // a node and its height in its piece
    for (QTreeWidgetItem* root : roots)
        pending.emplace_back(root, 0);
    while (!pending.empty()) {
        const auto [item, height] = pending.back();
        pending.pop_back();
        if (height + 1 == kPieceHeight && item->childCount() > 0) {
            for (QTreeWidgetItem* child : item->takeChildren()) {
                pieces.push_back(child);
                pending.emplace_back(child, 0);
            }
            continue;
        }
        for (int i = 0; i < item->childCount(); ++i)
            pending.emplace_back(item->child(i), height + 1);
    }
    return pieces;
}

// Frees a node that is in no view, with its subtree.
void deleteDetached(QTreeWidgetItem* root)
{
    for (QTreeWidgetItem* piece : cutIntoPieces({root}))
        delete piece;
    delete root;
}

// Takes node out of the view (with its subtree), so that it belongs to no tree.
QTreeWidgetItem* detach(KeywordTreeView& view, QTreeWidgetItem* node)
{
    view.collapseSubtree(node);
    if (QTreeWidgetItem* parent = node->parent())
        return parent->takeChild(parent->indexOfChild(node));
    return view.takeTopLevelItem(view.indexOfTopLevelItem(node));
}

void removeAllNodes(KeywordTreeView& view)
{
    // Collapsed first: the view keeps a persistent mark per expanded node, and each cut of a
    // very deep tree would otherwise visit all of them.
    view.collapseAll();
    std::vector<QTreeWidgetItem*> topLevel;
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        topLevel.push_back(view.topLevelItem(i));
    const std::vector<QTreeWidgetItem*> pieces = cutIntoPieces(topLevel);
    view.clear();
    for (QTreeWidgetItem* piece : pieces)
        delete piece;
}

}  // namespace

KeywordForest forestOfView(const QTreeWidget& view)
{
    KeywordForest nodes;
    std::vector<std::pair<const QTreeWidgetItem*, int>> pending;
    for (int i = view.topLevelItemCount() - 1; i >= 0; --i)
        pending.emplace_back(view.topLevelItem(i), 0);
    while (!pending.empty()) {
        const auto [item, depth] = pending.back();
        pending.pop_back();
        nodes.push_back({depth, KeywordTreeView::itemBytes(item)});
        for (int i = item->childCount() - 1; i >= 0; --i)
            pending.emplace_back(item->child(i), depth + 1);
    }
    return nodes;
}

void showForest(KeywordTreeView& view, const KeywordForest& nodes)
{
    // The nodes are built apart from the view and handed over in one insertion, so the view
    // does not react to each node.
    QList<QTreeWidgetItem*> topLevel;
    std::vector<QTreeWidgetItem*> path;  // the last node placed at each depth
    for (const KeywordLine& line : nodes) {
        QTreeWidgetItem* node = view.newNode(line.text, 0);
        path.resize(static_cast<size_t>(line.depth));
        if (path.empty())
            topLevel.push_back(node);
        else
            path.back()->addChild(node);
        path.push_back(node);
    }
    if (!topLevel.isEmpty())
        view.setItemPicture(topLevel.front(), 1);

    SuspendedDrawing suspended(view);
    removeAllNodes(view);
    view.addTopLevelItems(topLevel);
    view.expandEverything();
    // A large file's bytes and its flat forest lie between the nodes on the heap; freed by the
    // caller once the tree is on show, their pages would stay with the program for good (and
    // so would those of the tree shown before). They go back to the system once the reading
    // is over.
    if (nodes.size() >= kLargeTree)
        QTimer::singleShot(0, [] { malloc_trim(0); });
}

void removeNode(KeywordTreeView& view, QTreeWidgetItem* node) { deleteDetached(detach(view, node)); }

void moveNodeUnder(KeywordTreeView& view, QTreeWidgetItem* node, QTreeWidgetItem* target)
{
    SuspendedDrawing suspended(view);
    QTreeWidgetItem* moved = detach(view, node);
    target->addChild(moved);
    view.expandSubtree(moved);
    for (QTreeWidgetItem* above = target; above; above = above->parent())
        above->setExpanded(true);
    view.selectNode(moved);
}

bool liesBelow(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor)
{
    for (const QTreeWidgetItem* above = node->parent(); above; above = above->parent()) {
        if (above == ancestor)
            return true;
    }
    return false;
}
