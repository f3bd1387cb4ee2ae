// The settings model and the main window: the store reads the file into the model, the window puts
// its own part (bounds, pane sizes, bands, the View menu's marks) on its controls and each feature
// shows its part; at the close the window's part is taken back into the model and the store writes.
#include "app/main_window.h"
#include "keywords/keyword_tabs.h"
#include "search/search_bar.h"
#include "settings/band_layout_binding.h"
#include "settings/settings_store.h"
#include "widgets/cool_bar.h"
#include "widgets/splitter_pane.h"

#include <QAction>
#include <QEvent>
#include <QSplitter>
#include <QToolBar>

#include <algorithm>

namespace {

// Sets a flag once the window has been activated for the first time: the activation is what puts
// the View menu's marks on the bars.
class FirstActivationWatch : public QObject {
public:
    FirstActivationWatch(QObject* window, bool& activated) : QObject(window), activated_(activated)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            activated_ = true;
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool& activated_;
};

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

}  // namespace

void TForm1::LoadSettings()
{
    new FirstActivationWatch(this, viewMarksApplied_);
    Settings = settingsStore_->LoadSettings(bandLayoutOf(*CoolBar1));
    applyWindowSettings();
    search_->showSettings();
    keywords_->showSettings();
    settingsStore_->throwIfNotReadWhole();
}

void TForm1::SaveSettings()
{
    takeWindowSettings();
    settingsStore_->SaveSettings(Settings);
}

void TForm1::applyWindowSettings()
{
    const SettingsValues& v = Settings;
    move(boundedCoordinate(v.Left), boundedCoordinate(v.Top));
    resize(boundedExtent(v.Width), boundedExtent(v.Height));
    setTreeWidth(v.TreeWidth);
    setFavListHeight(v.FavListHeight);
    applyBandLayout(*CoolBar1, v.Bands);
    // Only the marks: the bars follow them when the window is first activated.
    N2->setChecked(v.SearchBar);
    N3->setChecked(v.NaviBar);
    N4->setChecked(v.SiteBar);
    N16->setChecked(v.URLBar);
    N17->setChecked(v.AnimeBar);
    N21->setChecked(v.SiteBar2);
    N22->setChecked(v.FavList);
}

void TForm1::takeWindowSettings()
{
    SettingsValues& v = Settings;
    v.Top = pos().y();
    v.Left = pos().x();
    v.Width = width();
    v.Height = height();
    v.TreeWidth = treeWidth();
    v.FavListHeight = favListHeight();
    v.Bands = bandLayoutForFile(bandLayoutOf(*CoolBar1));
    v.SearchBar = barShown(ToolBar1, N2, viewMarksApplied_);
    v.NaviBar = barShown(ToolBar2, N3, viewMarksApplied_);
    v.SiteBar = barShown(ToolBar3, N4, viewMarksApplied_);
    v.URLBar = barShown(ToolBar4, N16, viewMarksApplied_);
    v.AnimeBar = barShown(ToolBar5, N17, viewMarksApplied_);
    v.SiteBar2 = barShown(ToolBar6, N21, viewMarksApplied_);
    v.FavList = barShown(Panel2, N22, viewMarksApplied_);
}

// Until the settings set a size the splitters' own sizes answer.
int TForm1::treeWidth() const { return treePane_ ? treePane_->size() : Splitter1->sizes().value(0); }

void TForm1::setTreeWidth(int width)
{
    if (!treePane_)
        treePane_ = new SplitterPane(Splitter1, 0);
    treePane_->setSize(width);
}

int TForm1::favListHeight() const { return favListPane_ ? favListPane_->size() : Splitter2->sizes().value(1); }

void TForm1::setFavListHeight(int height)
{
    if (!favListPane_)
        favListPane_ = new SplitterPane(Splitter2, 1);
    favListPane_->setSize(height);
}
