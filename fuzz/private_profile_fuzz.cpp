// Arbitrary bytes as a settings file: every key is read and written back, and the result must read
// back to the same values while every line that was there before stays byte for byte.
#include "settings/band_layout.h"
#include "settings/private_profile.h"
#include "settings/settings_values.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

using Key = std::pair<std::string, std::string>;

std::vector<Key> everyKey()
{
    std::vector<Key> keys;
    for (const char* k : {"Top", "Left", "Width", "Height", "TreeWidth", "FavListHeight"})
        keys.emplace_back("Form", k);
    for (const char* what : {"Width", "Break", "ID"})
        for (int i = 0; i < 6; ++i)
            keys.emplace_back("CoolBar", "Band" + std::to_string(i) + what);
    for (const char* k : {"SearchBar", "NaviBar", "SiteBar", "URLBar", "AnimeBar", "SiteBar2", "FavList"})
        keys.emplace_back("CoolBar", k);
    for (const char* k : {"URL", "SoubaCheck", "KaisaiCheck"})
        keys.emplace_back("Aucfun", k);
    keys.emplace_back("LinkBar", "YahooURL");
    keys.emplace_back("LinkBar", "BiddersURL");
    for (const char* what : {"URL", "Name", "Visible"})
        for (int i = 1; i <= 6; ++i)
            keys.emplace_back("LinkBar", "Site" + std::to_string(i) + what);
    for (const char* k : {"KEY#1", "KEY#2", "KEY#3"})
        keys.emplace_back("TabName", k);
    keys.emplace_back("ETC", "MsgKeyDel");
    keys.emplace_back("ETC", "KeyTreeBackup");
    return keys;
}

// Lines with their line ends, so that concatenating them gives the bytes back.
std::vector<std::string_view> linesWithEnds(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        else if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.push_back(bytes.substr(start, i + 1 - start));
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

// Every old line is still there, in order; only the last one may have gained a CR LF.
bool keepsOldLines(std::string_view before, std::string_view after)
{
    const auto old = linesWithEnds(before);
    std::size_t next = 0;
    for (const std::string_view line : linesWithEnds(after)) {
        if (next == old.size())
            break;
        const bool lastGainedEnd = next + 1 == old.size() && line.size() == old[next].size() + 2 &&
                                   line.starts_with(old[next]) && line.ends_with("\r\n");
        if (line == old[next] || lastGainedEnd)
            ++next;
    }
    return next == old.size();
}

void stringsRoundTrip(std::string_view bytes, const std::vector<Key>& keys)
{
    PrivateProfile profile = PrivateProfile::parse(bytes);
    std::vector<std::string> values;
    for (const auto& [section, key] : keys)
        values.push_back(profile.readString(section, key, "<absent>"));
    for (std::size_t i = 0; i < keys.size(); ++i)
        profile.writeString(keys[i].first, keys[i].second, values[i]);
    const std::string after = profile.toBytes();
    require(keepsOldLines(bytes, after));

    PrivateProfile reread = PrivateProfile::parse(after);
    for (std::size_t i = 0; i < keys.size(); ++i)
        require(reread.readString(keys[i].first, keys[i].second, "<gone>") == values[i]);

    // A hostile value (line ends, NULs, quotes, blanks) must not add lines or disturb other keys.
    const std::string_view hostile = bytes.substr(0, 80);
    reread.writeString("ETC", "Hostile", hostile);
    const PrivateProfile third = PrivateProfile::parse(reread.toBytes());
    const std::string_view storable = hostile.substr(0, hostile.find_first_of(std::string_view("\r\n\0", 3)));
    require(third.readString("ETC", "Hostile", "<gone>") == storable);
    for (std::size_t i = 0; i < keys.size(); ++i)
        require(third.readString(keys[i].first, keys[i].second, "<gone>") == values[i]);
}

void settingsRoundTrip(std::string_view bytes)
{
    const BandLayout design = designBandLayout();
    const SettingsValues loaded = readSettings(PrivateProfile::parse(bytes), design);
    PrivateProfile profile = PrivateProfile::parse(bytes);
    writeSettings(profile, loaded);
    const SettingsValues reloaded = readSettings(PrivateProfile::parse(profile.toBytes()), design);

    // Restoring adds a pixel to the widths at positions 1..4 that are read, each time.
    SettingsValues expected = loaded;
    for (std::size_t i = 1; i + 1 < kBandCount; ++i) {
        Band& band = expected.Bands.bands[i];
        if (!expected.Bands.bands[i + 1].startsRow && band.width < INT_MAX)
            ++band.width;
    }
    require(reloaded == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    require(PrivateProfile::parse(bytes).toBytes() == bytes);
    static const std::vector<Key> keys = everyKey();
    stringsRoundTrip(bytes, keys);
    settingsRoundTrip(bytes);
    return 0;
}
