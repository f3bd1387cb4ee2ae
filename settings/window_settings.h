#pragma once
// The main window's own part of the settings: its bounds, the two pane sizes, the band layout and
// the View menu's marks for the bars and the strip. Put on the window at start, taken back at the
// close; while the program runs the window holds them (the user moves and sizes it).
#include "settings/settings_values.h"

#include <array>
#include <string>

class CoolBar;
class QAction;
class QWidget;
class SplitterPane;

struct WindowSettingsWidgets {
    QWidget* window;
    CoolBar* bands;
    SplitterPane* treePane;     // the keyword pane's width
    SplitterPane* favListPane;  // the watched-auction strip's height
    // The bars in the order of their keys (SearchBar, NaviBar, SiteBar, URLBar, AnimeBar,
    // SiteBar2, FavList) and the View menu item that marks each.
    std::array<QWidget*, 7> bars;
    std::array<QAction*, 7> marks;
};

// place: the window's place among the copies running on the folder (takeWindowPlace); each place
// after the first opens one cascade step further right and down, so no copy hides another.
void applyWindowSettings(const WindowSettingsWidgets& w, const SettingsValues& values, int place = 0);
// marksApplied: the window has been activated, so the bars follow their marks (see barShown).
void takeWindowSettings(const WindowSettingsWidgets& w, bool marksApplied, SettingsValues& values);

// The first place (0, 1, ...) that no other copy of the program running on the folder of
// companionBase holds now; it is held until window (and every other window of this process on
// the folder) is destroyed. Each place is a lock file in the user's runtime folder (QLockFile: a
// copy that died lets go of it); where none can be made the place is 0.
int takeWindowPlace(QWidget& window, const std::string& companionBase);
