#pragma once
// What the keyword tabs remember between their handlers, held by the main window.
#include "files/companion_file.h"

#include <string>

struct KeywordTabsState {
    // The file of the tab on show: what its last read found and what the tree on show was then.
    CompanionFile file;
    // The lines of the file on show from a depth error on: not in the tree, written after it.
    std::string unplacedLines;
};
