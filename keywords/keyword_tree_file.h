#pragma once
// The keyword tree file: one node per line in pre-order, a TAB per level of depth before the
// text, CR LF after every line. Reading is more lenient than writing (any line end, SPACE as a
// level like TAB, the first line always top level).
#include "keywords/keyword_errors.h"
#include "keywords/keyword_forest.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Where a read stopped, if it did.
struct KeywordTreeReadStop {
    std::optional<TreeDepthError> error;  // set when a line lay two or more levels too deep
    // With the error: the file's bytes from the start of that line to its end, as they stand.
    // They are written back after the tree (writeKeywordTree), so nothing the tree could not
    // take in is lost.
    std::string unplacedLines;
};

struct KeywordTreeReadResult : KeywordTreeReadStop {
    KeywordForest nodes;  // every node placed before reading stopped
};

// Reads the whole file content as readKeywordTree does, handing each placed node to place (its
// depth, its text) in pre-order instead of keeping them; the nodes placed form a well-formed
// forest.
KeywordTreeReadStop readKeywordLines(std::string_view fileBytes,
                                     const std::function<void(int depth, std::string_view text)>& place);

// Reads the whole file content. A line more than one level below the node before it stops the
// read: the nodes before that line are kept, the error names the line's depth and its text and
// how many lines from it on were not placed, and those lines are kept as unplacedLines.
// The result's nodes always form a well-formed forest.
KeywordTreeReadResult readKeywordTree(std::string_view fileBytes);

// Appends one node's line: a TAB per level of depth, the text, CR LF.
void appendKeywordLine(std::string& out, int depth, std::string_view text);

// Appends the lines a depth error left unplaced to a tree file's content (lines as
// appendKeywordLine writes them) so that the next read stops at the first of them again, and
// they keep their relation to one another instead of hanging under the tree's last node: as they
// stand, unless the tree now ends deep enough to take the first one in (a child added to the
// last node), when that line gets the TABs that make it too deep again. That is the least
// change to the kept bytes that keeps what the next read shows; moving them anywhere but after
// the tree's last line would leave the tree's later lines unplaced instead.
void appendUnplacedLines(std::string& treeBytes, std::string_view unplacedLines);

// The file content for nodes, which must be a well-formed forest whose texts hold no line end
// or NUL (such a text could not be read back as written), followed by unplacedLines
// (appendUnplacedLines).
std::string writeKeywordTree(const KeywordForest& nodes, std::string_view unplacedLines = {});
