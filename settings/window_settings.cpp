#include "settings/window_settings.h"

#include "settings/band_layout_binding.h"
#include "widgets/splitter_pane.h"

#include <QAction>
#include <QWidget>

#include <algorithm>

namespace {

// The window system carries window positions and sizes as 16-bit numbers; a larger value from the
// file could only wrap around there, overflow the window's edges here, or ask for a backing store
// of many gigabytes. The position is still applied without any check against the screens.
constexpr int kLargestWindowNumber = 32767;
int boundedCoordinate(int value) { return std::clamp(value, -kLargestWindowNumber, kLargestWindowNumber); }
int boundedExtent(int value) { return std::clamp(value, 0, kLargestWindowNumber); }

// A bar's visibility as set. Until the first activation the bars still show as the layout built
// them, and the marks are what they are about to show; after it, the two always agree.
bool barShown(const QWidget* bar, const QAction* mark, bool marksApplied)
{
    return marksApplied ? !bar->isHidden() : mark->isChecked();
}

// The bar keys, in the order of WindowSettingsWidgets::bars.
std::array<bool*, 7> barKeys(SettingsValues& v)
{
    return {&v.SearchBar, &v.NaviBar, &v.SiteBar, &v.URLBar, &v.AnimeBar, &v.SiteBar2, &v.FavList};
}

}  // namespace

void applyWindowSettings(const WindowSettingsWidgets& w, const SettingsValues& values)
{
    w.window->move(boundedCoordinate(values.Left), boundedCoordinate(values.Top));
    w.window->resize(boundedExtent(values.Width), boundedExtent(values.Height));
    w.treePane->setSize(values.TreeWidth);
    w.favListPane->setSize(values.FavListHeight);
    applyBandLayout(*w.bands, values.Bands);
    // Only the marks: the bars follow them when the window is first activated.
    SettingsValues copy = values;
    const std::array<bool*, 7> keys = barKeys(copy);
    for (size_t i = 0; i < keys.size(); ++i)
        w.marks[i]->setChecked(*keys[i]);
}

void takeWindowSettings(const WindowSettingsWidgets& w, bool marksApplied, SettingsValues& values)
{
    values.Top = w.window->pos().y();
    values.Left = w.window->pos().x();
    values.Width = w.window->width();
    values.Height = w.window->height();
    values.TreeWidth = w.treePane->size();
    values.FavListHeight = w.favListPane->size();
    values.Bands = bandLayoutForFile(bandLayoutOf(*w.bands));
    const std::array<bool*, 7> keys = barKeys(values);
    for (size_t i = 0; i < keys.size(); ++i)
        *keys[i] = barShown(w.bars[i], w.marks[i], marksApplied);
}
