#pragma once
// The memo file's own errors; memos/price_memos.cpp words them for the user.
#include "files/errors.h"

#include <cstddef>

// The memo file could not be read whole: it stays as it is, and no memo is kept until it can be.
struct MemoFileNotRead : RibemoError {
    enum class Why { NotOpened, CutShortAtNul, NotShiftJis };
    MemoFileNotRead(std::string p, Why w) : RibemoError("memo file not read " + p), path(std::move(p)), why(w) {}
    std::string path;
    Why why;
};

// Rows of the memo file are no memos; they stay in the file as they stand, after the memos.
struct MemoRowsNotRead : RibemoError {
    MemoRowsNotRead(std::string p, std::size_t n) : RibemoError("memo rows not read " + p), path(std::move(p)), rows(n)
    {}
    std::string path;
    std::size_t rows;
};
