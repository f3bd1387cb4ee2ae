#include "memos/price_reader.h"

#include <algorithm>

namespace {

// Beyond any auction: a longer number is an article number or a count, not a price.
constexpr std::int64_t kLargest = 1'000'000'000'000;
constexpr std::size_t kMostIntegerDigits = 13;
constexpr std::int64_t kMan = 10'000;

// A character as the reader compares it: full-width digits, comma and full stop as their ASCII
// forms, every yen sign as one, every blank as a space. A backslash is the yen sign of pages
// written in Shift-JIS, which browsers hand on as a backslash.
char16_t plain(char16_t c)
{
    if (c >= u'０' && c <= u'９')
        return static_cast<char16_t>(u'0' + (c - u'０'));
    switch (c) {
        case u'，':
            return u',';
        case u'．':
            return u'.';
        case u'￥':
        case u'\\':
            return u'¥';
        case u'\t':
        case u'\r':
        case u'\n':
        case u'\u3000':
        case u'\u00a0':
        case u'\u2028':
        case u'\u2029':
            return u' ';
        case u'〜':
        case u'~':
            return u'～';
        default:
            return c;
    }
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

class Scanner {
public:
    explicit Scanner(std::u16string_view text) : text_(text.size(), u'\0')
    {
        std::transform(text.begin(), text.end(), text_.begin(), plain);
    }

    std::size_t size() const { return text_.size(); }
    char16_t at(std::size_t i) const { return i < text_.size() ? text_[i] : u'\0'; }
    std::size_t skipBlanks(std::size_t i) const
    {
        while (at(i) == u' ')
            ++i;
        return i;
    }
    // Past the digits, commas and full stops from i: a number that is no price is passed whole,
    // so that no part of it is read again as a price of its own ("12.5円" is not "5円").
    std::size_t pastNumber(std::size_t i) const
    {
        while (isDigit(at(i)) || at(i) == u',' || at(i) == u'.')
            ++i;
        return i;
    }

private:
    std::u16string text_;
};

// A number as written, before its unit decides its value: "1.2" of "1.2万円" is 12,000 yen.
struct Amount {
    std::int64_t whole = 0;
    std::u16string fraction;    // the digits after the full stop
    bool man = false;           // followed by 万
    std::int64_t belowMan = 0;  // the yen after 万 ("1万2000円")
    bool grouped = false;       // written with commas

    // The yen, counting the number in units of 10,000 when man (or asked to); none when that
    // leaves a fraction of a yen.
    std::optional<std::int64_t> yen(bool inMan) const
    {
        std::int64_t unit = inMan ? kMan : 1;
        std::int64_t value = whole * unit;
        for (const char16_t digit : fraction) {
            unit /= 10;
            if (unit == 0 && digit != u'0')
                return std::nullopt;
            value += (digit - u'0') * unit;
        }
        return value + belowMan;
    }
    std::optional<std::int64_t> yen() const { return yen(man); }
};

// Digits from i, with commas between groups of three ("12,345"); the end lands before a comma
// that does not group.
std::optional<std::int64_t> readDigits(const Scanner& s, std::size_t& i, bool& grouped)
{
    std::int64_t value = 0;
    std::size_t digits = 0;
    std::size_t groupLength = 0;
    for (;;) {
        if (isDigit(s.at(i))) {
            if (++digits > kMostIntegerDigits)
                return std::nullopt;
            value = value * 10 + (s.at(i) - u'0');
            ++groupLength;
            ++i;
        } else if (s.at(i) == u',' && groupLength >= 1 && groupLength <= 3 && isDigit(s.at(i + 1)) &&
                   isDigit(s.at(i + 2)) && isDigit(s.at(i + 3)) && !isDigit(s.at(i + 4)) &&
                   (!grouped || groupLength == 3)) {
            grouped = true;
            groupLength = 0;
            ++i;
        } else {
            break;
        }
    }
    if (digits == 0 || (grouped && groupLength != 3))
        return std::nullopt;
    return value;
}

std::optional<Amount> readAmount(const Scanner& s, std::size_t& i)
{
    Amount amount;
    const std::optional<std::int64_t> whole = readDigits(s, i, amount.grouped);
    if (!whole)
        return std::nullopt;
    amount.whole = *whole;
    if (s.at(i) == u'.' && isDigit(s.at(i + 1))) {
        for (++i; isDigit(s.at(i)); ++i)
            amount.fraction += s.at(i);
    }
    const std::size_t unit = s.skipBlanks(i);
    if (s.at(unit) == u'万') {
        amount.man = true;
        i = unit + 1;
        // "1万2000円": the rest of the amount follows without a blank.
        std::size_t rest = i;
        bool restGrouped = false;
        if (amount.fraction.empty() && isDigit(s.at(rest))) {
            if (const auto below = readDigits(s, rest, restGrouped); below && *below < kMan) {
                amount.belowMan = *below;
                i = rest;
            }
        }
    }
    return amount;
}

// One side of a price or a range: an amount with its currency, if it has one.
struct Side {
    Amount amount;
    bool currency = false;  // a yen sign before or 円 after
    std::size_t end = 0;
};

std::optional<Side> readSide(const Scanner& s, std::size_t i)
{
    Side side;
    if (s.at(i) == u'¥') {
        side.currency = true;
        i = s.skipBlanks(i + 1);
    }
    if (!isDigit(s.at(i)))
        return std::nullopt;
    const std::optional<Amount> amount = readAmount(s, i);
    if (!amount)
        return std::nullopt;
    side.amount = *amount;
    const std::size_t after = s.skipBlanks(i);
    if (s.at(after) == u'円') {
        side.currency = true;
        i = after + 1;
    }
    side.end = i;
    return side;
}

class Prices {
public:
    bool full() const { return found_.size() >= kMostPrices; }
    void add(std::optional<std::int64_t> yen)
    {
        if (!yen || *yen <= 0 || *yen > kLargest || full())
            return;
        if (std::find(found_.begin(), found_.end(), *yen) == found_.end())
            found_.push_back(*yen);
    }
    std::vector<std::int64_t> take() { return std::move(found_); }

private:
    std::vector<std::int64_t> found_;
};

}  // namespace

std::vector<std::int64_t> findPrices(std::u16string_view text)
{
    const Scanner s(text);
    Prices prices;
    std::size_t i = 0;
    while (i < s.size() && !prices.full()) {
        if (!isDigit(s.at(i)) && s.at(i) != u'¥') {
            ++i;
            continue;
        }
        const std::size_t start = i;
        const std::optional<Side> left = readSide(s, i);
        if (!left) {
            i = s.at(i) == u'¥' ? i + 1 : s.pastNumber(i);
            continue;
        }
        i = left->end;
        const std::size_t mark = s.skipBlanks(i);
        if (s.at(mark) == u'～') {
            const std::optional<Side> right = readSide(s, s.skipBlanks(mark + 1));
            if (right && (left->currency || right->currency)) {
                // "1～2万円" counts both ends in 万.
                const Amount& l = left->amount;
                const auto rightYen = right->amount.yen();
                const auto leftInMan = l.yen(true);
                const bool sharedMan =
                    right->amount.man && !l.man && !l.grouped && rightYen && leftInMan && *leftInMan <= *rightYen;
                prices.add(sharedMan ? leftInMan : l.yen());
                prices.add(rightYen);
                i = right->end;
                continue;
            }
        }
        if (left->currency)
            prices.add(left->amount.yen());
        else
            i = std::max(i, s.pastNumber(start));
    }
    return prices.take();
}

std::optional<std::int64_t> readTypedPrice(std::u16string_view text)
{
    const Scanner s(text);
    const std::optional<Side> side = readSide(s, s.skipBlanks(0));
    if (!side || s.skipBlanks(side->end) != s.size())
        return std::nullopt;
    const std::optional<std::int64_t> yen = side->amount.yen();
    if (!yen || *yen <= 0 || *yen > kLargest)
        return std::nullopt;
    return yen;
}

std::string groupedDigits(std::int64_t amount)
{
    const std::string digits = std::to_string(amount < 0 ? -amount : amount);
    std::string grouped = amount < 0 ? "-" : "";
    for (std::size_t n = 0; n < digits.size(); ++n) {
        if (n > 0 && (digits.size() - n) % 3 == 0)
            grouped += ',';
        grouped += digits[n];
    }
    return grouped;
}
