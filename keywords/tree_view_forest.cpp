#include "keywords/tree_view_forest.h"

#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "widgets/suspended_drawing.h"

#include <utility>
#include <vector>

namespace {

// Takes node out of the view (with its subtree), so that it belongs to no tree. The view keeps a
// persistent mark per expanded node, and taking rows out visits every mark once per level above
// it: the subtree's marks go first, at a step each.
KeywordNode* detach(KeywordTreeView& view, KeywordNode* node)
{
    view.collapseSubtree(node);
    return view.nodes().takeNode(node);
}

// Visits the view's nodes in pre-order with their depths, by a loop over an explicit list.
template <typename Visit>
void visitViewInOrder(const KeywordTreeView& view, Visit visit)
{
    std::vector<std::pair<const KeywordNode*, int>> pending;
    for (int i = view.topLevelItemCount() - 1; i >= 0; --i)
        pending.emplace_back(view.topLevelItem(i), 0);
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        visit(*node, depth);
        for (int i = node->childCount() - 1; i >= 0; --i)
            pending.emplace_back(node->child(i), depth + 1);
    }
}

}  // namespace

KeywordForest forestOfView(const KeywordTreeView& view)
{
    KeywordForest nodes;
    visitViewInOrder(view, [&nodes](const KeywordNode& node, int depth) { nodes.push_back({depth, node.bytes()}); });
    return nodes;
}

ViewFileBytes fileBytesOfView(const KeywordTreeView& view)
{
    ViewFileBytes file;
    visitViewInOrder(view, [&file](const KeywordNode& node, int depth) {
        appendKeywordLine(file.bytes, depth, node.byteView());
        ++file.nodes;
    });
    return file;
}

void showForest(KeywordTreeView& view, const KeywordForest& nodes)
{
    // The nodes are built apart from the view and handed over at once, so the view does not
    // react to each node.
    std::vector<KeywordNode*> topLevel;
    std::vector<KeywordNode*> path;     // the last node placed at each depth
    std::vector<KeywordNode*> parents;  // every node given a child, to be expanded
    for (const KeywordLine& line : nodes) {
        KeywordNode* node = view.newNode(line.text, 0);
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
    if (!topLevel.empty())
        topLevel.front()->setPicture(1);

    SuspendedDrawing suspended(view);
    view.nodes().replaceAll(topLevel);
    view.expandNodes(parents);
}

void removeNode(KeywordTreeView& view, KeywordNode* node) { deleteSubtree(detach(view, node)); }

void moveNodeUnder(KeywordTreeView& view, KeywordNode* node, KeywordNode* target)
{
    SuspendedDrawing suspended(view);
    KeywordNode* moved = detach(view, node);
    view.nodes().insertNode(target, target->childCount(), moved);
    view.expandSubtree(moved);
    for (KeywordNode* above = target; above; above = above->parent())
        view.expand(view.indexFromItem(above));
    view.selectNode(moved);
}

bool liesBelow(const KeywordNode* node, const KeywordNode* ancestor)
{
    for (const KeywordNode* above = node->parent(); above; above = above->parent()) {
        if (above == ancestor)
            return true;
    }
    return false;
}
