#pragma once
// What the watched-auction list remembers between its handlers, held by the main window.
#include "files/companion_file.h"

struct WatchedListState {
    // The watched-auction file: what the load found and what the list was then.
    CompanionFile file;
};
