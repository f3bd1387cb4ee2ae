#include "settings/band_layout_binding.h"

#include "widgets/cool_bar.h"

#include <climits>

BandLayout bandLayoutOf(const CoolBar& coolBar)
{
    BandLayout layout;
    for (std::size_t i = 0; i < kBandCount; ++i) {
        const int position = static_cast<int>(i);
        layout.bands[i] = Band{coolBar.bandIdAt(position), coolBar.breakAt(position), coolBar.widthAt(position)};
    }
    return layout;
}

void applyBandLayout(CoolBar& coolBar, const BandLayout& layout)
{
    // Moving in increasing order of position leaves the positions already done alone.
    for (std::size_t i = 0; i < kBandCount; ++i)
        coolBar.moveBand(layout.bands[i].id, static_cast<int>(i));
    for (std::size_t i = 0; i < kBandCount; ++i) {
        coolBar.setBreakAt(static_cast<int>(i), layout.bands[i].startsRow);
        coolBar.setWidthAt(static_cast<int>(i), layout.bands[i].width);
    }
}

BandLayout bandLayoutForFile(BandLayout layout)
{
    auto& bands = layout.bands;
    for (std::size_t i = 1; i + 1 < kBandCount; ++i)
        if (!bands[i + 1].startsRow && bands[i].width > INT_MIN)
            bands[i].width -= 1;
    return layout;
}
