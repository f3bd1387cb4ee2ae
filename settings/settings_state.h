#pragma once
// What the settings store remembers between the load and the save, held by the main window.
#include <array>
#include <string>

class SplitterPane;

struct SettingsState {
    SplitterPane* treePane = nullptr;     // TabControl2's width (widgets/splitter_pane.h)
    SplitterPane* favListPane = nullptr;  // Panel2's height
    // The bytes the site tooltips and keyword tab captions were loaded from: written back while
    // the control still shows them, so a name that is not valid Shift-JIS survives a close.
    std::array<std::string, 6> siteNameBytes;
    std::array<std::string, 3> tabNameBytes;
    // The file could not be read whole at start (the user was told) and the user has not changed
    // the settings since: the close leaves it alone.
    bool heldBack = false;
    bool viewMarksApplied = false;  // the first activation has put the View marks on the bars
};
