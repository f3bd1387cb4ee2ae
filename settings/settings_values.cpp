#include "settings/settings_values.h"

#include "files/errors.h"
#include "files/file_io.h"
#include "settings/private_profile.h"

namespace {

namespace d = settings_defaults;

constexpr std::string_view kForm = "Form";
constexpr std::string_view kCoolBar = "CoolBar";
constexpr std::string_view kAucfun = "Aucfun";
constexpr std::string_view kLinkBar = "LinkBar";
constexpr std::string_view kTabName = "TabName";
constexpr std::string_view kEtc = "ETC";

// "Site" + 1..6 + "URL" / "Name" / "Visible".
std::string siteKey(std::size_t index, std::string_view what)
{
    return "Site" + std::to_string(index + 1) + std::string(what);
}

std::string tabKey(std::size_t index) { return "KEY#" + std::to_string(index + 1); }

void readForm(const PrivateProfile& p, SettingsValues& v)
{
    v.Top = p.readInteger(kForm, "Top", d::kTop);
    v.Left = p.readInteger(kForm, "Left", d::kLeft);
    v.Width = p.readInteger(kForm, "Width", d::kWidth);
    v.Height = p.readInteger(kForm, "Height", d::kHeight);
    v.TreeWidth = p.readInteger(kForm, "TreeWidth", d::kTreeWidth);
    v.FavListHeight = p.readInteger(kForm, "FavListHeight", d::kFavListHeight);
    v.Maximized = p.readBool(kForm, "Maximized", false);
}

void readBarVisibility(const PrivateProfile& p, SettingsValues& v)
{
    v.SearchBar = p.readBool(kCoolBar, "SearchBar", true);
    v.NaviBar = p.readBool(kCoolBar, "NaviBar", true);
    v.SiteBar = p.readBool(kCoolBar, "SiteBar", true);
    v.URLBar = p.readBool(kCoolBar, "URLBar", true);
    v.AnimeBar = p.readBool(kCoolBar, "AnimeBar", true);
    v.SiteBar2 = p.readBool(kCoolBar, "SiteBar2", true);
    v.FavList = p.readBool(kCoolBar, "FavList", true);
}

void readAddresses(const PrivateProfile& p, SettingsValues& v)
{
    v.URL = p.readString(kAucfun, "URL", d::kURL);
    v.SoubaCheck = p.readString(kAucfun, "SoubaCheck", d::kSoubaCheck);
    v.KaisaiCheck = p.readString(kAucfun, "KaisaiCheck", d::kKaisaiCheck);
}

void readLinkBar(const PrivateProfile& p, SettingsValues& v)
{
    v.YahooURL = p.readString(kLinkBar, "YahooURL", d::kYahooURL);
    v.BiddersURL = p.readString(kLinkBar, "BiddersURL", d::kBiddersURL);
    for (std::size_t i = 0; i < kSiteCount; ++i)
        v.SiteURL[i] = p.readString(kLinkBar, siteKey(i, "URL"), "");
    for (std::size_t i = 0; i < kSiteCount; ++i)
        v.SiteName[i] = p.readString(kLinkBar, siteKey(i, "Name"), d::kSiteName[i]);
    for (std::size_t i = 0; i < kSiteCount; ++i)
        v.SiteVisible[i] = p.readBool(kLinkBar, siteKey(i, "Visible"), true);
}

void readTabNamesAndEtc(const PrivateProfile& p, SettingsValues& v)
{
    for (std::size_t i = 0; i < kKeywordTabCount; ++i)
        v.TabName[i] = p.readString(kTabName, tabKey(i), d::kTabName[i]);
    v.MsgKeyDel = p.readBool(kEtc, "MsgKeyDel", true);
    v.KeyTreeBackupN24 = p.readBool(kEtc, "KeyTreeBackup", true);
    v.KeyTreeBackupN25 = p.readBool(kEtc, "KeyTreeBackup", true);
}

void writeForm(PrivateProfile& p, const SettingsValues& v)
{
    p.writeInteger(kForm, "Top", v.Top);
    p.writeInteger(kForm, "Left", v.Left);
    p.writeInteger(kForm, "Width", v.Width);
    p.writeInteger(kForm, "Height", v.Height);
    p.writeInteger(kForm, "TreeWidth", v.TreeWidth);
    p.writeInteger(kForm, "FavListHeight", v.FavListHeight);
    p.writeBool(kForm, "Maximized", v.Maximized);
}

void writeCoolBar(PrivateProfile& p, const SettingsValues& v)
{
    saveBandLayout(p, v.Bands);
    p.writeBool(kCoolBar, "SearchBar", v.SearchBar);
    p.writeBool(kCoolBar, "NaviBar", v.NaviBar);
    p.writeBool(kCoolBar, "SiteBar", v.SiteBar);
    p.writeBool(kCoolBar, "URLBar", v.URLBar);
    p.writeBool(kCoolBar, "AnimeBar", v.AnimeBar);
    p.writeBool(kCoolBar, "SiteBar2", v.SiteBar2);
    p.writeBool(kCoolBar, "FavList", v.FavList);
}

void writeAddresses(PrivateProfile& p, const SettingsValues& v)
{
    p.writeString(kAucfun, "URL", v.URL);
    p.writeString(kAucfun, "SoubaCheck", v.SoubaCheck);
    p.writeString(kAucfun, "KaisaiCheck", v.KaisaiCheck);
}

void writeLinkBar(PrivateProfile& p, const SettingsValues& v)
{
    p.writeString(kLinkBar, "YahooURL", v.YahooURL);
    p.writeString(kLinkBar, "BiddersURL", v.BiddersURL);
    for (std::size_t i = 0; i < kSiteCount; ++i)
        p.writeString(kLinkBar, siteKey(i, "URL"), v.SiteURL[i]);
    for (std::size_t i = 0; i < kSiteCount; ++i)
        p.writeString(kLinkBar, siteKey(i, "Name"), v.SiteName[i]);
    for (std::size_t i = 0; i < kSiteCount; ++i)
        p.writeBool(kLinkBar, siteKey(i, "Visible"), v.SiteVisible[i]);
}

void writeTabNamesAndEtc(PrivateProfile& p, const SettingsValues& v)
{
    for (std::size_t i = 0; i < kKeywordTabCount; ++i)
        p.writeString(kTabName, tabKey(i), v.TabName[i]);
    p.writeBool(kEtc, "MsgKeyDel", v.MsgKeyDel);
    p.writeBool(kEtc, "KeyTreeBackup", v.KeyTreeBackupN24);
}

}  // namespace

SettingsValues defaultSettingsValues(const BandLayout& designLayout)
{
    SettingsValues values;
    values.Bands = designLayout;
    for (Band& band : values.Bands.bands)
        band.startsRow = true;
    return values;
}

SettingsValues readSettings(const PrivateProfile& profile, const BandLayout& designLayout)
{
    SettingsValues values;
    readForm(profile, values);
    values.Bands = restoreBandLayout(profile, designLayout);
    readBarVisibility(profile, values);
    readAddresses(profile, values);
    readLinkBar(profile, values);
    readTabNamesAndEtc(profile, values);
    return values;
}

void writeSettings(PrivateProfile& profile, const SettingsValues& values)
{
    writeForm(profile, values);
    writeCoolBar(profile, values);
    writeAddresses(profile, values);
    writeLinkBar(profile, values);
    writeTabNamesAndEtc(profile, values);
}

SettingsValues loadSettingsFile(const std::string& path, const BandLayout& designLayout)
{
    std::string bytes;
    if (fileExists(path)) {
        try {
            bytes = readWholeFile(path);
        } catch (const FileOpenError&) {
            // The program starts with its defaults, as it does without a file; the save at
            // close reports the file then.
        }
    }
    return readSettings(PrivateProfile::parse(bytes), designLayout);
}

void saveSettingsFile(const std::string& path, const SettingsValues& values)
{
    std::string bytes;
    if (fileExists(path)) {
        try {
            bytes = readWholeFile(path);
        } catch (const FileOpenError&) {
            // Writing without the old content would drop every line the user keeps there.
            throw ProfileWriteError(path);
        }
    }
    PrivateProfile profile = PrivateProfile::parse(bytes);
    writeSettings(profile, values);
    if (const int cause = replaceFile(path, profile.toBytes()); cause != 0)
        throw ProfileWriteError(path, cause, notAFileAt(path));
}
