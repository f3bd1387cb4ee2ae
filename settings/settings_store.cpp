// Settings load and save: the settings file's values put on the window's controls and the settings
// record as the first step of start-up, and taken from them again as the first step of the close.
#include "app/main_window.h"
#include "files/companion_file.h"
#include "files/companion_paths.h"
#include "files/errors.h"
#include "files/file_io.h"
#include "files/save_lock.h"
#include "settings/band_layout_binding.h"
#include "settings/private_profile.h"
#include "settings/settings_values.h"
#include "text/sjis_text.h"
#include "widgets/cool_bar.h"
#include "widgets/tab_control.h"

#include <QAction>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>

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

// What the start-up made of the settings file: the values, and the file's read outcome.
SettingsValues readSettingsFile(CompanionFile& file, const BandLayout& current)
{
    const std::string bytes = file.read();
    // A file that cannot be read still leaves the window as a first start would have it.
    if (file.absent() || file.unreadable())
        return defaultSettingsValues(current);
    return readSettings(PrivateProfile::parse(bytes), current);
}

// The program's own keys alone, as values would write them.
PrivateProfile profileOf(const SettingsValues& values)
{
    PrivateProfile profile = PrivateProfile::parse("");
    writeSettings(profile, values);
    return profile;
}

// The window system carries window positions and sizes as 16-bit numbers; a larger value from the
// file could only wrap around there, overflow the window's edges here, or ask for a backing store
// of many gigabytes. The position is still applied without any check against the screens.
constexpr int kLargestWindowNumber = 32767;
int boundedCoordinate(int value) { return std::clamp(value, -kLargestWindowNumber, kLargestWindowNumber); }
int boundedExtent(int value) { return std::clamp(value, 0, kLargestWindowNumber); }

void applyToWindow(TForm1& form, const SettingsValues& v)
{
    form.move(boundedCoordinate(v.Left), boundedCoordinate(v.Top));
    form.resize(boundedExtent(v.Width), boundedExtent(v.Height));
    form.setTreeWidth(v.TreeWidth);
    form.setFavListHeight(v.FavListHeight);
    applyBandLayout(*form.CoolBar1, v.Bands);

    // Only the marks: the bars follow them when the window is first activated.
    form.N2->setChecked(v.SearchBar);
    form.N3->setChecked(v.NaviBar);
    form.N4->setChecked(v.SiteBar);
    form.N16->setChecked(v.URLBar);
    form.N17->setChecked(v.AnimeBar);
    form.N21->setChecked(v.SiteBar2);
    form.N22->setChecked(v.FavList);

    SettingsRecord& s = form.Settings;
    s.URL = v.URL;
    s.SoubaCheck = v.SoubaCheck;
    s.KaisaiCheck = v.KaisaiCheck;
    s.YahooURL = v.YahooURL;
    s.BiddersURL = v.BiddersURL;
    s.SiteURL = v.SiteURL;
    for (std::size_t k = 0; k < kSiteCount; ++k) {
        form.SiteButtons[k]->setToolTip(fromSjis(v.SiteName[k]));
        form.setSiteButtonShown(k, v.SiteVisible[k]);
    }
    for (std::size_t tab = 0; tab < kKeywordTabCount; ++tab)
        form.TabControl2->setTabCaption(static_cast<int>(tab), fromSjis(v.TabName[tab]));
    s.MsgKeyDel = v.MsgKeyDel;
    form.N24->setEnabled(v.KeyTreeBackupN24);
    form.N25->setEnabled(v.KeyTreeBackupN25);
}

// A bar's visibility as set. Until the first activation the bars still show as the layout built
// them, and the marks are what they are about to show; after it, the two always agree.
bool barShown(const QWidget* bar, const QAction* mark, bool marksApplied)
{
    return marksApplied ? !bar->isHidden() : mark->isChecked();
}

SettingsValues takeFromWindow(const TForm1& form, bool marksApplied)
{
    SettingsValues v;
    v.Top = form.pos().y();
    v.Left = form.pos().x();
    v.Width = form.width();
    v.Height = form.height();
    v.TreeWidth = form.treeWidth();
    v.FavListHeight = form.favListHeight();
    v.Bands = bandLayoutForFile(bandLayoutOf(*form.CoolBar1));

    v.SearchBar = barShown(form.ToolBar1, form.N2, marksApplied);
    v.NaviBar = barShown(form.ToolBar2, form.N3, marksApplied);
    v.SiteBar = barShown(form.ToolBar3, form.N4, marksApplied);
    v.URLBar = barShown(form.ToolBar4, form.N16, marksApplied);
    v.AnimeBar = barShown(form.ToolBar5, form.N17, marksApplied);
    v.SiteBar2 = barShown(form.ToolBar6, form.N21, marksApplied);
    v.FavList = barShown(form.Panel2, form.N22, marksApplied);

    const SettingsRecord& s = form.Settings;
    v.URL = s.URL;
    v.SoubaCheck = s.SoubaCheck;
    v.KaisaiCheck = s.KaisaiCheck;
    v.YahooURL = s.YahooURL;
    v.BiddersURL = s.BiddersURL;
    v.SiteURL = s.SiteURL;
    for (std::size_t k = 0; k < kSiteCount; ++k)
        v.SiteVisible[k] = form.siteButtonShown(k);
    v.MsgKeyDel = s.MsgKeyDel;
    v.KeyTreeBackupN24 = form.N24->isEnabled();
    v.KeyTreeBackupN25 = form.N25->isEnabled();
    return v;
}

}  // namespace

void TForm1::LoadSettings()
{
    new FirstActivationWatch(this, settingsState_.viewMarksApplied);
    CompanionFile file(settingsFilePath(companionBase()));
    const SettingsValues values = readSettingsFile(file, bandLayoutOf(*CoolBar1));
    applyToWindow(*this, values);
    settingsState_.siteNameBytes = values.SiteName;
    settingsState_.tabNameBytes = values.TabName;
    settingsState_.fileValues = profileOf(values);
    // A file not read whole is not written over until the user changes the settings (options).
    settingsState_.file = std::move(file);
    settingsState_.file.throwIfNotReadWhole();
}

void TForm1::settingsChangedByUser() { settingsState_.file.release(); }

void TForm1::SaveSettings()
{
    CompanionFile& file = settingsState_.file;
    const std::string path = settingsFilePath(companionBase());
    if (file.path() != path)
        file = CompanionFile(path);
    if (file.heldBack())
        return;
    SettingsValues values = takeFromWindow(*this, settingsState_.viewMarksApplied);
    for (std::size_t k = 0; k < kSiteCount; ++k)
        values.SiteName[k] = bytesOfShownText(SiteButtons[k]->toolTip(), settingsState_.siteNameBytes[k]);
    for (std::size_t tab = 0; tab < kKeywordTabCount; ++tab)
        values.TabName[tab] =
            bytesOfShownText(TabControl2->tabCaption(static_cast<int>(tab)), settingsState_.tabNameBytes[tab]);

    // The values go onto the file as it is on disk now, so lines the program does not own stay;
    // another copy's save of the folder comes before that read or after the write.
    const SaveLock lock(path);
    std::string onDisk;
    if (fileExists(path)) {
        try {
            onDisk = readWholeFile(path);
        } catch (const FileOpenError&) {
            // A file that cannot be read, whose user was told at start and has since changed the
            // settings, gets a new one in its place; otherwise the close could never go past it.
            if (isReadOnlyFile(path))
                throw ProfileWriteError(path, EACCES);
        }
    }
    PrivateProfile profile = PrivateProfile::parse(onDisk);
    if (file.changedOnDisk())
        // Another program (a second window, a sync tool) wrote the file since this window read it:
        // only what this window changed goes over theirs.
        profile.applyChangedValues(settingsState_.fileValues, profileOf(values));
    else
        writeSettings(profile, values);
    const std::string bytes = profile.toBytes();
    if (const int cause = replaceFile(path, bytes); cause != 0) {
        ProfileWriteError error(path, cause, notAFileAt(path));
        error.unsaved = bytes;
        throw error;
    }
    file.noteWritten(bytes);
    settingsState_.fileValues = profileOf(values);
}
