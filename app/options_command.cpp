// Opening the options dialog from the Tools menu: it edits a copy of the settings model, and only
// on OK is everything put back at once. Nothing is written to the settings file here; the close
// does that.
#include "app/main_window.h"
#include "keywords/keyword_tabs.h"
#include "options/option_dlg.h"
#include "search/search_bar.h"
#include "settings/settings_store.h"

void TForm1::attachDialogs(TAboutBox* aboutBox, TOptionDlg* optionDlg, TFavAucDlg* favAucDlg)
{
    AboutBox = aboutBox;
    OptionDlg = optionDlg;
    FavAucDlg = favAucDlg;
    connect(OptionDlg, &TOptionDlg::settingsReset, this, [this] { SettingsReset = true; });
}

void TForm1::ensureDialogs()
{
    if (makeDialogs_)
        std::exchange(makeDialogs_, {})();
}

void TForm1::N5Click()
{
    ensureDialogs();
    const OptionValues current = currentOptionValues();
    OptionDlg->showValues(current);
    if (OptionDlg->exec() != QDialog::Accepted)
        return;
    const OptionValues taken = OptionDlg->takenValues();
    applyOptionValues(taken);
    if (!(taken == current))
        settingsStore_->settingsChangedByUser();
}

OptionValues TForm1::currentOptionValues() const { return optionValuesOf(Settings); }

void TForm1::applyOptionValues(const OptionValues& taken)
{
    takeOptionValues(Settings, taken);
    search_->showSettings();
    keywords_->showSettings();
}
