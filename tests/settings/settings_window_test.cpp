#include "search/search_bar.h"
#include "settings/private_profile.h"
#include "settings/settings_values.h"
#include "tests/support/form_fixture.h"
#include "text/sjis_text.h"
#include "widgets/cool_bar.h"
#include "widgets/tab_control.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>

namespace {

std::string crlf(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view line : lines)
        text.append(line).append("\r\n");
    return text;
}

// Each line with its own line end.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t begin = 0; begin < text.size();) {
        const size_t end = std::min(text.find('\n', begin), text.size() - 1) + 1;
        lines.push_back(text.substr(begin, end - begin));
        begin = end;
    }
    return lines;
}

// Names the instances of a table-driven test after their case.
template <class Case>
std::string caseName(const ::testing::TestParamInfo<Case>& test)
{
    return test.param.name;
}

std::vector<int> bandOrder(const CoolBar& bands)
{
    std::vector<int> ids;
    for (int position = 0; position < bands.bandCount(); ++position)
        ids.push_back(bands.bandIdAt(position));
    return ids;
}

// The program folder made immutable: root writes through any mode bits, but not through this.
class ImmutableFolder {
public:
    explicit ImmutableFolder(std::string folder) : folder_(std::move(folder)) { set("+i"); }
    ~ImmutableFolder() { set("-i"); }

private:
    void set(const char* flag)
    {
        EXPECT_EQ(std::system(("chattr " + std::string(flag) + " '" + folder_ + "'").c_str()), 0);
    }
    std::string folder_;
};

}  // namespace

class SettingsWindow : public FormFixture {
protected:
    void startWith(const std::string& ini)
    {
        folder.write(".ini", ini);
        start();
    }
    // Shown at its loaded size and activated, which puts the View marks on the bars.
    void showAndActivate()
    {
        ASSERT_NO_FATAL_FAILURE(showActive());
        QApplication::processEvents();
    }
    PrivateProfile saved() { return PrivateProfile::parse(folder.read(".ini")); }
    int savedInteger(std::string_view section, std::string_view key) { return saved().readInteger(section, key, -999); }
};

TEST_F(SettingsWindow, AFirstStartWithoutAFileTakesEveryDefault)
{
    start();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(folder.exists(".ini"));
    TForm1& f = form();
    EXPECT_EQ(bandOrder(*formControl<CoolBar>(f, "CoolBar1")), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(f.Settings.URL, settings_defaults::kURL);
    EXPECT_EQ(f.Settings.BiddersURL, settings_defaults::kBiddersURL);
    EXPECT_TRUE(f.Settings.MsgKeyDel);
    EXPECT_TRUE(formControl<QAction>(f, "N24")->isEnabled() && formControl<QAction>(f, "N25")->isEnabled());
    for (int tab = 0; tab < 3; ++tab)
        EXPECT_EQ(formControl<TabControl>(f, "TabControl2")->tabCaption(tab), QStringLiteral("KEY #%1").arg(tab + 1));
    for (size_t k = 0; k < 6; ++k)
        EXPECT_EQ(siteButton(f, k)->toolTip(), QStringLiteral("サイト #%1").arg(k + 1));

    showAndActivate();
    EXPECT_EQ(f.size(), QSize(870, 720));
    EXPECT_EQ(f.pos(), QPoint(0, 0));
    EXPECT_EQ(formControl<TabControl>(f, "TabControl2")->width(), 170);
    EXPECT_EQ(formControl<QWidget>(f, "Panel2")->height(), 92);
    for (QWidget* bar :
         std::initializer_list<QWidget*>{formControl<QToolBar>(f, "ToolBar1"), formControl<QToolBar>(f, "ToolBar2"),
                                         formControl<QToolBar>(f, "ToolBar3"), formControl<QToolBar>(f, "ToolBar4"),
                                         formControl<QToolBar>(f, "ToolBar5"), formControl<QToolBar>(f, "ToolBar6"),
                                         formControl<QWidget>(f, "Panel2")})
        EXPECT_TRUE(bar->isVisible()) << bar->objectName().toStdString();
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_TRUE(siteButton(f, k)->isVisible());
    EXPECT_EQ(formControl<CoolBar>(f, "CoolBar1")->rowCount(), 6);
}

struct BandOrderCase {
    const char* name;
    std::vector<std::string> ids;  // Band0ID, Band1ID, ...
    std::vector<int> order;
};

class SavedBandOrder : public SettingsWindow, public ::testing::WithParamInterface<BandOrderCase> {};

TEST_P(SavedBandOrder, IsRestoredAndWrittenBack)
{
    std::string ini = "[CoolBar]\r\n";
    for (size_t i = 0; i < GetParam().ids.size(); ++i)
        ini += "Band" + std::to_string(i) + "ID=" + GetParam().ids[i] + "\r\n";
    startWith(ini);
    EXPECT_EQ(bandOrder(*formControl<CoolBar>(form(), "CoolBar1")), GetParam().order);
    ASSERT_TRUE(closeWindow());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(savedInteger("CoolBar", "Band" + std::to_string(i) + "ID"), GetParam().order[static_cast<size_t>(i)]);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SavedBandOrder,
    ::testing::Values(BandOrderCase{"NavigationAndAddressFirst", {"4", "5", "0", "1", "2", "3"}, {4, 5, 0, 1, 2, 3}},
                      BandOrderCase{"NegativeLeavesItsPosition", {"5", "-3", "4"}, {5, 0, 4, 1, 2, 3}},
                      BandOrderCase{"SixNamesNoBand", {"6", "2"}, {0, 2, 1, 3, 4, 5}}),
    caseName<BandOrderCase>);

TEST_F(SettingsWindow, OnlyWidthsOfBandsFollowedOnTheirRowAreReadPlusOneAfterTheFirst)
{
    const std::string widths = "Band0Width=500\r\nBand1Width=300\r\nBand2Width=90\r\nBand5Width=80\r\n";
    startWith("[CoolBar]\r\nBand1Break=0\r\n" + widths);
    const CoolBar& bands = *formControl<CoolBar>(form(), "CoolBar1");
    EXPECT_EQ(bands.rowCount(), 5);
    EXPECT_EQ(bands.widthAt(0), 500);
    EXPECT_EQ(bands.widthAt(1), 221) << "ends its row: not read";
    EXPECT_EQ(bands.widthAt(5), 569);

    // Wide enough that the row holds all three as stored: a narrower window takes from them first.
    startWith("[Form]\r\nWidth=1200\r\n[CoolBar]\r\nBand1Break=0\r\nBand2Break=0\r\n" + widths);
    showAndActivate();
    const CoolBar& shared = *formControl<CoolBar>(form(), "CoolBar1");
    EXPECT_EQ(shared.widthAt(0), 500);
    EXPECT_EQ(shared.widthAt(1), 301);
    EXPECT_EQ(shared.widthAt(2), 151);
    EXPECT_EQ(shared.bandRect(0).width(), 500);
    EXPECT_EQ(shared.bandRect(1).width(), 301);
}

struct TreeWidthCase {
    const char* name;
    const char* value;
    int width;
};

class TreeWidthValue : public SettingsWindow, public ::testing::WithParamInterface<TreeWidthCase> {};

TEST_P(TreeWidthValue, ReadsAsAnIntegerAndTakesEffect)
{
    startWith(std::string("[Form]\r\nWidth=1200\r\nTreeWidth=") + GetParam().value + "\r\n");
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(savedInteger("Form", "TreeWidth"), GetParam().width) << "never shown";
    start();
    showAndActivate();
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->width(), GetParam().width);
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(savedInteger("Form", "TreeWidth"), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Values, TreeWidthValue,
                         ::testing::Values(TreeWidthCase{"Blanks", " 12 ", 12},
                                           TreeWidthCase{"Hexadecimal", "0x0C", 12},
                                           TreeWidthCase{"TrailingLetters", "12abc", 170},
                                           TreeWidthCase{"WiderThanTheUnshownPane", "700", 700}),
                         caseName<TreeWidthCase>);

TEST_F(SettingsWindow, BooleansAreNumbersAndTheBarsFollowTheMarksOnlyAtActivation)
{
    startWith(crlf({"[CoolBar]", "SearchBar=2", "NaviBar=-1", "SiteBar=abc", "URLBar=0", "AnimeBar=0x0", "FavList=0",
                    "[LinkBar]", "Site1Visible=0", "Site2Visible=yes", "[ETC]", "MsgKeyDel=0", "KeyTreeBackup=0"}));
    TForm1& f = form();
    const bool marks[7] = {true, true, true, false, false, true, false};
    const std::array<QAction*, 7> items = viewMarks(f);
    const std::array<QWidget*, 7> bars = viewBars(f);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(items[i]->isChecked(), marks[i]) << i;
        EXPECT_FALSE(bars[i]->isHidden()) << i;
    }
    EXPECT_FALSE(f.searchBar().siteButtonShown(0));
    EXPECT_TRUE(f.searchBar().siteButtonShown(1));
    EXPECT_FALSE(f.Settings.MsgKeyDel);
    EXPECT_FALSE(formControl<QAction>(f, "N24")->isEnabled() || formControl<QAction>(f, "N25")->isEnabled());

    showAndActivate();
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(bars[i]->isVisible(), marks[i]) << i;
    EXPECT_FALSE(siteButton(f, 0)->isVisible());
    ASSERT_TRUE(closeWindow());
    const PrivateProfile file = saved();
    const char* keys[7] = {"SearchBar", "NaviBar", "SiteBar", "URLBar", "AnimeBar", "SiteBar2", "FavList"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(file.readInteger("CoolBar", keys[i], -1), marks[i] ? 1 : 0) << keys[i];
    EXPECT_EQ(file.readInteger("LinkBar", "Site1Visible", -1), 0);
    EXPECT_EQ(file.readInteger("ETC", "KeyTreeBackup", -1), 0);
}

// The watched-auction strip hidden has no height in its splitter; the close must still write the
// height it comes back with. A close before the first activation writes the marks the bars were
// about to take, not the all-visible layout.
TEST_F(SettingsWindow, HiddenBarsAndStripKeepTheirSettings)
{
    startWith(crlf({"[Form]", "FavListHeight=130", "[CoolBar]", "SearchBar=0", "FavList=0"}));
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(savedInteger("CoolBar", "SearchBar"), 0);
    EXPECT_EQ(savedInteger("CoolBar", "FavList"), 0);

    start();
    showAndActivate();
    EXPECT_TRUE(formControl<QWidget>(form(), "Panel2")->isHidden());
    formControl<QAction>(form(), "N22")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(formControl<QWidget>(form(), "Panel2")->height(), 130);
    formControl<QAction>(form(), "N22")->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(savedInteger("Form", "FavListHeight"), 130);
    EXPECT_EQ(savedInteger("CoolBar", "FavList"), 0);
}

TEST_F(SettingsWindow, AHandEditedFileKeepsEveryLineItDoesNotOwn)
{
    const std::string edited =
        "; kept by hand\n\n[Extra]\ncolour=blue\n[form]\n  top = 5\n; the width\nWIDTH=900\nunknown=1\n"
        "[tabname]\nkey#1=\"Old\"\nKEY#2=\x82\xA0\xFF\n\n[Empty]\n";
    startWith(edited);
    EXPECT_EQ(form().pos().y(), 5);
    EXPECT_EQ(form().width(), 900);
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(0), QStringLiteral("Old"));
    form().Settings.TabName[0] = "New";
    ASSERT_TRUE(closeWindow());

    // Every line of the edited file, in its order and with its own line end; only the caption
    // changed, in place. Whatever else the save wrote are new entries ending CR LF.
    std::string expected = edited;
    expected.replace(expected.find("key#1=\"Old\""), 11, "key#1=New");
    const std::vector<std::string> written = linesOf(folder.read(".ini"));
    size_t at = 0;
    for (const std::string& line : linesOf(expected)) {
        for (; at < written.size() && written[at] != line; ++at)
            EXPECT_TRUE(written[at].ends_with("\r\n")) << written[at];
        ASSERT_LT(at, written.size()) << "lost: " << line;
        ++at;
    }
}

TEST_F(SettingsWindow, StartAndCloseOfAnUnchangedProgramWriteTheSameFile)
{
    start();
    ASSERT_TRUE(closeWindow());
    const std::string first = folder.read(".ini");
    restart();
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ini"), first);

    // Bands sharing rows, hidden bars, names that are not valid Shift-JIS, a window once shown.
    startWith(crlf({"[Form]",         "Top=20",         "Left=10",           "Width=900",
                    "Height=700",     "TreeWidth=250",  "FavListHeight=130", "[CoolBar]",
                    "Band0ID=4",      "Band1ID=5",      "Band1Break=0",      "Band2Break=0",
                    "Band4Break=0",   "Band0Width=310", "Band1Width=480",    "Band3Width=260",
                    "SiteBar=0",      "FavList=0",      "[LinkBar]",         "Site1Name=\xFF\x81",
                    "Site3Visible=0", "[TabName]",      "KEY#2=\x82"}));
    ASSERT_TRUE(closeWindow());
    const std::string second = folder.read(".ini");
    EXPECT_NE(second.find("Site1Name=\xFF\x81\r\n"), std::string::npos);
    EXPECT_NE(second.find("KEY#2=\x82\r\n"), std::string::npos);
    for (int cycle = 0; cycle < 2; ++cycle) {
        start();
        showAndActivate();
        ASSERT_TRUE(closeWindow());
        EXPECT_EQ(folder.read(".ini"), second) << cycle;
    }
}

TEST_F(SettingsWindow, AFailedWriteIsShownKeepsTheWindowOpenAndLeavesTheFile)
{
    start();
    ASSERT_TRUE(closeWindow());
    const std::string before = folder.read(".ini");
    std::filesystem::remove(folder.file(".fal"));
    {
        ImmutableFolder frozen(folder.folder());
        start();
        form().move(33, 44);
        EXPECT_FALSE(closeWindow());
        ASSERT_FALSE(dialogs.errors().empty());
        // The line of the settings file, with why it could not be written.
        EXPECT_TRUE(dialogs.errors().back().startsWith(QFile::decodeName(folder.file(".ini").c_str()) +
                                                       QStringLiteral(" に書き込めません（")));
        EXPECT_EQ(folder.read(".ini"), before);
        EXPECT_FALSE(folder.exists(".fal")) << "nor can the list be written in a frozen folder";
    }
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(savedInteger("Form", "Left"), 33);
}

// A file that refuses reading is reported at start, and the window starts as without a file; the
// close leaves the file (here a link) as it is, since the user has changed no setting.
TEST_F(SettingsWindow, AnUnreadableFileIsReportedAndKeptAtClose)
{
    std::filesystem::create_symlink("/proc/self/mem", folder.file(".ini"));
    start();
    ASSERT_EQ(dialogs.errors().size(), 1u);
    EXPECT_EQ(dialogs.errors()[0], QStringLiteral("ファイル %1 "
                                                  "は開けません。その内容は表示されませんが、ファイルはそのまま残ります"
                                                  "。内容を変更するまでファイルには書き込みません.")
                                       .arg(QFile::decodeName(folder.file(".ini").c_str())));
    EXPECT_EQ(form().width(), 870);
    EXPECT_EQ(formControl<CoolBar>(form(), "CoolBar1")->rowCount(), 6);
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file(".ini")));
    EXPECT_EQ(std::filesystem::read_symlink(folder.file(".ini")), "/proc/self/mem");
}

TEST_F(SettingsWindow, AfterAResetTheCloseWritesNoSettingsButRunsTheOtherSteps)
{
    start();
    form().SettingsReset = true;
    ASSERT_TRUE(closeWindow());
    EXPECT_FALSE(folder.exists(".ini"));
    EXPECT_TRUE(folder.exists(".fal"));
}

struct BadInputCase {
    const char* name;
    std::function<std::string()> file;
    std::function<void(TForm1&)> check;
};

class BadSettingsInput : public SettingsWindow, public ::testing::WithParamInterface<BadInputCase> {};

TEST_P(BadSettingsInput, FallsBackKeyByKeyAndLoadsTheRest)
{
    startWith(GetParam().file());
    GetParam().check(form());
    showAndActivate();
    ASSERT_TRUE(closeWindow());
    restart();
    GetParam().check(form());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadSettingsInput,
    ::testing::Values(
        BadInputCase{"LongValues",
                     [] {
                         return "[Aucfun]\r\nURL=" + std::string(10000, 'a') +
                                "\r\n[Form]\r\nTreeWidth=" + std::string(10000, '1') +
                                "\r\nTop=7\r\n[LinkBar]\r\nSite1Name=" + std::string(10000, 'b') + "\r\n";
                     },
                     [](TForm1& f) {
                         EXPECT_EQ(f.Settings.URL, std::string(2047, 'a'));
                         EXPECT_EQ(f.treeWidth(), 170);
                         EXPECT_EQ(f.pos().y(), 7);
                         EXPECT_EQ(siteButton(f, 0)->toolTip().size(), 2047);
                     }},
        BadInputCase{"NulBytes",
                     [] {
                         static constexpr char kFile[] =
                             "[Form]\r\nTop=3\0junk\r\nLeft=\0\r\nWidth=900\r\n[Aucfun]\r\nURL=a\0b\r\n";
                         return std::string(kFile, sizeof kFile - 1);
                     },
                     [](TForm1& f) {
                         EXPECT_EQ(f.pos(), QPoint(0, 3));
                         EXPECT_EQ(f.width(), 900);
                         EXPECT_EQ(f.Settings.URL, "a");
                     }},
        BadInputCase{
            "RandomMegabyte",
            [] {
                std::mt19937 random(7);
                std::string bytes(1 << 20, '\0');
                for (char& c : bytes)
                    c = static_cast<char>(random());
                return bytes + "\r\n[Form]\r\nTop=9\r\n";
            },
            [](TForm1& f) {
                EXPECT_EQ(f.pos().y(), 9);
                EXPECT_EQ(f.width(), 870);
                EXPECT_EQ(bandOrder(*formControl<CoolBar>(f, "CoolBar1")), (std::vector<int>{0, 1, 2, 3, 4, 5}));
            }},
        BadInputCase{
            "NumbersPast32Bits",
            [] {
                return crlf({"[Form]", "Top=2147483648", "Left=-2147483649", "Width=0x100000000", "Height=99999999999",
                             "TreeWidth=4294967296", "FavListHeight=150", "[CoolBar]", "Band0ID=4294967301",
                             "Band1ID=3", "SearchBar=0x100000000"});
            },
            [](TForm1& f) {
                EXPECT_EQ(f.pos(), QPoint(0, 0));
                EXPECT_EQ(f.size(), QSize(870, 720));
                EXPECT_EQ(f.treeWidth(), 170);
                EXPECT_EQ(f.favListHeight(), 150);
                EXPECT_EQ(bandOrder(*formControl<CoolBar>(f, "CoolBar1")), (std::vector<int>{0, 3, 1, 2, 4, 5}));
                EXPECT_TRUE(formControl<QAction>(f, "N2")->isChecked());
            }},
        BadInputCase{"ExtremesInRange",
                     [] {
                         return crlf({"[Form]", "Top=-2147483648", "Left=2147483647", "Width=-5", "Height=2147483647",
                                      "TreeWidth=2147483647", "FavListHeight=-2147483648", "[CoolBar]", "Band1Break=0",
                                      "Band0Width=2147483647", "Band2Break=0", "Band1Width=-2147483648"});
                     },
                     [](TForm1& f) {
                         EXPECT_EQ(f.pos().x(), 32767);
                         EXPECT_EQ(f.height(), 32767);
                     }}),
    caseName<BadInputCase>);

TEST_F(SettingsWindow, AMaximizedWindowStartsMaximizedWithItsNormalBoundsKeptAndItsBoxesFollowTheBands)
{
    startWith("[Form]\r\nTop=40\r\nLeft=30\r\nWidth=640\r\nHeight=480\r\n");
    showAndActivate();
    QComboBox* boxes[] = {formControl<QComboBox>(form(), "ComboBox1"), formControl<QComboBox>(form(), "ComboBox2")};
    const int normalWidths[] = {boxes[0]->width(), boxes[1]->width()};
    form().showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form().width() > 640; }));
    QApplication::processEvents();
    for (int i = 0; i < 2; ++i)  // each band spans its row, and its box takes what the row gives
        EXPECT_GT(boxes[i]->width(), normalWidths[i]) << i;
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(savedInteger("Form", "Maximized"), 1);
    EXPECT_EQ((std::vector<int>{savedInteger("Form", "Left"), savedInteger("Form", "Top"),
                                savedInteger("Form", "Width"), savedInteger("Form", "Height")}),
              (std::vector<int>{30, 40, 640, 480}));

    start();
    EXPECT_TRUE(form().windowState() & Qt::WindowMaximized);
    showAndActivate();
    EXPECT_TRUE(form().isMaximized());
    EXPECT_EQ(form().normalGeometry().size(), QSize(640, 480));
    form().showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form().width() == 640; }));
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(savedInteger("Form", "Maximized"), 0);
    EXPECT_EQ(savedInteger("Form", "Width"), 640);
}
