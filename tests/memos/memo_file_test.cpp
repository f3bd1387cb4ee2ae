#include "memos/memo_file.h"

#include "memos/memo_figures.h"
#include "memos/memo_site.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// 腕時計 and 日付,キーワード,価格,サイト,表題,アドレス,メモ in Shift-JIS.
const std::string kWatch = "\x98\x72\x8e\x9e\x8c\x76";
const std::string kHeader = memoFileHeader();

PriceMemo memo(MemoTime time, std::string keyword, std::int64_t price)
{
    PriceMemo m;
    m.time = time;
    m.keyword = std::move(keyword);
    m.price = price;
    return m;
}

TEST(MemoFile, WritesWhatSpreadsheetsOpenAndReadsItBack)
{
    MemoFile file;
    PriceMemo kept = memo({2026, 12, 9, 14, 30, 5}, kWatch, 12345);
    kept.site = "Yahoo!";
    kept.title = "SEIKO, \"5\" \x95\x5c";  // a comma, quotes, and 表 whose second byte is a backslash
    kept.address = "http://auction.example/item?id=1&x=2";
    kept.note = "=HYPERLINK(\"http://evil.example\")";
    file.memos.push_back(kept);
    file.memos.push_back(memo({2026, 12, 10, 9, 0, 0}, "-junk", 9800));

    const std::string bytes = writeMemoFile(file);
    EXPECT_EQ(bytes, kHeader + "\r\n" + "2026/12/09 14:30:05," + kWatch +
                         ",12345,Yahoo!,\"SEIKO, \"\"5\"\" \x95\x5c\",http://auction.example/item?id=1&x=2,"
                         "\"'=HYPERLINK(\"\"http://evil.example\"\")\"\r\n"
                         "2026/12/10 09:00:00,'-junk,9800,,,,\r\n");
    MemoFile read = readMemoFile(bytes);
    ASSERT_EQ(read.memos.size(), 2u);
    for (PriceMemo& m : read.memos)
        m.row.clear();
    EXPECT_EQ(read, file);
}

TEST(MemoFile, TakesWhatASpreadsheetSavesAndKeepsRowsItCannotPlace)
{
    const std::string bytes = kHeader + ",評価\n" +                                   // a column the user added
                              "2026/1/5 9:07," + kWatch + ",\"12,345\",,,,,good\n" +  // dates without zeros
                              "\r\n,,,,,,\r\n" +                                      // empty rows
                              "2026-01-06," + kWatch +
                              ",\"\x81\x8f"
                              "9,800\",,,,\n" +  // "￥9,800" and a bare date
                              "tomorrow," +
                              kWatch + ",100,,,,\r\n" +                             // no date
                              "2026/01/07 10:00:00," + kWatch + ",cheap,,,,\r\n" +  // no price
                              "2026/01/08 10:00:00,short\r\n" +                     // too few fields
                              "2026/02/30 10:00:00," + kWatch + ",100,,,,\r\n" +    // no such day
                              "2026/01/09 10:00:00," + kWatch + ",100,,,,\"open";   // a quote left open
    const MemoFile read = readMemoFile(bytes);
    EXPECT_EQ(read.header, kHeader + ",評価");
    ASSERT_EQ(read.memos.size(), 2u);
    EXPECT_EQ(read.memos[0].time, (MemoTime{2026, 1, 5, 9, 7, 0}));
    EXPECT_EQ(read.memos[0].price, 12345);
    EXPECT_EQ(read.memos[0].extra, std::vector<std::string>{"good"});
    EXPECT_EQ(read.memos[1].time, (MemoTime{2026, 1, 6, 0, 0, 0}));
    EXPECT_EQ(read.memos[1].price, 9800);
    EXPECT_EQ(read.unreadRows.size(), 5u);

    // Nothing is lost by a save: unchanged memos keep their rows, the rest follows them.
    const std::string written = writeMemoFile(read);
    EXPECT_EQ(written.find(kHeader + ",評価\r\n2026/1/5 9:07,"), 0u);
    EXPECT_NE(written.find("tomorrow,"), std::string::npos);
    EXPECT_NE(written.find("\"open\r\n"), std::string::npos);
    EXPECT_EQ(readMemoFile(written), read);
}

TEST(MemoFigures, CountLowestMedianHighestAndTheLastChange)
{
    EXPECT_EQ(memoFigures({}).count, 0u);
    const MemoFigures one = memoFigures({12345});
    EXPECT_EQ(one.median, 12345);
    EXPECT_FALSE(one.change.has_value());
    const MemoFigures four = memoFigures({10000, 15000, 9000, 12000});
    EXPECT_EQ(four.count, 4u);
    EXPECT_EQ(four.lowest, 9000);
    EXPECT_EQ(four.median, 11000);
    EXPECT_EQ(four.highest, 15000);
    EXPECT_EQ(four.change, 3000);

    const std::vector<PriceMemo> memos = {memo({2026, 12, 9, 0, 0, 0}, kWatch, 3), memo({2026, 1, 1, 0, 0, 0}, "x", 1),
                                          memo({2026, 1, 2, 0, 0, 0}, kWatch, 2),
                                          memo({2026, 1, 2, 0, 0, 0}, kWatch, 4)};
    EXPECT_EQ(memosOfKeyword(memos, kWatch), (std::vector<std::size_t>{2, 3, 0}));
    EXPECT_EQ(keywordsWithMemos(memos), (std::vector<std::string>{kWatch, "x"}));
    EXPECT_EQ(memoKeyword(" \t" + kWatch + " "), kWatch);
}

TEST(MemoSite, NamesTheSiteAPageLiesOnElseItsHost)
{
    const std::vector<KnownSite> sites = {
        {"Yahoo", "http://search.auctions.example.co.jp/search?p=$KEY$"},
        {"Bidders", "http://www.bidders.example.jp/list?k=$KEY$"},
        {"Shop", "https://shop.co.jp/find?q=$KEY$"},
    };
    const std::pair<const char*, const char*> cases[] = {
        {"http://search.auctions.example.co.jp/search?p=x", "Yahoo"},
        {"http://page.auctions.example.co.jp/item/1", "Yahoo"},
        {"http://bidders.example.jp/item/1", "Bidders"},
        {"http://www.Bidders.Example.jp:8080/item/1", "Bidders"},
        {"https://other.co.jp/item", "other.co.jp"},
        {"http://user:pw@127.0.0.1:8000/search?q=1", "127.0.0.1"},
        {"http://[::1]:8000/x", "[::1]"},
        {"/home/user/page.htm", ""},
    };
    for (const auto& [address, site] : cases) {
        SCOPED_TRACE(address);
        EXPECT_EQ(siteOf(address, sites), site);
    }
}

}  // namespace
