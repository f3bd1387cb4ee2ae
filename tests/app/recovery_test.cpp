// A run that ends without its close (killed, crashed, the power gone) leaves its recovery record
// beside the files, and the next start offers it back. Each row below is one way a run ends and
// what the next start and its close make of it, through the windows as a user drives them; the
// last test kills two real copies with SIGKILL.
#include "files/file_io.h"
#include "files/recovery_files.h"
#include "files/recovery_record.h"
#include "keywords/keyword_tabs.h"
#include "options/option_dlg.h"
#include "recovery/recovery_keeper.h"
#include "search/search_bar.h"
#include "tests/support/child_copy.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "widgets/status_bar.h"
#include "widgets/tab_control.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

const QString kQuestion =
    QStringLiteral("前回 Ribemo が正しく終了しなかったため、保存されていない変更が残っています。復元しますか？");

// The bytes of every file in folder whose name starts with start, one after another.
std::string filesStartingWith(const std::string& folder, const std::string& start)
{
    std::string all;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().starts_with(start))
            all += entry.is_regular_file() ? readWholeFile(entry.path().string()) : std::string();
    return all;
}

size_t count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

class Recovery : public FormFixture {
public:
    // For the rows of the table below.
    using FormFixture::browser, FormFixture::closeWindow, FormFixture::dialogs, FormFixture::folder, FormFixture::form,
        FormFixture::start, FormFixture::TearDown;

    void registerKeyword(const std::string& word)
    {
        form().searchBar().setKeywordText(word);
        formControl<QAction>(form(), "N6")->trigger();
    }
    void addPage(const QString& title)
    {
        browser->locationName = title;
        browser->locationUrl = QStringLiteral("http://%1.example/").arg(title);
        form().show();
        input::click(formControl<QPushButton>(form(), "Button3"));
    }
    void acceptOptionsUrl(const QString& url)
    {
        QTimer::singleShot(0, windows().optionDlg(), [&] {
            windows().optionDlg()->LabeledEdit1->setText(url);
            input::click(windows().optionDlg()->OKBtn);
        });
        formControl<QAction>(form(), "N5")->trigger();
    }
    std::string hiddenRecords() const { return filesStartingWith(folder.folder(), ".ribemo.recovery-"); }
    std::string keptAside() const { return filesStartingWith(folder.folder(), "ribemo.recovery-"); }
    // The record follows the changes by itself, within the second a crash may cost.
    bool recordHolds(const std::string& part)
    {
        return QTest::qWaitFor([&] { return hiddenRecords().find(part) != std::string::npos; }, 5000);
    }
    // The windows go without their close: on disk, what a kill leaves.
    void crash() { TearDown(); }
    bool asked() const
    {
        return std::any_of(dialogs.shown.begin(), dialogs.shown.end(),
                           [](const ShownBox& box) { return box.text == kQuestion; });
    }
};

struct Ending {
    const char* what;
    std::function<void(Recovery&)> run;    // the first run, ended by a crash or a close
    QMessageBox::StandardButton answer;    // to the question at the next start
    std::function<void(Recovery&)> check;  // the next start, then its close
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.what; }

class RecoveryEnding : public Recovery, public ::testing::WithParamInterface<Ending> {};

// A record as a copy writes it: the tree of tab 1 with one keyword.
std::string recordOfWord(const std::string& word)
{
    return writeRecoveryRecord({{"ribemo.ask", ContentFingerprint{}, "root\r\n\t" + word + "\r\n"}});
}

const Ending kEndings[] = {
    {"killed: はい brings every change back, and the close saves it once",
     [](Recovery& t) {
         t.start();
         t.registerKeyword("crashword");
         t.addPage(QStringLiteral("watchedpage"));
         t.acceptOptionsUrl(QStringLiteral("http://new.example/"));
         ASSERT_TRUE(t.recordHolds("watchedpage") && t.recordHolds("crashword") && t.recordHolds("new.example"));
         t.crash();
     },
     QMessageBox::Yes,
     [](Recovery& t) {
         EXPECT_TRUE(t.asked());
         // Until the close saves them, this run's own record holds them.
         EXPECT_NE(t.hiddenRecords().find("crashword"), std::string::npos);
         ASSERT_TRUE(t.closeWindow());
         EXPECT_EQ(count(t.folder.read(".ask"), "crashword\r\n"), 1u);
         EXPECT_EQ(t.folder.read(".fal"), "watchedpage,http://watchedpage.example/\r\n");
         EXPECT_NE(t.folder.read(".ini").find("\r\nURL=http://new.example/\r\n"), std::string::npos);
         EXPECT_EQ(t.hiddenRecords() + t.keptAside(), "");
     }},
    {"killed: いいえ keeps the record aside, where the user sees it",
     [](Recovery& t) {
         t.start();
         t.registerKeyword("declined");
         ASSERT_TRUE(t.recordHolds("declined"));
         t.crash();
     },
     QMessageBox::No,
     [](Recovery& t) {
         ASSERT_TRUE(t.closeWindow());
         EXPECT_FALSE(t.folder.exists(".ask"));
         EXPECT_NE(t.keptAside().find("declined"), std::string::npos);
         EXPECT_EQ(t.hiddenRecords(), "");
     }},
    {"closed cleanly: nothing is left, nothing is asked",
     [](Recovery& t) {
         t.start();
         t.registerKeyword("saved");
         ASSERT_TRUE(t.recordHolds("saved"));
         ASSERT_TRUE(t.closeWindow());
         EXPECT_EQ(t.hiddenRecords(), "");
     },
     QMessageBox::Yes,
     [](Recovery& t) {
         EXPECT_TRUE(t.dialogs.shown.empty());
         EXPECT_EQ(count(t.folder.read(".ask"), "saved\r\n"), 1u);
     }},
    {"an unsaved tree of the third tab comes back on that tab",
     [](Recovery& t) {
         t.start();
         formControl<TabControl>(t.form(), "TabControl2")->setTabIndex(2);
         t.registerKeyword("third");
         ASSERT_TRUE(t.recordHolds("third"));
         t.crash();
     },
     QMessageBox::Yes,
     [](Recovery& t) {
         EXPECT_EQ(t.form().keywordTabs().CurrentKeyTab(), 2);
         EXPECT_EQ(formControl<TabControl>(t.form(), "TabControl2")->TabIndex(), 2);
         ASSERT_TRUE(t.closeWindow());
         EXPECT_EQ(count(t.folder.read(".ask3"), "third\r\n"), 1u);
         EXPECT_FALSE(t.folder.exists(".ask"));
     }},
    {"a record cut short is kept aside and told, and nothing of it is taken",
     [](Recovery& t) {
         const std::string whole = recordOfWord("partial");
         writeFileAtomically(t.folder.folder() + "/.ribemo.recovery-1-abcdef", whole.substr(0, whole.size() - 3));
     },
     QMessageBox::Yes,
     [](Recovery& t) {
         EXPECT_FALSE(t.asked());
         ASSERT_EQ(t.dialogs.shown.size(), 1u);
         EXPECT_EQ(t.dialogs.shown[0].icon, QMessageBox::Warning);
         EXPECT_TRUE(t.dialogs.shown[0].text.contains(QStringLiteral("ribemo.recovery-")));
         ASSERT_TRUE(t.closeWindow());
         EXPECT_FALSE(t.folder.exists(".ask"));
         EXPECT_NE(t.keptAside().find("partial"), std::string::npos);
     }},
};

TEST_P(RecoveryEnding, TheNextStartMakesOfItWhatTheUserChose)
{
    GetParam().run(*this);
    TearDown();
    dialogs.shown.clear();
    dialogs.answers = {GetParam().answer};
    start();
    GetParam().check(*this);
    // Whatever happened, a further start asks nothing.
    TearDown();
    dialogs.shown.clear();
    start();
    EXPECT_FALSE(asked());
}

INSTANTIATE_TEST_SUITE_P(Endings, RecoveryEnding, ::testing::ValuesIn(kEndings),
                         [](const auto& row) { return "Ending" + std::to_string(row.index); });

TEST_F(Recovery, ARecordOfACopyStillAtWorkIsLeftAlone)
{
    OwnRecoveryRecord running(folder.executablePath());
    ASSERT_EQ(running.write(recordOfWord("running")), 0);
    start();
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(readWholeFile(running.path()), recordOfWord("running"));
    EXPECT_FALSE(folder.exists(".ask"));
}

TEST_F(Recovery, ARecordThatCannotBeWrittenIsToldOnceInTheStatusBarAndTheRunGoesOn)
{
    start();
    StatusBar& status = *formControl<StatusBar>(form(), "StatusBar1");
    // Every file of more than a few bytes now fails to be written, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit normal{};
    ::getrlimit(RLIMIT_FSIZE, &normal);
    const rlimit tiny{16, normal.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    registerKeyword("first");
    const bool told = QTest::qWaitFor(
        [&] { return status.panelText(1).startsWith(QStringLiteral("変更の記録を書き込めません")); }, 5000);
    status.setPanelText(1, QStringLiteral("seen"));
    registerKeyword("second");
    form().recoveryKeeper().takeSnapshot();
    const int failed = form().recoveryKeeper().waitUntilWritten();
    QCoreApplication::processEvents();
    ::setrlimit(RLIMIT_FSIZE, &normal);
    EXPECT_TRUE(told);
    EXPECT_NE(failed, 0);
    EXPECT_EQ(status.panelText(1), QStringLiteral("seen"));
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(count(folder.read(".ask"), "first\r\n") + count(folder.read(".ask"), "second\r\n"), 2u);
}

// ---- Two real copies on one folder, each killed with SIGKILL after its own change.

constexpr char kFolderVariable[] = "RIBEMO_RECOVERY_FOLDER";
constexpr char kWordVariable[] = "RIBEMO_RECOVERY_WORD";

TEST(RecoveryChild, ChangesAndWaitsToBeKilled)
{
    const QByteArray folder = qgetenv(kFolderVariable);
    if (folder.isEmpty())
        GTEST_SKIP() << "a child of Recovery.TwoCopiesKilled";
    ChildCopy copy(folder);
    const std::string word = qgetenv(kWordVariable).toStdString();
    copy.browser->locationName = QString::fromStdString(word);
    copy.browser->locationUrl = QStringLiteral("http://page.example/");
    copy.windows.form->searchBar().setKeywordText(word);
    formControl<QAction>(*copy.windows.form, "N6")->trigger();
    formControl<QAction>(*copy.windows.form, "A1")->trigger();
    // Ready once its record holds both changes, as it does within a second of them.
    if (!QTest::qWaitFor(
            [&] { return count(filesStartingWith(folder.toStdString(), ".ribemo.recovery-"), word) == 2; }))
        return;
    ChildCopy::say("READY");
    QCoreApplication::exec();
}

TEST_F(Recovery, TwoCopiesKilledEachGetTheirChangeBackOnce)
{
    folder.write(".ask", "root\r\n");
    QProcess copies[2];
    const char* words[2] = {"alpha", "beta"};
    for (int i = 0; i < 2; ++i) {
        startChildCopy(copies[i], "RecoveryChild.*",
                       {{kFolderVariable, QString::fromStdString(folder.folder())}, {kWordVariable, words[i]}});
        // One after the other: the second starts while the first runs, as a user's second copy would.
        ASSERT_TRUE(waitUntilSaid(copies[i], "READY"));
    }
    for (QProcess& copy : copies) {
        copy.kill();
        copy.waitForFinished();
    }
    start();
    EXPECT_TRUE(asked());
    ASSERT_TRUE(closeWindow());
    // Each word once: in the file, or in the conflict copy the later copy's close would make.
    const std::string trees = filesStartingWith(folder.folder(), "ribemo.ask");
    const std::string lists = filesStartingWith(folder.folder(), "ribemo.fal");
    for (const char* word : words) {
        EXPECT_EQ(count(trees, std::string(word) + "\r\n"), 1u) << trees;
        EXPECT_EQ(count(lists, std::string(word) + ",http://page.example/\r\n"), 1u) << lists;
    }
    EXPECT_EQ(hiddenRecords() + keptAside(), "");
}

}  // namespace
