#pragma once
// Every value the settings file carries, as one plain struct, with the rules that read it from and
// write it to the file. Members are named after their keys; strings are Shift-JIS bytes.
#include "settings/band_layout.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

class PrivateProfile;

inline constexpr std::size_t kSiteCount = 6;  // user site buttons ToolButton8..ToolButton13
inline constexpr std::size_t kKeywordTabCount = 3;

namespace settings_defaults {
inline constexpr int kTop = 0;
inline constexpr int kLeft = 0;
inline constexpr int kWidth = 870;
inline constexpr int kHeight = 720;
inline constexpr int kTreeWidth = 170;
inline constexpr int kFavListHeight = 92;
inline constexpr std::string_view kURL = "http://auction-stats.example/";
inline constexpr std::string_view kSoubaCheck = "search?q=$KEY$&t=-1";
inline constexpr std::string_view kKaisaiCheck = "search2?q=$KEY$";
inline constexpr std::string_view kYahooURL =
    "http://search.auctions.yahoo.co.jp/search?sb=desc&desc=$KEY$&auccat=0&acc=jp&f=0x12&alocale=0jp&mode=2";
// "%8C%9F+%8D%F5" belongs to the template itself; the keyword expansion leaves it alone.
inline constexpr std::string_view kBiddersURL =
    "http://www.bidders.co.jp/dap/sv/list1?keyword=$KEY$&submit=%8C%9F+%8D%F5";
// "サイト #1".."サイト #6" in Shift-JIS.
inline constexpr std::array<std::string_view, kSiteCount> kSiteName = {
    "\x83\x54\x83\x43\x83\x67 #1", "\x83\x54\x83\x43\x83\x67 #2", "\x83\x54\x83\x43\x83\x67 #3",
    "\x83\x54\x83\x43\x83\x67 #4", "\x83\x54\x83\x43\x83\x67 #5", "\x83\x54\x83\x43\x83\x67 #6",
};
inline constexpr std::array<std::string_view, kKeywordTabCount> kTabName = {"KEY #1", "KEY #2", "KEY #3"};
}  // namespace settings_defaults

struct SettingsValues {
    // [Form]: the main window's bounds, the keyword pane's width, the watched-auction strip's height.
    int Top = settings_defaults::kTop;
    int Left = settings_defaults::kLeft;
    int Width = settings_defaults::kWidth;
    int Height = settings_defaults::kHeight;
    int TreeWidth = settings_defaults::kTreeWidth;
    int FavListHeight = settings_defaults::kFavListHeight;
    // The window was maximized; the four bounds above are then its normal (restored) ones.
    bool Maximized = false;

    // [CoolBar]: the band layout, then the View menu's check marks for the bars and the strip.
    BandLayout Bands = designBandLayout();
    bool SearchBar = true;
    bool NaviBar = true;
    bool SiteBar = true;
    bool URLBar = true;
    bool AnimeBar = true;
    bool SiteBar2 = true;
    bool FavList = true;

    // [Aucfun]
    std::string URL{settings_defaults::kURL};
    std::string SoubaCheck{settings_defaults::kSoubaCheck};
    std::string KaisaiCheck{settings_defaults::kKaisaiCheck};

    // [LinkBar]: [0] is Site1URL / Site1Name / Site1Visible (ToolButton8), and so on.
    std::string YahooURL{settings_defaults::kYahooURL};
    std::string BiddersURL{settings_defaults::kBiddersURL};
    std::array<std::string, kSiteCount> SiteURL{};
    std::array<std::string, kSiteCount> SiteName{
        std::string(settings_defaults::kSiteName[0]), std::string(settings_defaults::kSiteName[1]),
        std::string(settings_defaults::kSiteName[2]), std::string(settings_defaults::kSiteName[3]),
        std::string(settings_defaults::kSiteName[4]), std::string(settings_defaults::kSiteName[5])};
    std::array<bool, kSiteCount> SiteVisible{true, true, true, true, true, true};

    // [TabName]: KEY#1..KEY#3, the captions of the keyword tabs.
    std::array<std::string, kKeywordTabCount> TabName{std::string(settings_defaults::kTabName[0]),
                                                      std::string(settings_defaults::kTabName[1]),
                                                      std::string(settings_defaults::kTabName[2])};

    // [ETC]: one key, KeyTreeBackup, enables both the backup item N24 and the restore item N25;
    // only N24's state is saved.
    bool MsgKeyDel = true;
    bool KeyTreeBackupN24 = true;
    bool KeyTreeBackupN25 = true;

    bool operator==(const SettingsValues&) const = default;
};

// What a start without a settings file gets: the defaults above, with the bands of designLayout in
// their order and at their widths, each starting its own row.
SettingsValues defaultSettingsValues(const BandLayout& designLayout);

// Reads every key in load order; the band layout is restored onto designLayout.
SettingsValues readSettings(const PrivateProfile& profile, const BandLayout& designLayout);

// Writes every key in save order, section by section: Form, CoolBar, Aucfun, LinkBar, TabName, ETC.
void writeSettings(PrivateProfile& profile, const SettingsValues& values);

// The settings file at path; a missing or unreadable file gives the defaults without complaint.
SettingsValues loadSettingsFile(const std::string& path, const BandLayout& designLayout);

// Applies values to the file as it is on disk now, keeping every line the program does not own,
// and replaces the file whole. Throws ProfileWriteError when the file cannot be read back or
// written; the old file is then left as it was.
void saveSettingsFile(const std::string& path, const SettingsValues& values);
