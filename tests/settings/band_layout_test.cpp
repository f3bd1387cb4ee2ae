#include "settings/band_layout.h"

#include "settings/private_profile.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

namespace {

using Order = std::array<int, kBandCount>;

Order orderOf(const BandLayout& layout)
{
    Order ids{};
    for (std::size_t i = 0; i < kBandCount; ++i)
        ids[i] = layout.bands[i].id;
    return ids;
}

std::string coolBar(const std::vector<std::string>& entries)
{
    std::string file = "[CoolBar]\r\n";
    for (const std::string& entry : entries)
        file += entry + "\r\n";
    return file;
}

BandLayout restored(const std::string& file)
{
    return restoreBandLayout(PrivateProfile::parse(file), designBandLayout());
}

// Breaks for positions 0..5 as "Band<i>Break=<b>" entries.
std::vector<std::string> breaks(const std::array<int, kBandCount>& values)
{
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < kBandCount; ++i)
        entries.push_back("Band" + std::to_string(i) + "Break=" + std::to_string(values[i]));
    return entries;
}

}  // namespace

TEST(BandLayoutRestore, WithoutSavedLayoutEveryBandHasItsOwnRow)
{
    const BandLayout layout = restored("");
    const BandLayout design = designBandLayout();
    EXPECT_EQ(orderOf(layout), (Order{0, 1, 2, 3, 4, 5}));
    for (std::size_t i = 0; i < kBandCount; ++i) {
        EXPECT_TRUE(layout.bands[i].startsRow) << i;
        EXPECT_EQ(layout.bands[i].width, design.bands[i].width) << "no width is read, position " << i;
    }
}

TEST(BandLayoutRestore, SavedOrder)
{
    struct Case {
        std::array<const char*, kBandCount> ids;
        Order expected;
    };
    const Case cases[] = {
        {{"4", "5", "0", "1", "2", "3"}, {4, 5, 0, 1, 2, 3}},
        {{"5", "4", "3", "2", "1", "0"}, {5, 4, 3, 2, 1, 0}},
        {{"-1", "-1", "-1", "-1", "-1", "-1"}, {0, 1, 2, 3, 4, 5}},
        {{"-1", "5", "-7", "-1", "-1", "-1"}, {0, 5, 1, 2, 3, 4}},  // negative: position left alone
        {{"6", "4", "100", "-1", "-1", "-1"}, {0, 4, 1, 2, 3, 5}},  // no such band: left alone
        {{"abc", "0x05", "", "-1", "-1", "-1"}, {0, 5, 1, 2, 3, 4}},
        // A band placed at an earlier position is not pulled back out of it.
        {{"3", "3", "3", "3", "3", "3"}, {3, 0, 1, 2, 4, 5}},
        {{"4", "4", "0", "1", "2", "3"}, {4, 0, 1, 2, 3, 5}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> entries;
        for (std::size_t i = 0; i < kBandCount; ++i)
            entries.push_back("Band" + std::to_string(i) + "ID=" + c.ids[i]);
        EXPECT_EQ(orderOf(restored(coolBar(entries))), c.expected) << c.ids[0] << "," << c.ids[1];
    }
}

TEST(BandLayoutRestore, SavedOrderIsWrittenBackUnchanged)
{
    const std::string file = coolBar({"Band0ID=4", "Band1ID=5", "Band2ID=0", "Band3ID=1", "Band4ID=2", "Band5ID=3"});
    PrivateProfile saved;
    saveBandLayout(saved, restored(file));
    for (std::size_t i = 0; i < kBandCount; ++i)
        EXPECT_EQ(saved.readInteger("CoolBar", "Band" + std::to_string(i) + "ID", -1), (Order{4, 5, 0, 1, 2, 3})[i]);
}

TEST(BandLayoutRestore, WidthsOnlyOfBandsFollowedOnTheirRow)
{
    const std::vector<std::string> widths = {"Band0Width=300", "Band1Width=200", "Band2Width=100",
                                             "Band3Width=50",  "Band4Width=400", "Band5Width=999"};
    const auto withWidths = [&](std::vector<std::string> entries) {
        entries.insert(entries.end(), widths.begin(), widths.end());
        return restored(coolBar(entries));
    };
    const BandLayout design = designBandLayout();
    struct Case {
        std::array<int, kBandCount> breaks;
        Order expectedWidths;
    };
    const Order d = {design.bands[0].width, design.bands[1].width, design.bands[2].width,
                     design.bands[3].width, design.bands[4].width, design.bands[5].width};
    const Case cases[] = {
        {{1, 0, 1, 1, 1, 1}, {300, d[1], d[2], d[3], d[4], d[5]}},  // band 0 gets exactly its width
        {{1, 0, 0, 1, 1, 1}, {300, 201, d[2], d[3], d[4], d[5]}},   // later positions one more
        {{1, 1, 1, 1, 1, 0}, {d[0], d[1], d[2], d[3], 401, d[5]}},
        {{0, 0, 0, 0, 0, 0}, {300, 201, 101, 51, 401, d[5]}},  // Band5Width is never read
        {{1, 1, 1, 1, 1, 1}, d},
    };
    for (const Case& c : cases) {
        const BandLayout layout = withWidths(breaks(c.breaks));
        Order got{};
        for (std::size_t i = 0; i < kBandCount; ++i) {
            got[i] = layout.bands[i].width;
            EXPECT_EQ(layout.bands[i].startsRow, c.breaks[i] != 0);
        }
        EXPECT_EQ(got, c.expectedWidths) << c.breaks[1] << c.breaks[2];
    }
}

TEST(BandLayoutRestore, WidthDefaultsAndExtremes)
{
    auto entries = breaks({1, 0, 0, 1, 1, 1});
    entries.push_back("Band0Width=abc");
    entries.push_back("Band1Width=2147483647");
    const BandLayout layout = restored(coolBar(entries));
    EXPECT_EQ(layout.bands[0].width, 425);
    EXPECT_EQ(layout.bands[1].width, INT_MAX);  // the extra pixel must not overflow

    auto missing = breaks({1, 1, 0, 1, 1, 1});
    EXPECT_EQ(restored(coolBar(missing)).bands[1].width, 426);
}

TEST(BandLayoutSave, WidthsThenBreaksThenIds)
{
    BandLayout layout = designBandLayout();
    std::swap(layout.bands[0], layout.bands[4]);
    PrivateProfile profile;
    saveBandLayout(profile, layout);
    EXPECT_EQ(profile.toBytes(),
              "[CoolBar]\r\n"
              "Band0Width=299\r\nBand1Width=221\r\nBand2Width=151\r\nBand3Width=59\r\n"
              "Band4Width=433\r\nBand5Width=569\r\n"
              "Band0Break=1\r\nBand1Break=0\r\nBand2Break=0\r\nBand3Break=0\r\n"
              "Band4Break=1\r\nBand5Break=0\r\n"
              "Band0ID=4\r\nBand1ID=1\r\nBand2ID=2\r\nBand3ID=3\r\nBand4ID=0\r\nBand5ID=5\r\n");
}
