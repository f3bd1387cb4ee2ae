#include "settings/window_settings.h"

#include "settings/band_layout_binding.h"
#include "widgets/splitter_pane.h"

#include <QAction>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// The window system carries window positions and sizes as 16-bit numbers; a larger value from the
// file could only wrap around there, overflow the window's edges here, or ask for a backing store
// of many gigabytes. The position is still applied without any check against the screens.
constexpr int kLargestWindowNumber = 32767;
int boundedCoordinate(int value) { return std::clamp(value, -kLargestWindowNumber, kLargestWindowNumber); }
int boundedExtent(int value) { return std::clamp(value, 0, kLargestWindowNumber); }

// How far each further copy's window opens right and down from the one before.
constexpr int kCascadeStep = 26;
// The window's place among the copies, kept on it for the close.
constexpr char kPlaceProperty[] = "ribemoWindowPlace";

// Tells the window system's window of the maximized state when the window is first shown: the
// state set on the widget before it is shown does not reach the window X11 maps for it.
class MaximizeAtShow : public QObject {
public:
    explicit MaximizeAtShow(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            // The widget has the state already, so only its window system's window is told.
            if (QWindow* handle = static_cast<QWidget*>(watched)->windowHandle())
                handle->setWindowStates(handle->windowStates() | Qt::WindowMaximized);
            deleteLater();
        }
        return false;
    }
};

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

void applyWindowSettings(const WindowSettingsWidgets& w, const SettingsValues& values, int place)
{
    const int step = kCascadeStep * place;
    w.window->move(boundedCoordinate(values.Left + step), boundedCoordinate(values.Top + step));
    w.window->resize(boundedExtent(values.Width), boundedExtent(values.Height));
    // Set before the window is shown, the state takes effect when it is; the bounds above stay
    // its normal ones, to go back to.
    if (values.Maximized) {
        w.window->setWindowState(w.window->windowState() | Qt::WindowMaximized);
        new MaximizeAtShow(w.window);
    }
    w.window->setProperty(kPlaceProperty, place);
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
    // A maximized window keeps its normal bounds in the four keys, so that they mean what they
    // always meant; the frame's offset from the client area is the one it has now.
    values.Maximized = w.window->isMaximized();
    const QRect normal = values.Maximized ? w.window->normalGeometry() : w.window->geometry();
    const QPoint frameOffset = w.window->geometry().topLeft() - w.window->pos();
    // A further copy's step is not kept, or each start after it would open one step further.
    const int step = kCascadeStep * w.window->property(kPlaceProperty).toInt();
    values.Top = normal.y() - frameOffset.y() - step;
    values.Left = normal.x() - frameOffset.x() - step;
    values.Width = normal.width();
    values.Height = normal.height();
    values.TreeWidth = w.treePane->size();
    values.FavListHeight = w.favListPane->size();
    values.Bands = bandLayoutForFile(bandLayoutOf(*w.bands));
    const std::array<bool*, 7> keys = barKeys(values);
    for (size_t i = 0; i < keys.size(); ++i)
        *keys[i] = barShown(w.bars[i], w.marks[i], marksApplied);
}
