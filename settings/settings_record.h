#pragma once
// The settings the main window holds as text (Shift-JIS bytes) and the one flag; everything else
// the settings file carries lives in the properties of the window's controls.
#include <array>
#include <string>

struct SettingsRecord {
    std::string URL;          // base address of the statistics site
    std::string SoubaCheck;   // closed-auction search, appended to URL
    std::string KaisaiCheck;  // open-auction search, appended to URL
    std::string YahooURL;
    std::string BiddersURL;
    std::array<std::string, 6> SiteURL;  // Site1URL..Site6URL
    bool MsgKeyDel = false;
};
