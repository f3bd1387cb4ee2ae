#pragma once
// Between the tree on show and the flat keyword forest the file code reads and writes, and the
// structural changes of the tree on show. Every walk here is a loop over an explicit list, never
// a recursion, so a chain of nodes thousands of levels deep costs no call stack.
#include "keywords/keyword_forest.h"
#include "keywords/keyword_tree_file.h"

#include <cstddef>
#include <string>
#include <string_view>

class KeywordNode;
class KeywordTreeView;

// The view's nodes in pre-order, each with its depth and its bytes.
KeywordForest forestOfView(const KeywordTreeView& view);

// The view's nodes as the keyword tree file holds them (what writeKeywordTree makes of
// forestOfView, without a copy of every node's bytes on the way), and how many there are.
struct ViewFileBytes {
    std::string bytes;
    size_t nodes = 0;
};
ViewFileBytes fileBytesOfView(const KeywordTreeView& view);

// Replaces the view's whole content by nodes (a well-formed forest). Every node gets picture 0
// except the first node, which is marked with picture 1; then every node is expanded. Drawing
// is suspended for the whole replacement and resumed once.
void showForest(KeywordTreeView& view, const KeywordForest& nodes);

// Replaces the view's whole content, likewise, by the nodes of a keyword tree file's content,
// read as readKeywordTree reads it (without a forest on the way); answers where the read stopped.
KeywordTreeReadStop showTreeFile(KeywordTreeView& view, std::string_view fileBytes);

// Removes node with its whole subtree from the view and frees them.
void removeNode(KeywordTreeView& view, KeywordNode* node);

// Moves node with its whole subtree to the end of target's children, keeping the nodes' bytes,
// pictures and order. The moved node ends selected, with its subtree and every node above it
// expanded. Drawing is suspended for the whole move and resumed once. target must not lie
// inside node's subtree.
void moveNodeUnder(KeywordTreeView& view, KeywordNode* node, KeywordNode* target);

// True when node lies strictly below ancestor.
bool liesBelow(const KeywordNode* node, const KeywordNode* ancestor);
