#pragma once
// What the keyword box remembers, held by the main window.
#include <string>

struct KeywordBoxState {
    // The bytes last put into the box, so a keyword that is not valid Shift-JIS (read from a file
    // and never edited) is searched and registered with its own bytes.
    std::string bytes;
};
