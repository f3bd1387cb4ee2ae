#pragma once
// The keyword tree file: one node per line in pre-order, a TAB per level of depth before the
// text, CR LF after every line. Reading is more lenient than writing (any line end, SPACE as a
// level like TAB, the first line always top level).
#include "files/errors.h"
#include "keywords/keyword_forest.h"

#include <optional>
#include <string>
#include <string_view>

struct KeywordTreeReadResult {
    KeywordForest nodes;                  // every node placed before reading stopped
    std::optional<TreeDepthError> error;  // set when a line lay two or more levels too deep
};

// Reads the whole file content. A line more than one level below the node before it stops the
// read: the nodes before that line are kept and the error names the line's depth and its text.
// The result's nodes always form a well-formed forest.
KeywordTreeReadResult readKeywordTree(std::string_view fileBytes);

// The file content for nodes, which must be a well-formed forest whose texts hold no line end
// or NUL (such a text could not be read back as written).
std::string writeKeywordTree(const KeywordForest& nodes);
