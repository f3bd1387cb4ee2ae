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

// A tree in no view, built from nodes given in pre-order with their depths (a well-formed
// forest), and handed to the view at once, so the view does not react to each node.
class DetachedTree {
public:
    explicit DetachedTree(const KeywordTreeView& view) : view_(view) {}
    ~DetachedTree()
    {
        for (KeywordNode* node : topLevel_)
            deleteSubtree(node);
    }
    DetachedTree(const DetachedTree&) = delete;
    DetachedTree& operator=(const DetachedTree&) = delete;

    void add(int depth, std::string_view bytes)
    {
        KeywordNode* node = view_.newNode(bytes, 0);
        path_.resize(static_cast<size_t>(depth));
        if (path_.empty()) {
            topLevel_.push_back(node);
        } else {
            path_.back()->addChild(node);
            if (path_.back()->childCount() == 1)
                parents_.push_back(path_.back());
        }
        path_.push_back(node);
    }

    // Replaces the view's whole content by the tree: the first node marked with picture 1,
    // every node expanded, drawing suspended until the end.
    void showIn(KeywordTreeView& view)
    {
        if (!topLevel_.empty())
            topLevel_.front()->setPicture(1);
        SuspendedDrawing suspended(view);
        view.nodes().replaceAll(std::exchange(topLevel_, {}));
        view.expandNodes(parents_);
    }

private:
    const KeywordTreeView& view_;
    std::vector<KeywordNode*> topLevel_;
    std::vector<KeywordNode*> path_;     // the last node placed at each depth
    std::vector<KeywordNode*> parents_;  // every node given a child, to be expanded
};

}  // namespace

KeywordForest forestOfView(const KeywordTreeView& view)
{
    KeywordForest nodes;
    visitViewInOrder(view, [&nodes](const KeywordNode& node, int depth) { nodes.push_back({depth, node.bytes()}); });
    return nodes;
}

ViewFileBytes fileBytesOfView(const KeywordTreeView& view)
{
    // Measured first: a large tree's bytes grown by doubling would be copied over and over.
    size_t total = 0;
    visitViewInOrder(view, [&total](const KeywordNode& node, int depth) {
        total += static_cast<size_t>(depth) + node.byteView().size() + 2;
    });
    ViewFileBytes file;
    file.bytes.reserve(total);
    visitViewInOrder(view, [&file](const KeywordNode& node, int depth) {
        appendKeywordLine(file.bytes, depth, node.byteView());
        ++file.nodes;
    });
    return file;
}

void showForest(KeywordTreeView& view, const KeywordForest& nodes)
{
    DetachedTree tree(view);
    for (const KeywordLine& line : nodes)
        tree.add(line.depth, line.text);
    tree.showIn(view);
}

KeywordTreeReadStop showTreeFile(KeywordTreeView& view, std::string_view fileBytes)
{
    DetachedTree tree(view);
    KeywordTreeReadStop stop =
        readKeywordLines(fileBytes, [&tree](int depth, std::string_view text) { tree.add(depth, text); });
    tree.showIn(view);
    return stop;
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
