#include "options/option_values.h"

OptionValues optionValuesOf(const SettingsValues& s)
{
    return OptionValues{s.URL,         s.SoubaCheck, s.KaisaiCheck, s.YahooURL,  s.BiddersURL,      s.TabName,
                        s.SiteVisible, s.SiteName,   s.SiteURL,     s.MsgKeyDel, s.KeyTreeBackupN24};
}

void takeOptionValues(SettingsValues& s, const OptionValues& taken)
{
    s.URL = taken.URL;
    s.SoubaCheck = taken.SoubaCheck;
    s.KaisaiCheck = taken.KaisaiCheck;
    s.YahooURL = taken.YahooURL;
    s.BiddersURL = taken.BiddersURL;
    s.TabName = taken.TabName;
    s.SiteVisible = taken.SiteVisible;
    s.SiteName = taken.SiteName;
    s.SiteURL = taken.SiteURL;
    s.MsgKeyDel = taken.MsgKeyDel;
    s.KeyTreeBackupN24 = taken.KeyTreeBackup;
    s.KeyTreeBackupN25 = taken.KeyTreeBackup;
}
