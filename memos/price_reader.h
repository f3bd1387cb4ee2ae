#pragma once
// Prices as Japanese pages write them, read from a selection: "12,345円", "¥12,345", "１２，３４５円",
// "1.2万円", "1万2000円", blanks (and the line breaks that tags between the parts leave in a
// selection) allowed between the parts. A number is a price only with its currency: a yen sign
// before it or 円 after it, so telephone numbers, dates and fractions are never taken for prices.
// A range ("1,000～3,000円") gives both of its ends.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The menu offers no more than this many prices of one selection.
inline constexpr std::size_t kMostPrices = 5;

// The prices in text in yen, in the order they appear, each value once, at most kMostPrices.
// Prices of 0 and fractions of a yen are left out.
std::vector<std::int64_t> findPrices(std::u16string_view text);

// A price typed by the user: one amount in any of the forms above, with or without its currency
// ("12000", "12,000円", "1.2万"); none for anything else, or for 0.
std::optional<std::int64_t> readTypedPrice(std::u16string_view text);

// The amount with a comma between groups of three digits: "12,345".
std::string groupedDigits(std::int64_t amount);
