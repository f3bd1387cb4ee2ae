#pragma once
// What the memos of one keyword add up to: which they are, in the order of their dates, and the
// figures the memo window and the keyword tree show of them.
#include "memos/memo_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The keyword a memo is kept under: the text without the blanks at its ends, which a search
// leaves out as well and a tree node never starts with.
std::string memoKeyword(std::string_view text);

// The positions in memos of the keyword's memos, oldest first (memos of one moment in the order
// they were kept).
std::vector<std::size_t> memosOfKeyword(const std::vector<PriceMemo>& memos, std::string_view keyword);

// Every keyword that has memos, each once, in the order of its first memo.
std::vector<std::string> keywordsWithMemos(const std::vector<PriceMemo>& memos);

struct MemoFigures {
    std::size_t count = 0;
    std::int64_t lowest = 0, median = 0, highest = 0;
    // The last price less the one before it; none with fewer than two.
    std::optional<std::int64_t> change;
};

// prices oldest first. The median of an even count is the mean of the middle two, rounded down.
MemoFigures memoFigures(const std::vector<std::int64_t>& prices);
