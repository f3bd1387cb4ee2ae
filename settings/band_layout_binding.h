#pragma once
// The band container's layout as the settings file sees it: taken from CoolBar1 and put back on
// it. How a saved layout is restored is decided in app/band_layout.h; this only moves the value.
#include "settings/band_layout.h"

class CoolBar;

// The bands in their current order with their row breaks and widths.
BandLayout bandLayoutOf(const CoolBar& coolBar);

// Puts order, breaks and widths on the bands: position by position, each band moved to its place
// first, then every row break and width.
void applyBandLayout(CoolBar& coolBar, const BandLayout& layout);

// The layout as the file should keep it. The load gives a band at positions 1..4 that shares its
// row with the next band its stored width plus one, and the band container keeps widths exactly
// as set, so those widths are written one less: a start followed by a close then writes back the
// file it read instead of widening such bands by a pixel on every run.
BandLayout bandLayoutForFile(BandLayout layout);
