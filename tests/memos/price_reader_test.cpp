#include "memos/price_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FindCase {
    std::u16string text;
    std::vector<std::int64_t> prices;
};

TEST(PriceReader, FindsPricesAsPagesWriteThemAndNothingElse)
{
    const FindCase cases[] = {
        {u"平均落札価格 12,345円", {12345}},
        {u"¥12,345", {12345}},
        {u"￥ 12,345", {12345}},
        {u"12345円", {12345}},
        {u"１２，３４５円", {12345}},
        {u"1.2万円", {12000}},
        {u"1万2000円", {12000}},
        {u"3万円", {30000}},
        {u"1,234,567円", {1234567}},
        // Tags between the parts leave blanks and line breaks in a selection.
        {u"12,345\n 円", {12345}},
        {u"\\9,800", {9800}},
        {u"平均 12,345円 最高 15,000円 最安 9,800円", {12345, 15000, 9800}},
        {u"1,000～3,000円", {1000, 3000}},
        {u"¥1,000〜¥3,000", {1000, 3000}},
        {u"1～2万円", {10000, 20000}},
        {u"5000～2万円", {5000, 20000}},
        {u"同じ 500円 と 500円", {500}},
        {u"1円 2円 3円 4円 5円 6円", {1, 2, 3, 4, 5}},
        // Not prices.
        {u"電話 03-1234-5678", {}},
        {u"2026年12月9日", {}},
        {u"送料無料", {}},
        {u"1/2", {}},
        {u"12,345", {}},
        {u"送料 0円", {}},
        {u"12.5円", {}},
        {u"12,34円", {}},
        {u"3～5個", {}},
        {u"¥", {}},
        {u"99999999999999円", {}},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(findPrices(c.text), c.prices);
    }
}

TEST(PriceReader, ReadsOneTypedAmountWithOrWithoutItsCurrency)
{
    const std::pair<std::u16string, std::optional<std::int64_t>> cases[] = {
        {u"12000", 12000},    {u" 12,000円 ", 12000},           {u"¥12,000", 12000},
        {u"1.2万", 12000},    {u"１２０００", 12000},           {u"", std::nullopt},
        {u"0", std::nullopt}, {u"12,000円 ほか", std::nullopt}, {u"abc", std::nullopt},
    };
    for (const auto& [text, yen] : cases) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        EXPECT_EQ(readTypedPrice(text), yen);
    }
    EXPECT_EQ(groupedDigits(1234567), "1,234,567");
    EXPECT_EQ(groupedDigits(-2345), "-2,345");
    EXPECT_EQ(groupedDigits(999), "999");
}

}  // namespace
