#pragma once
// What the keyword tabs remember between their handlers, held by the main window.
#include <string>

struct KeywordTabsState {
    // Set while the file of the tab on show holds more than the tree (it could not be read, or
    // only in part) and the user has not changed the tree since: saves leave it alone.
    bool fileHeldBack = false;
    // The lines of the file on show from a depth error on: not in the tree, written after it.
    std::string unplacedLines;
};
