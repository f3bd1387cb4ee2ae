#pragma once
// The six bands of the band container as a plain value: their current order, row breaks and
// widths. The window's band container only gets and sets this value; how a saved layout is put
// back onto the bands is decided here, without any widget.
#include <array>
#include <cstddef>

class PrivateProfile;

inline constexpr std::size_t kBandCount = 6;

// Band IDs, given in this order when the band container is built; the settings file names bands by
// these numbers.
enum BandId : int {
    kSearchBand = 0,      // ToolBar1
    kSiteBand = 1,        // ToolBar3
    kSiteBand2 = 2,       // ToolBar6
    kAnimationBand = 3,   // ToolBar5
    kNavigationBand = 4,  // ToolBar2
    kAddressBand = 5,     // ToolBar4
};

struct Band {
    int id = 0;
    bool startsRow = true;
    int width = 0;

    bool operator==(const Band&) const = default;
};

// bands[i] is the band at position i, counting row by row from 0. The IDs are always 0..5, each
// once.
struct BandLayout {
    std::array<Band, kBandCount> bands{};

    bool operator==(const BandLayout&) const = default;
};

// The layout as the window is built: bands 0..3 on the first row, 4 and 5 on the second, with
// their design widths.
BandLayout designBandLayout();

// Puts the saved layout onto current: first the order (each saved ID moves its band to its
// position; a negative ID, an ID of 6 or more, or the ID of a band already placed at an earlier
// position leaves the position as it is), then the row breaks, then the widths of the bands at
// positions 0..4 whose next band shares their row. Widths at positions 1..4 come back one
// larger than stored, and the width of a band that ends a row is never read.
BandLayout restoreBandLayout(const PrivateProfile& profile, BandLayout current);

// Writes the widths, then the row breaks, then the IDs of the bands at positions 0..5.
void saveBandLayout(PrivateProfile& profile, const BandLayout& layout);
