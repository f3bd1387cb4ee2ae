#pragma once
// What the options dialog edits: a copy of its part of the settings model, taken back on OK.
#include "settings/settings_values.h"

#include <array>
#include <string>

struct OptionValues {
    // Shift-JIS bytes throughout.
    std::string URL;
    std::string SoubaCheck;
    std::string KaisaiCheck;
    std::string YahooURL;
    std::string BiddersURL;
    std::array<std::string, kKeywordTabCount> TabName;  // captions of the keyword tabs, KEY#1..KEY#3
    // [k] belongs to site k+1 and to its button ToolButton(8+k).
    std::array<bool, kSiteCount> SiteVisible{};
    std::array<std::string, kSiteCount> SiteName;  // the site buttons' tooltips
    std::array<std::string, kSiteCount> SiteURL;
    bool MsgKeyDel = false;
    bool KeyTreeBackup = false;  // the enabled state of N24 (and N25 with it)

    bool operator==(const OptionValues&) const = default;
};

// The dialog's part of the settings.
OptionValues optionValuesOf(const SettingsValues& settings);
// Puts the values taken on OK into the settings; the one switch enables backup and restore both.
void takeOptionValues(SettingsValues& settings, const OptionValues& taken);
