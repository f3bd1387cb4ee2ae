#include "settings/settings_values.h"

#include "files/errors.h"
#include "files/file_io.h"
#include "settings/private_profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <iconv.h>
#include <string>
#include <unistd.h>
#include <vector>

using namespace std::string_literals;

namespace {

SettingsValues readFrom(const std::string& file)
{
    return readSettings(PrivateProfile::parse(file), designBandLayout());
}

std::string written(const SettingsValues& values, const std::string& before = "")
{
    PrivateProfile profile = PrivateProfile::parse(before);
    writeSettings(profile, values);
    return profile.toBytes();
}

std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

// UTF-8 to code page 932 by the C library, independent of how the program spells its bytes.
std::string cp932(const std::string& utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string in = utf8;
    std::string out(in.size() * 2, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1))
        return {};
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

TEST(SettingsRead, FirstStartWithoutFile)
{
    const SettingsValues v = readFrom("");
    EXPECT_EQ(v.Left, 0);
    EXPECT_EQ(v.Top, 0);
    EXPECT_EQ(v.Width, 870);
    EXPECT_EQ(v.Height, 720);
    EXPECT_EQ(v.TreeWidth, 170);
    EXPECT_EQ(v.FavListHeight, 92);
    for (bool shown : {v.SearchBar, v.NaviBar, v.SiteBar, v.URLBar, v.AnimeBar, v.SiteBar2, v.FavList})
        EXPECT_TRUE(shown);
    for (bool shown : v.SiteVisible)
        EXPECT_TRUE(shown);
    EXPECT_TRUE(v.MsgKeyDel);
    EXPECT_TRUE(v.KeyTreeBackupN24);
    EXPECT_TRUE(v.KeyTreeBackupN25);
    EXPECT_EQ(v.TabName, (std::array<std::string, 3>{"KEY #1", "KEY #2", "KEY #3"}));
    EXPECT_EQ(v.URL, "http://auction-stats.example/");
    EXPECT_EQ(v.SoubaCheck, "search?q=$KEY$&t=-1");
    EXPECT_EQ(v.KaisaiCheck, "search2?q=$KEY$");
    EXPECT_EQ(v.BiddersURL.substr(v.BiddersURL.find('?')), "?keyword=$KEY$&submit=%8C%9F+%8D%F5");
    for (const std::string& url : v.SiteURL)
        EXPECT_EQ(url, "");
    for (std::size_t i = 0; i < kBandCount; ++i) {
        EXPECT_EQ(v.Bands.bands[i].id, static_cast<int>(i));
        EXPECT_TRUE(v.Bands.bands[i].startsRow);
        EXPECT_EQ(v.Bands.bands[i].width, designBandLayout().bands[i].width);
    }
    EXPECT_EQ(v, defaultSettingsValues(designBandLayout()));
}

TEST(SettingsRead, JapaneseDefaultsAreShiftJis)
{
    const SettingsValues v = readFrom("");
    if (cp932("サ").empty())
        GTEST_SKIP() << "the C library has no CP932 converter";
    for (std::size_t i = 0; i < kSiteCount; ++i)
        EXPECT_EQ(v.SiteName[i], cp932("サイト #" + std::to_string(i + 1)));
}

TEST(SettingsRead, IntegerAndBooleanValues)
{
    struct Case {
        std::string value;
        int treeWidth;
        bool msgKeyDel;
    };
    const Case cases[] = {
        {" 12 ", 12, true}, {"0x0C", 12, true}, {"12abc", 170, true}, {"0", 0, false},
        {"2", 2, true},     {"-1", -1, true},   {"abc", 170, true},   {"4294967296", 170, true},
    };
    for (const Case& c : cases) {
        const SettingsValues v =
            readFrom("[Form]\r\nTreeWidth=" + c.value + "\r\n[ETC]\r\nMsgKeyDel=" + c.value + "\r\n");
        EXPECT_EQ(v.TreeWidth, c.treeWidth) << c.value;
        EXPECT_EQ(v.MsgKeyDel, c.msgKeyDel) << c.value;
    }
}

TEST(SettingsRead, OneBackupKeyDrivesBothToolsItems)
{
    const SettingsValues off = readFrom("[ETC]\r\nKeyTreeBackup=0\r\n");
    EXPECT_FALSE(off.KeyTreeBackupN24);
    EXPECT_FALSE(off.KeyTreeBackupN25);

    SettingsValues v = defaultSettingsValues(designBandLayout());
    v.KeyTreeBackupN24 = true;
    v.KeyTreeBackupN25 = false;
    EXPECT_TRUE(readFrom(written(v)).KeyTreeBackupN25);  // only N24's state is kept
}

TEST(SettingsRead, BadValuesFallBackWhileTheRestLoads)
{
    const std::string file =
        "[Form]\r\nTop=99999999999\r\nLeft=-5\r\nWidth=\0\0\r\nHeight=800\r\n"s
        "[CoolBar]\r\nBand0ID=\xff\xfe\r\nBand1ID=4\r\nSearchBar=no\r\nNaviBar=0\r\n"
        "[Aucfun]\r\nURL=" +
        std::string(10000, 'u') +
        "\r\nSoubaCheck=s?q=$KEY$\r\n"
        "[LinkBar]\r\nSite1Name=x\0y\r\nSite2URL=http://example.test/?k=$KEY$\r\n"s
        "\0garbage\r\n[TabName]\r\nKEY#2=\x82\x60\r\n"s;
    const SettingsValues v = readFrom(file);
    EXPECT_EQ(v.Top, 0);
    EXPECT_EQ(v.Left, -5);
    EXPECT_EQ(v.Width, 870);
    EXPECT_EQ(v.Height, 800);
    EXPECT_EQ(v.Bands.bands[1].id, 4);
    EXPECT_TRUE(v.SearchBar);
    EXPECT_FALSE(v.NaviBar);
    EXPECT_EQ(v.URL, std::string(2047, 'u'));
    EXPECT_EQ(v.SoubaCheck, "s?q=$KEY$");
    EXPECT_EQ(v.SiteName[0], "x");
    EXPECT_EQ(v.SiteURL[1], "http://example.test/?k=$KEY$");
    EXPECT_EQ(v.TabName[1], "\x82\x60");
    EXPECT_EQ(v.TabName[0], "KEY #1");
}

TEST(SettingsWrite, NewFileHasEveryKeyInSaveOrder)
{
    std::vector<std::string> expected = {"[Form]",    "Top",           "Left",      "Width",    "Height",
                                         "TreeWidth", "FavListHeight", "Maximized", "[CoolBar]"};
    for (const char* what : {"Width", "Break", "ID"})
        for (int i = 0; i < 6; ++i)
            expected.push_back("Band" + std::to_string(i) + what);
    for (const char* key : {"SearchBar", "NaviBar", "SiteBar", "URLBar", "AnimeBar", "SiteBar2", "FavList", "[Aucfun]",
                            "URL", "SoubaCheck", "KaisaiCheck", "[LinkBar]", "YahooURL", "BiddersURL"})
        expected.push_back(key);
    for (const char* what : {"URL", "Name", "Visible"})
        for (int i = 1; i <= 6; ++i)
            expected.push_back("Site" + std::to_string(i) + what);
    for (const char* key : {"[TabName]", "KEY#1", "KEY#2", "KEY#3", "[ETC]", "MsgKeyDel", "KeyTreeBackup"})
        expected.push_back(key);

    std::vector<std::string> got;
    for (const std::string& line : linesOf(written(defaultSettingsValues(designBandLayout()))))
        got.push_back(line.front() == '[' ? line : line.substr(0, line.find('=')));
    EXPECT_EQ(got, expected);
}

TEST(SettingsWrite, LoadThenSaveReproducesTheFileByteForByte)
{
    SettingsValues custom = defaultSettingsValues(designBandLayout());
    custom.Top = -20;
    custom.Width = 1024;
    custom.URL = " http://padded.example/ ";
    custom.SiteName[2] = "\"quoted\"";
    custom.SiteURL[5] = "http://example.test/find?q=$KEY$";
    custom.SiteVisible[3] = false;
    custom.TabName[0] = "\x93\xfa\x96\x7b";
    custom.KeyTreeBackupN24 = custom.KeyTreeBackupN25 = false;
    std::reverse(custom.Bands.bands.begin(), custom.Bands.bands.end());

    for (const SettingsValues& values : {defaultSettingsValues(designBandLayout()), custom}) {
        const std::string first = written(values);
        const SettingsValues loaded = readFrom(first);
        EXPECT_EQ(loaded, values);
        EXPECT_EQ(written(loaded, first), first);
        EXPECT_EQ(written(loaded), first);
    }
}

TEST(SettingsWrite, HandEditedFileKeepsEveryLineItDoesNotOwn)
{
    const std::string handEdited =
        "; my settings\n"
        "\n"
        "[form]\n"
        "top = 0x10\n"
        "Width=\"900\"\n"
        "Unknown=keep me\n"
        "\n"
        "[Plugins]\r\n"
        "Top=not ours\r\n"
        "\xEF\xBC\xA1=\x83\x54\r\n"
        "[ETC]\r\n"
        "msgkeydel=0\r\n"
        "; trailing comment";
    const SettingsValues loaded = readFrom(handEdited);
    EXPECT_EQ(loaded.Top, 16);
    EXPECT_EQ(loaded.Width, 900);
    EXPECT_FALSE(loaded.MsgKeyDel);

    const std::string saved = written(loaded, handEdited);
    // Only the owned line whose text differs from what the program writes changes; missing keys
    // join their sections, missing sections go to the end.
    const std::string expectedStart =
        "; my settings\n"
        "\n"
        "[form]\n"
        "top = 16\n"
        "Width=\"900\"\n"
        "Unknown=keep me\n"
        "Left=0\r\nHeight=720\r\nTreeWidth=170\r\nFavListHeight=92\r\nMaximized=0\r\n"
        "\n"
        "[Plugins]\r\n"
        "Top=not ours\r\n"
        "\xEF\xBC\xA1=\x83\x54\r\n"
        "[ETC]\r\n"
        "msgkeydel=0\r\n"
        "KeyTreeBackup=1\r\n"
        "; trailing comment\r\n"
        "[CoolBar]\r\n";
    EXPECT_EQ(saved.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(readFrom(saved), loaded);
    EXPECT_EQ(written(loaded, saved), saved);
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder =
            std::filesystem::temp_directory_path() / ("ribemo-settings-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        path = (folder / "ribemo.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string path;
};

TEST_F(SettingsFile, MissingFileGivesDefaultsAndSaveCreatesIt)
{
    EXPECT_EQ(loadSettingsFile(path, designBandLayout()), defaultSettingsValues(designBandLayout()));
    SettingsValues values = defaultSettingsValues(designBandLayout());
    values.Height = 555;
    saveSettingsFile(path, values);
    EXPECT_EQ(loadSettingsFile(path, designBandLayout()), values);
}

TEST_F(SettingsFile, SaveKeepsLinesAddedWhileTheProgramRan)
{
    ASSERT_TRUE(writeFileAtomically(path, "[Mine]\r\nnote=1\r\n"));
    saveSettingsFile(path, defaultSettingsValues(designBandLayout()));
    EXPECT_EQ(readWholeFile(path).substr(0, 17), "[Mine]\r\nnote=1\r\n[");
}

TEST_F(SettingsFile, UnwritableLocationIsReported)
{
    const std::string inMissingFolder = (folder / "no-such-folder" / "ribemo.ini").string();
    EXPECT_THROW(saveSettingsFile(inMissingFolder, defaultSettingsValues(designBandLayout())), ProfileWriteError);
}
