#pragma once
// What the watched-auction list remembers between its handlers, held by the main window.
#include <string>
#include <vector>

struct WatchedListState {
    // Set while the watched-auction file holds more than the list (it could not be read, or only
    // up to a NUL) and the list is still heldEntries: the close leaves the file alone.
    bool fileHeldBack = false;
    std::vector<std::vector<std::string>> heldEntries;
};
