// The settings model and the main window: the store reads the file into the model, the window puts
// its own part on its controls and each feature shows its part; at the close the window's part is
// taken back into the model and the store writes it.
#include "settings/window_settings.h"

#include "app/main_window.h"
#include "keywords/keyword_tabs.h"
#include "search/search_bar.h"
#include "settings/band_layout_binding.h"
#include "settings/settings_store.h"
#include "widgets/first_activation_watch.h"
#include "widgets/splitter_pane.h"

#include <QAction>
#include <QToolBar>

void TForm1::LoadSettings()
{
    new FirstActivationWatch(this, viewMarksApplied_);
    Settings = settingsStore_->LoadSettings(bandLayoutOf(*CoolBar1));
    applyWindowSettings(windowSettingsWidgets(), Settings, takeWindowPlace(*this, companionBase()));
    search_->showSettings();
    keywords_->showSettings();
    settingsStore_->throwIfNotReadWhole();
}

void TForm1::SaveSettings()
{
    takeWindowSettings(windowSettingsWidgets(), viewMarksApplied_, Settings);
    settingsStore_->SaveSettings(Settings);
}

WindowSettingsWidgets TForm1::windowSettingsWidgets()
{
    return {this,
            CoolBar1,
            treePane_,
            favListPane_,
            {ToolBar1, ToolBar2, ToolBar3, ToolBar4, ToolBar5, ToolBar6, Panel2},
            {N2, N3, N4, N16, N17, N21, N22}};
}

int TForm1::treeWidth() const { return treePane_->size(); }
int TForm1::favListHeight() const { return favListPane_->size(); }
