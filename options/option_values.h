#pragma once
// What the options dialog edits: filled by its opener from where the running program keeps it
// (the settings record and the properties of the main window's controls), taken back on OK.
#include <array>
#include <string>

struct OptionValues {
    // Shift-JIS bytes throughout.
    std::string URL;
    std::string SoubaCheck;
    std::string KaisaiCheck;
    std::string YahooURL;
    std::string BiddersURL;
    std::array<std::string, 3> TabName;  // captions of the keyword tabs, KEY#1..KEY#3
    // [k] belongs to site k+1 and to its button ToolButton(8+k).
    std::array<bool, 6> SiteVisible{};
    std::array<std::string, 6> SiteName;  // the site buttons' tooltips
    std::array<std::string, 6> SiteURL;
    bool MsgKeyDel = false;
    bool KeyTreeBackup = false;  // the enabled state of N24 (and N25 with it)

    bool operator==(const OptionValues&) const = default;
};
