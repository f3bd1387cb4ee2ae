#pragma once
// What the keyword tabs remember between their handlers, held by the main window.
#include "files/companion_file.h"

#include <QtGlobal>

#include <optional>
#include <string>

struct KeywordTabsState {
    // The file of the tab on show: what its last read found and what the tree on show was then.
    CompanionFile file;
    // The lines of the file on show from a depth error on: not in the tree, written after it.
    std::string unplacedLines;
    // The tree view's change count when the tree on show was last what file holds for this window
    // (read or saved): while the count stays, a save has nothing new to write.
    std::optional<quint64> unchangedAt;
};
