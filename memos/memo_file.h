#pragma once
// The price memo file: CSV as Japanese spreadsheet programs open it as it is (Shift-JIS, CR LF
// after every row, a header row 日付,キーワード,価格,サイト,表題,アドレス,メモ, fields quoted where
// they hold a comma, a quote or a line break). A spreadsheet may save it back in its own way
// (dates without leading zeros or seconds, prices with commas, columns added after the seventh,
// rows without quotes); the reader takes all of that. Rows it cannot place (a price that is no
// number, a date that is no date, too few fields) are kept as they stand and written back after
// the memos, so that nothing the file held is lost by a save.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A memo's date and time, as the file writes it: "2026/12/09 14:30:05".
struct MemoTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    auto operator<=>(const MemoTime&) const = default;
};

// "YYYY/MM/DD hh:mm:ss".
std::string memoTimeText(const MemoTime& time);
// The dates a spreadsheet writes as well: "/" or "-" between the date's parts, with or without
// leading zeros, the time left out or without seconds. None for anything else.
std::optional<MemoTime> readMemoTime(std::string_view text);

// One price the user kept. Texts are Shift-JIS bytes.
struct PriceMemo {
    MemoTime time;
    std::string keyword;
    std::int64_t price = 0;  // yen
    std::string site, title, address, note;
    std::vector<std::string> extra;  // fields after the seventh, kept for the spreadsheet's sake
    // The row as the file held it, written back unchanged while the memo is; empty for a memo
    // made or changed in this run.
    std::string row;

    bool operator==(const PriceMemo&) const = default;
};

struct MemoFile {
    std::string header;  // the file's own header row when it had one; empty: the program's
    std::vector<PriceMemo> memos;
    std::vector<std::string> unreadRows;  // rows that are no memo, as they stand

    bool operator==(const MemoFile&) const = default;
};

// The header row the program writes.
std::string memoFileHeader();

// The memos of the file's bytes. Rows end at CR LF, a lone CR or a lone LF outside quotes; rows
// of empty fields only are no row.
MemoFile readMemoFile(std::string_view bytes);

// The file's bytes: the header row, each memo (its row as read while unchanged), then the unread
// rows, each followed by CR LF.
std::string writeMemoFile(const MemoFile& file);

// A field of a text the memo keeps (keyword, site, title, address, note), as a row writes it:
// quoted where needed, and marked with a leading apostrophe where a spreadsheet would take it
// for a formula ("=...", "+...", "-...", "@..."): a page's title is outside text.
std::string memoField(std::string_view text);
