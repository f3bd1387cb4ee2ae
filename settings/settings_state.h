#pragma once
// What the settings store remembers between the load and the save, held by the main window.
#include "files/companion_file.h"
#include "settings/private_profile.h"

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
    // The settings file: what the load found; held back while the file could not be read whole
    // at start (the user was told) and the user has not changed the settings since.
    CompanionFile file;
    // The program's own keys with the values last read from or written to the file: a value still
    // equal to its entry here was not changed by this window, and does not go over another
    // program's change of it.
    PrivateProfile fileValues;
    bool viewMarksApplied = false;  // the first activation has put the View marks on the bars
};
