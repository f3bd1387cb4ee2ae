#pragma once
// The watched list's own error; watched/watched_list.cpp words it for the user.
#include "files/errors.h"

// A list entry was asked for a field it does not have.
struct ListIndexError : RibemoError {
    explicit ListIndexError(int i) : RibemoError("list index out of bounds"), index(i) {}
    int index;
};
