#include "keywords/removed_nodes.h"

#include "keywords/keyword_tree_view.h"

#include <algorithm>

void RemovedNodes::keep(KeywordTreeView& view, KeywordNode* node)
{
    std::vector<int> path;
    for (const KeywordNode* at = node; at; at = at->parent())
        path.push_back(at->row());
    std::reverse(path.begin(), path.end());
    // The view keeps a mark per expanded node, which taking a subtree out would visit level by level.
    view.collapseSubtree(node);
    removed_.push_back({std::move(path), view.nodes().takeNode(node)});
    if (removed_.size() > kKept) {
        deleteSubtree(removed_.front().node);
        removed_.pop_front();
    }
}

KeywordNode* RemovedNodes::restoreLast(KeywordTreeView& view)
{
    if (removed_.empty())
        return nullptr;
    Removed last = std::move(removed_.back());
    removed_.pop_back();
    // Later edits may have moved or deleted what stood above it: it goes back under the deepest
    // node of its path that is still there, at its row or at the end when the row has gone.
    KeywordNode* parent = nullptr;
    for (size_t i = 0; i + 1 < last.path.size(); ++i) {
        KeywordNode* next = parent ? parent->child(last.path[i]) : view.topLevelItem(last.path[i]);
        if (!next)
            break;
        parent = next;
    }
    const int count = parent ? parent->childCount() : view.topLevelItemCount();
    view.nodes().insertNode(parent, std::min(last.path.back(), count), last.node);
    view.expandSubtree(last.node);
    for (KeywordNode* above = parent; above; above = above->parent())
        view.expand(view.indexFromItem(above));
    view.selectNode(last.node);
    view.scrollToItem(last.node);
    return last.node;
}

void RemovedNodes::clear()
{
    for (const Removed& removed : removed_)
        deleteSubtree(removed.node);
    removed_.clear();
}
