#pragma once
// A keyword forest held flat: its nodes in pre-order, each with its real depth. Keeping it flat
// means no code walks the tree by recursion, so a chain thousands of levels deep costs no stack.
//
// Invariant of a well-formed forest: the first node has depth 0, and every node's depth is at
// most one more than the depth of the node before it. A node's subtree is the node itself and
// the run of nodes after it that are deeper than it.
#include <cstddef>
#include <string>
#include <vector>

struct KeywordLine {
    int depth = 0;     // 0 for a top-level node
    std::string text;  // Shift-JIS bytes, as held
    friend bool operator==(const KeywordLine&, const KeywordLine&) = default;
};

using KeywordForest = std::vector<KeywordLine>;

// True when the depths obey the invariant above (an empty forest does).
bool isWellFormedForest(const KeywordForest& nodes);

// One past the last node of the subtree rooted at index root (root < nodes.size()).
size_t subtreeEnd(const KeywordForest& nodes, size_t root);

// True when node is ancestor itself or lies below it. False for indexes out of range.
bool isInSubtree(const KeywordForest& nodes, size_t ancestor, size_t node);
