#include "memos/memo_figures.h"

#include <algorithm>
#include <set>

std::string memoKeyword(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::vector<std::size_t> memosOfKeyword(const std::vector<PriceMemo>& memos, std::string_view keyword)
{
    std::vector<std::size_t> found;
    for (std::size_t n = 0; n < memos.size(); ++n) {
        if (memos[n].keyword == keyword)
            found.push_back(n);
    }
    std::stable_sort(found.begin(), found.end(),
                     [&](std::size_t a, std::size_t b) { return memos[a].time < memos[b].time; });
    return found;
}

std::vector<std::string> keywordsWithMemos(const std::vector<PriceMemo>& memos)
{
    std::vector<std::string> keywords;
    std::set<std::string_view> seen;
    for (const PriceMemo& memo : memos) {
        if (seen.insert(memo.keyword).second)
            keywords.push_back(memo.keyword);
    }
    return keywords;
}

MemoFigures memoFigures(const std::vector<std::int64_t>& prices)
{
    MemoFigures figures;
    figures.count = prices.size();
    if (prices.empty())
        return figures;
    std::vector<std::int64_t> sorted = prices;
    std::sort(sorted.begin(), sorted.end());
    figures.lowest = sorted.front();
    figures.highest = sorted.back();
    const std::size_t middle = sorted.size() / 2;
    figures.median = sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
    if (prices.size() >= 2)
        figures.change = prices.back() - prices[prices.size() - 2];
    return figures;
}
