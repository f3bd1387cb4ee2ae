// The price memo file and the price reader on arbitrary bytes.
// 1. Reading the bytes stays inside them (ASan watches the reads), and whatever they read as,
//    written out, reads back as the same file: memos, their rows, the rows kept unread.
// 2. The bytes, cut at NUL into memos and at LF into their texts, are written anew and read back
//    with every text as it was, whatever quotes, commas, line breaks or formula marks it holds.
// 3. The bytes as UTF-16 text give at most five prices, each above zero.
#include "fuzz/fuzz_checks.h"
#include "memos/memo_file.h"
#include "memos/price_reader.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

PriceMemo memoOf(const std::string& chunk, int n)
{
    std::vector<std::string> texts = cut(chunk, '\n');
    texts.resize(std::max<size_t>(texts.size(), 5));
    PriceMemo memo;
    memo.time = {2000 + n % 100, 1 + n % 12, 1 + n % 28, n % 24, n % 60, n % 60};
    memo.price = static_cast<std::int64_t>(chunk.size()) * 1000 + n;
    memo.keyword = texts[0];
    memo.site = texts[1];
    memo.title = texts[2];
    memo.address = texts[3];
    memo.note = texts[4];
    memo.extra.assign(texts.begin() + 5, texts.end());
    return memo;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const MemoFile read = readMemoFile(bytes);
    require(readMemoFile(writeMemoFile(read)) == read);

    MemoFile made;
    int n = 0;
    for (const std::string& chunk : cut(bytes, '\0'))
        made.memos.push_back(memoOf(chunk, n++));
    MemoFile back = readMemoFile(writeMemoFile(made));
    for (PriceMemo& memo : back.memos)
        memo.row.clear();
    require(back == made);

    const std::u16string_view text(reinterpret_cast<const char16_t*>(data), size / 2);
    const std::vector<std::int64_t> prices = findPrices(text);
    require(prices.size() <= kMostPrices);
    for (const std::int64_t yen : prices)
        require(yen > 0);
    if (const auto typed = readTypedPrice(text))
        require(*typed > 0);
    return 0;
}
