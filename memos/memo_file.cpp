#include "memos/memo_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace {

// The header's names in Shift-JIS: 日付, キーワード, 価格, サイト, 表題, アドレス, メモ.
constexpr std::array<std::string_view, 7> kColumns = {
    "\x93\xfa\x95\x74", "\x83\x4c\x81\x5b\x83\x8f\x81\x5b\x83\x68", "\x89\xbf\x8a\x69", "\x83\x54\x83\x43\x83\x67",
    "\x95\x5c\x91\xe8", "\x83\x41\x83\x68\x83\x8c\x83\x58",         "\x83\x81\x83\x82",
};
enum Column { kTime, kKeyword, kPrice, kSite, kTitle, kAddress, kNote };

constexpr std::string_view kLineEnd = "\r\n";
// The yen signs a spreadsheet may put before a price (the Shift-JIS backslash, ￥) and 円 after.
constexpr std::string_view kYenSign = "\x81\x8f";
constexpr std::string_view kBackslashYen = "\\";
constexpr std::string_view kEn = "\x89\x7e";
constexpr std::int64_t kLargestPrice = 1'000'000'000'000;

struct Row {
    std::vector<std::string> fields;
    std::string_view raw;  // the row's bytes without its line end
    bool whole = true;     // false when a quote is still open at the end of the file
};

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// One row from pos, which it leaves after the row's line end.
Row readRow(std::string_view bytes, std::size_t& pos)
{
    Row row;
    row.fields.reserve(kColumns.size());
    const std::size_t start = pos;
    std::string field;
    bool quoted = false;
    while (pos < bytes.size()) {
        if (quoted) {
            const std::size_t quote = bytes.find('"', pos);
            field.append(bytes.substr(pos, quote - pos));
            if (quote == std::string_view::npos) {
                pos = bytes.size();
                break;
            }
            pos = quote + 1;
            if (pos < bytes.size() && bytes[pos] == '"') {
                field += '"';
                ++pos;
            } else {
                quoted = false;
            }
            continue;
        }
        const char c = bytes[pos];
        if (c == '"' && field.empty()) {
            // A quote opens a field only at its start; elsewhere it is taken as it stands.
            quoted = true;
            ++pos;
        } else if (c == ',') {
            row.fields.push_back(std::move(field));
            field.clear();
            ++pos;
        } else if (isLineEnd(c)) {
            break;
        } else {
            const std::size_t end = std::min(bytes.find_first_of(",\r\n", pos), bytes.size());
            field.append(bytes.substr(pos, end - pos));
            pos = end;
        }
    }
    row.fields.push_back(std::move(field));
    row.raw = bytes.substr(start, pos - start);
    row.whole = !quoted;
    // A quote left open runs to the end of the file; the line end a save puts after the row is
    // not part of it.
    while (!row.whole && !row.raw.empty() && isLineEnd(row.raw.back()))
        row.raw.remove_suffix(1);
    if (pos < bytes.size() && bytes[pos] == '\r')
        ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n')
        ++pos;
    return row;
}

bool onlyEmptyFields(const Row& row)
{
    for (const std::string& field : row.fields) {
        if (!field.empty())
            return false;
    }
    return true;
}

bool isHeader(const Row& row)
{
    if (row.fields.size() < kColumns.size())
        return false;
    for (std::size_t n = 0; n < kColumns.size(); ++n) {
        if (row.fields[n] != kColumns[n])
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool dropPrefix(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// A price as the program writes it ("12345") or as a spreadsheet formats it ("12,345",
// "￥12,345", "12,345円").
std::optional<std::int64_t> readPrice(std::string_view text)
{
    text = trimmed(text);
    if (!dropPrefix(text, kYenSign))
        dropPrefix(text, kBackslashYen);
    if (text.ends_with(kEn))
        text.remove_suffix(kEn.size());
    std::int64_t value = 0;
    bool digits = false;
    for (const char c : text) {
        if (c == ',' && digits)
            continue;
        if (c < '0' || c > '9' || value > kLargestPrice)
            return std::nullopt;
        value = value * 10 + (c - '0');
        digits = true;
    }
    if (!digits || value > kLargestPrice)
        return std::nullopt;
    return value;
}

bool startsFormula(std::string_view text)
{
    while (!text.empty() && text.front() == '\'')
        text.remove_prefix(1);
    return !text.empty() && (text.front() == '=' || text.front() == '+' || text.front() == '-' || text.front() == '@');
}

// The text of a field that memoField marked.
std::string unmarked(std::string field)
{
    if (field.starts_with('\'') && startsFormula(field))
        field.erase(0, 1);
    return field;
}

std::optional<PriceMemo> memoOf(Row& row)
{
    if (!row.whole || row.fields.size() < kColumns.size())
        return std::nullopt;
    const std::optional<MemoTime> time = readMemoTime(trimmed(row.fields[kTime]));
    const std::optional<std::int64_t> price = readPrice(row.fields[kPrice]);
    if (!time || !price)
        return std::nullopt;
    PriceMemo memo;
    memo.time = *time;
    memo.price = *price;
    memo.keyword = unmarked(std::move(row.fields[kKeyword]));
    memo.site = unmarked(std::move(row.fields[kSite]));
    memo.title = unmarked(std::move(row.fields[kTitle]));
    memo.address = unmarked(std::move(row.fields[kAddress]));
    memo.note = unmarked(std::move(row.fields[kNote]));
    memo.extra.assign(std::make_move_iterator(row.fields.begin() + kColumns.size()),
                      std::make_move_iterator(row.fields.end()));
    memo.row = row.raw;
    return memo;
}

std::string quotedWhereNeeded(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string memoRow(const PriceMemo& memo)
{
    std::string row = memoTimeText(memo.time) + ',' + memoField(memo.keyword) + ',' + std::to_string(memo.price);
    for (const std::string* text : {&memo.site, &memo.title, &memo.address, &memo.note}) {
        row += ',';
        row += memoField(*text);
    }
    for (const std::string& field : memo.extra) {
        row += ',';
        row += quotedWhereNeeded(field);
    }
    return row;
}

// Reads a number of 1 to width digits at pos.
std::optional<int> readNumber(std::string_view text, std::size_t& pos, std::size_t width)
{
    int value = 0;
    const std::size_t start = pos;
    while (pos < text.size() && pos - start < width && text[pos] >= '0' && text[pos] <= '9')
        value = value * 10 + (text[pos++] - '0');
    if (pos == start)
        return std::nullopt;
    return value;
}

bool take(std::string_view text, std::size_t& pos, char c)
{
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

int daysIn(int year, int month)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

}  // namespace

std::string memoTimeText(const MemoTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

std::optional<MemoTime> readMemoTime(std::string_view text)
{
    MemoTime t;
    std::size_t pos = 0;
    const auto year = readNumber(text, pos, 4);
    if (!year || pos != 4 || pos >= text.size())
        return std::nullopt;
    const char separator = text[pos];
    if (separator != '/' && separator != '-')
        return std::nullopt;
    ++pos;
    const auto month = readNumber(text, pos, 2);
    if (!month || !take(text, pos, separator))
        return std::nullopt;
    const auto day = readNumber(text, pos, 2);
    if (!day)
        return std::nullopt;
    t.year = *year;
    t.month = *month;
    t.day = *day;
    if (pos < text.size()) {
        if (!take(text, pos, ' ') && !take(text, pos, 'T'))
            return std::nullopt;
        const auto hour = readNumber(text, pos, 2);
        if (!hour || !take(text, pos, ':'))
            return std::nullopt;
        const auto minute = readNumber(text, pos, 2);
        if (!minute)
            return std::nullopt;
        t.hour = *hour;
        t.minute = *minute;
        if (take(text, pos, ':')) {
            const auto second = readNumber(text, pos, 2);
            if (!second)
                return std::nullopt;
            t.second = *second;
        }
    }
    if (pos != text.size() || t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysIn(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

std::string memoFileHeader()
{
    std::string header;
    for (const std::string_view column : kColumns) {
        if (!header.empty())
            header += ',';
        header += column;
    }
    return header;
}

MemoFile readMemoFile(std::string_view bytes)
{
    MemoFile file;
    bool first = true;
    for (std::size_t pos = 0; pos < bytes.size();) {
        Row row = readRow(bytes, pos);
        if (row.whole && onlyEmptyFields(row))
            continue;
        if (first && row.whole && isHeader(row)) {
            // The program's own header is no need to keep: a save writes it anyway.
            if (row.raw != memoFileHeader())
                file.header = row.raw;
        } else if (std::optional<PriceMemo> memo = memoOf(row)) {
            file.memos.push_back(std::move(*memo));
        } else {
            file.unreadRows.emplace_back(row.raw);
        }
        first = false;
    }
    return file;
}

std::string writeMemoFile(const MemoFile& file)
{
    std::string bytes = file.header.empty() ? memoFileHeader() : file.header;
    bytes += kLineEnd;
    for (const PriceMemo& memo : file.memos) {
        bytes += memo.row.empty() ? memoRow(memo) : memo.row;
        bytes += kLineEnd;
    }
    for (const std::string& row : file.unreadRows) {
        bytes += row;
        bytes += kLineEnd;
    }
    return bytes;
}

std::string memoField(std::string_view text)
{
    return quotedWhereNeeded(startsFormula(text) ? "'" + std::string(text) : std::string(text));
}
