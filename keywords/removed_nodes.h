#pragma once
// The subtrees deleted from the tree on show, kept for the run so that Ctrl+Z puts the last one
// back where it stood. Only the tree on show has them: a tab switch or a restore replaces the
// tree, and what was deleted from the old one would land in the wrong tree, so they are dropped.
#include <cstddef>
#include <deque>
#include <vector>

class KeywordNode;
class KeywordTreeView;

class RemovedNodes {
public:
    RemovedNodes() = default;
    ~RemovedNodes() { clear(); }
    RemovedNodes(const RemovedNodes&) = delete;
    RemovedNodes& operator=(const RemovedNodes&) = delete;

    // Takes node with its subtree out of the view (through its model) and keeps it with its place.
    void keep(KeywordTreeView& view, KeywordNode* node);
    // Puts the subtree deleted last back at its place and answers it; null when none is kept.
    KeywordNode* restoreLast(KeywordTreeView& view);
    // Frees every kept subtree.
    void clear();
    bool empty() const { return removed_.empty(); }

    // How many deletions can be undone; older ones are freed.
    static constexpr std::size_t kKept = 20;

private:
    struct Removed {
        std::vector<int> path;  // the rows from the top level down to the node's own
        KeywordNode* node;
    };
    std::deque<Removed> removed_;
};
