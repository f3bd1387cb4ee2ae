#include "keywords/tree_view_forest.h"

#include "keywords/keyword_node.h"
#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "widgets/suspended_drawing.h"

#include <functional>
#include <utility>
#include <vector>

namespace {

// Deleting an item deletes its children by recursion, one call per level. Before anything is
// deleted, the tree is cut into pieces at most kPieceHeight levels tall, so that no deletion
// recurses deeper than that, however deep the tree.
constexpr int kPieceHeight = 256;

// Cuts the subtrees of roots into pieces; returns the pieces cut off (the roots stay where they
// are). In a tree that is not that deep nothing is cut; otherwise beforeFirstCut runs once first.
std::vector<QTreeWidgetItem*> cutIntoPieces(const std::vector<QTreeWidgetItem*>& roots,
                                            const std::function<void()>& beforeFirstCut = {})
{
    bool cut = false;
    std::vector<QTreeWidgetItem*> pieces;
    std::vector<std::pair<QTreeWidgetItem*, int>> pending;  // a node and its height in its piece
    for (QTreeWidgetItem* root : roots)
        pending.emplace_back(root, 0);
    while (!pending.empty()) {
        const auto [item, height] = pending.back();
        pending.pop_back();
        if (height + 1 == kPieceHeight && item->childCount() > 0) {
            if (!std::exchange(cut, true) && beforeFirstCut)
                beforeFirstCut();
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
    std::vector<QTreeWidgetItem*> topLevel;
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        topLevel.push_back(view.topLevelItem(i));
    // The view keeps a persistent mark per expanded node. Its clear drops them all at once, but
    // each cut of a very deep tree would visit every one: such a tree is collapsed first, which
    // costs a step per mark.
    const std::vector<QTreeWidgetItem*> pieces = cutIntoPieces(topLevel, [&view] { view.collapseAll(); });
    view.clear();
    for (QTreeWidgetItem* piece : pieces)
        delete piece;
}

}  // namespace

namespace {

// Visits the view's nodes in pre-order with their depths, by a loop over an explicit list.
template <typename Visit>
void visitViewInOrder(const QTreeWidget& view, Visit visit)
{
    std::vector<std::pair<const QTreeWidgetItem*, int>> pending;
    for (int i = view.topLevelItemCount() - 1; i >= 0; --i)
        pending.emplace_back(view.topLevelItem(i), 0);
    while (!pending.empty()) {
        const auto [item, depth] = pending.back();
        pending.pop_back();
        visit(item, depth);
        for (int i = item->childCount() - 1; i >= 0; --i)
            pending.emplace_back(item->child(i), depth + 1);
    }
}

}  // namespace

KeywordForest forestOfView(const QTreeWidget& view)
{
    KeywordForest nodes;
    visitViewInOrder(view, [&nodes](const QTreeWidgetItem* item, int depth) {
        nodes.push_back({depth, KeywordTreeView::itemBytes(item)});
    });
    return nodes;
}

ViewFileBytes fileBytesOfView(const QTreeWidget& view)
{
    ViewFileBytes file;
    visitViewInOrder(view, [&file](const QTreeWidgetItem* item, int depth) {
        if (const auto* node = dynamic_cast<const KeywordNode*>(item))
            appendKeywordLine(file.bytes, depth, node->byteView());
        else
            appendKeywordLine(file.bytes, depth, KeywordTreeView::itemBytes(item));
        ++file.nodes;
    });
    return file;
}

void showForest(KeywordTreeView& view, const KeywordForest& nodes)
{
    // The nodes are built apart from the view and handed over in one insertion, so the view
    // does not react to each node.
    QList<QTreeWidgetItem*> topLevel;
    std::vector<QTreeWidgetItem*> path;     // the last node placed at each depth
    std::vector<QTreeWidgetItem*> parents;  // every node given a child, to be expanded
    for (const KeywordLine& line : nodes) {
        QTreeWidgetItem* node = view.newNode(line.text, 0);
        path.resize(static_cast<size_t>(line.depth));
        if (path.empty()) {
            topLevel.push_back(node);
        } else {
            path.back()->addChild(node);
            if (path.back()->childCount() == 1)
                parents.push_back(path.back());
        }
        path.push_back(node);
    }
    if (!topLevel.isEmpty())
        view.setItemPicture(topLevel.front(), 1);

    SuspendedDrawing suspended(view);
    removeAllNodes(view);
    view.addTopLevelItems(topLevel);
    view.expandNodes(parents);
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
