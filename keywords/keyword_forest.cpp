#include "keywords/keyword_forest.h"

bool isWellFormedForest(const KeywordForest& nodes)
{
    int previous = -1;
    for (const KeywordLine& node : nodes) {
        if (node.depth < 0 || node.depth > previous + 1)
            return false;
        previous = node.depth;
    }
    return true;
}

size_t subtreeEnd(const KeywordForest& nodes, size_t root)
{
    const int rootDepth = nodes[root].depth;
    size_t end = root + 1;
    while (end < nodes.size() && nodes[end].depth > rootDepth)
        ++end;
    return end;
}

bool isInSubtree(const KeywordForest& nodes, size_t ancestor, size_t node)
{
    if (ancestor >= nodes.size() || node >= nodes.size() || node < ancestor)
        return false;
    // Every node from just after the ancestor up to node must be deeper than the ancestor;
    // the first one that is not closes the ancestor's subtree.
    const int ancestorDepth = nodes[ancestor].depth;
    for (size_t i = ancestor + 1; i <= node; ++i) {
        if (nodes[i].depth <= ancestorDepth)
            return false;
    }
    return true;
}
