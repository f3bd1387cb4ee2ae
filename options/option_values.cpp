#include "options/option_values.h"

#include "app/main_window.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QToolButton>

OptionValues currentOptionValues(const TForm1& form)
{
    OptionValues v;
    v.URL = form.Settings.URL;
    v.SoubaCheck = form.Settings.SoubaCheck;
    v.KaisaiCheck = form.Settings.KaisaiCheck;
    v.YahooURL = form.Settings.YahooURL;
    v.BiddersURL = form.Settings.BiddersURL;
    for (size_t tab = 0; tab < v.TabName.size(); ++tab)
        v.TabName[tab] = toSjis(form.TabControl2->tabCaption(static_cast<int>(tab)));
    for (size_t k = 0; k < v.SiteName.size(); ++k) {
        v.SiteVisible[k] = form.siteButtonShown(k);
        v.SiteName[k] = toSjis(form.SiteButtons[k]->toolTip());
        v.SiteURL[k] = form.Settings.SiteURL[k];
    }
    v.MsgKeyDel = form.Settings.MsgKeyDel;
    v.KeyTreeBackup = form.N24->isEnabled();
    return v;
}

void applyOptionValues(TForm1& form, const OptionValues& shown, const OptionValues& taken)
{
    form.Settings.URL = taken.URL;
    form.Settings.SoubaCheck = taken.SoubaCheck;
    form.Settings.KaisaiCheck = taken.KaisaiCheck;
    form.Settings.YahooURL = taken.YahooURL;
    form.Settings.BiddersURL = taken.BiddersURL;
    for (size_t tab = 0; tab < taken.TabName.size(); ++tab)
        if (taken.TabName[tab] != shown.TabName[tab])
            form.TabControl2->setTabCaption(static_cast<int>(tab), fromSjis(taken.TabName[tab]));
    for (size_t k = 0; k < taken.SiteName.size(); ++k) {
        form.setSiteButtonShown(k, taken.SiteVisible[k]);
        if (taken.SiteName[k] != shown.SiteName[k])
            form.SiteButtons[k]->setToolTip(fromSjis(taken.SiteName[k]));
        form.Settings.SiteURL[k] = taken.SiteURL[k];
    }
    form.Settings.MsgKeyDel = taken.MsgKeyDel;
    form.N24->setEnabled(taken.KeyTreeBackup);
    form.N25->setEnabled(taken.KeyTreeBackup);
}
