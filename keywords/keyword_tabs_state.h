#pragma once
// What the keyword tabs remember between their handlers, held by the main window.
struct KeywordTabsState {
    // Set while the file of the tab on show holds more than the tree (it could not be read, or
    // only in part) and the user has not changed the tree since: saves leave it alone.
    bool fileHeldBack = false;
};
