// Opening the options dialog from the Tools menu: fill it from the running program, and only on OK
// put everything back at once. Nothing is written to the settings file here; the close does that.
#include "app/main_window.h"
#include "options/option_dlg.h"
#include "options/option_values.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QAction>
#include <QToolButton>

void TForm1::setUpOptions() { connectHandler(N5, &QAction::triggered, &TForm1::N5Click); }

void TForm1::attachDialogs(TAboutBox* aboutBox, TOptionDlg* optionDlg, TFavAucDlg* favAucDlg)
{
    AboutBox = aboutBox;
    OptionDlg = optionDlg;
    FavAucDlg = favAucDlg;
    connect(OptionDlg, &TOptionDlg::settingsReset, this, [this] { SettingsReset = true; });
}

void TForm1::N5Click()
{
    const OptionValues current = currentOptionValues();
    OptionDlg->showValues(current);
    if (OptionDlg->exec() != QDialog::Accepted)
        return;
    const OptionValues taken = OptionDlg->takenValues();
    applyOptionValues(current, taken);
    if (!(taken == current))
        settingsChangedByUser();
}

OptionValues TForm1::currentOptionValues() const
{
    OptionValues v;
    v.URL = Settings.URL;
    v.SoubaCheck = Settings.SoubaCheck;
    v.KaisaiCheck = Settings.KaisaiCheck;
    v.YahooURL = Settings.YahooURL;
    v.BiddersURL = Settings.BiddersURL;
    for (size_t tab = 0; tab < v.TabName.size(); ++tab)
        v.TabName[tab] = toSjis(TabControl2->tabCaption(static_cast<int>(tab)));
    for (size_t k = 0; k < v.SiteName.size(); ++k) {
        v.SiteVisible[k] = siteButtonShown(k);
        v.SiteName[k] = toSjis(SiteButtons[k]->toolTip());
        v.SiteURL[k] = Settings.SiteURL[k];
    }
    v.MsgKeyDel = Settings.MsgKeyDel;
    v.KeyTreeBackup = N24->isEnabled();
    return v;
}

// A text held by a control (tab caption, tooltip) is set only when it differs from shown, the
// value the dialog was opened with, so an untouched control keeps exactly what it had.
void TForm1::applyOptionValues(const OptionValues& shown, const OptionValues& taken)
{
    Settings.URL = taken.URL;
    Settings.SoubaCheck = taken.SoubaCheck;
    Settings.KaisaiCheck = taken.KaisaiCheck;
    Settings.YahooURL = taken.YahooURL;
    Settings.BiddersURL = taken.BiddersURL;
    for (size_t tab = 0; tab < taken.TabName.size(); ++tab)
        if (taken.TabName[tab] != shown.TabName[tab])
            TabControl2->setTabCaption(static_cast<int>(tab), fromSjis(taken.TabName[tab]));
    for (size_t k = 0; k < taken.SiteName.size(); ++k) {
        setSiteButtonShown(k, taken.SiteVisible[k]);
        if (taken.SiteName[k] != shown.SiteName[k])
            SiteButtons[k]->setToolTip(fromSjis(taken.SiteName[k]));
        Settings.SiteURL[k] = taken.SiteURL[k];
    }
    Settings.MsgKeyDel = taken.MsgKeyDel;
    N24->setEnabled(taken.KeyTreeBackup);
    N25->setEnabled(taken.KeyTreeBackup);
}
