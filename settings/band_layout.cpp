#include "settings/band_layout.h"

#include "settings/private_profile.h"

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kSection = "CoolBar";
constexpr int kDefaultWidth = 425;

// "Band" + position + "ID" / "Break" / "Width", as in Band0ID or Band3Break.
std::string bandKey(std::size_t position, std::string_view what)
{
    return "Band" + std::to_string(position) + std::string(what);
}

// Moves the band with the saved ID of each position there. Going through the positions in
// increasing order never disturbs the positions already done, so a saved order comes back
// exactly; a band found before position i is already placed and stays where it is.
void applySavedOrder(const PrivateProfile& profile, BandLayout& layout)
{
    auto& bands = layout.bands;
    for (std::size_t i = 0; i < kBandCount; ++i) {
        const int id = profile.readInteger(kSection, bandKey(i, "ID"), -1);
        if (id < 0 || id >= static_cast<int>(kBandCount))
            continue;
        const auto found = std::find_if(bands.begin() + static_cast<std::ptrdiff_t>(i), bands.end(),
                                        [id](const Band& band) { return band.id == id; });
        if (found != bands.end())
            std::rotate(bands.begin() + static_cast<std::ptrdiff_t>(i), found, found + 1);
    }
}

void applySavedBreaks(const PrivateProfile& profile, BandLayout& layout)
{
    for (std::size_t i = 0; i < kBandCount; ++i)
        layout.bands[i].startsRow = profile.readBool(kSection, bandKey(i, "Break"), true);
}

// A band that ends its row is stretched by the container to fill it, so only the widths of
// bands followed on the same row are worth reading. The extra pixel at positions 1..4 keeps
// layouts coming back as earlier versions of the program restored them.
void applySavedWidths(const PrivateProfile& profile, BandLayout& layout)
{
    auto& bands = layout.bands;
    for (std::size_t i = 0; i + 1 < kBandCount; ++i) {
        if (bands[i + 1].startsRow)
            continue;
        bands[i].width = profile.readInteger(kSection, bandKey(i, "Width"), kDefaultWidth);
        if (i >= 1 && bands[i].width < INT_MAX)
            bands[i].width += 1;
    }
}

}  // namespace

BandLayout designBandLayout()
{
    return BandLayout{{{
        {kSearchBand, true, 433},
        {kSiteBand, false, 221},
        {kSiteBand2, false, 151},
        {kAnimationBand, false, 59},
        {kNavigationBand, true, 299},
        {kAddressBand, false, 569},
    }}};
}

BandLayout restoreBandLayout(const PrivateProfile& profile, BandLayout current)
{
    applySavedOrder(profile, current);
    applySavedBreaks(profile, current);
    applySavedWidths(profile, current);
    return current;
}

void saveBandLayout(PrivateProfile& profile, const BandLayout& layout)
{
    for (std::size_t i = 0; i < kBandCount; ++i)
        profile.writeInteger(kSection, bandKey(i, "Width"), layout.bands[i].width);
    for (std::size_t i = 0; i < kBandCount; ++i)
        profile.writeBool(kSection, bandKey(i, "Break"), layout.bands[i].startsRow);
    for (std::size_t i = 0; i < kBandCount; ++i)
        profile.writeInteger(kSection, bandKey(i, "ID"), layout.bands[i].id);
}
