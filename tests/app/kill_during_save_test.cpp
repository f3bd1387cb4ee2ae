// A child process (this binary, re-invoked) saves the three kinds of file over and over and is
// killed with SIGKILL at random moments inside a save: every file is whole, old or new, and the
// next save clears away what the killed ones left.
#include "keywords/keyword_tabs.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "tests/support/form_fixture.h"
#include "watched/auction_list_view.h"
#include "watched/watched_list.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <filesystem>
#include <random>

namespace {

constexpr char kLoopFolder[] = "RIBEMO_SAVE_LOOP_FOLDER";
const char* const kSavedFiles[] = {".ini", ".fal", ".ask"};

// Saves the small or the large state; few long texts give the writes a good share of the time.
void save(TForm1& form, bool large)
{
    const std::string padding(large ? 400 : 0, 'p');
    form.Settings.URL = large ? "http://b.example/" + padding : "http://a.example/";
    KeywordForest nodes{{0, "root"}};
    std::vector<WatchedEntry> entries;
    for (int i = 0; i < (large ? 3000 : 2); ++i) {
        nodes.push_back({1, std::to_string(i) + padding});
        entries.push_back({std::to_string(i) + padding, "http://x.example/"});
    }
    showForest(*formControl<KeywordTreeView>(form, "TreeView1"), nodes);
    formControl<AuctionListView>(form, "FavAucList")->setEntries(entries);
    std::fputs("SAVING\n", stdout);
    std::fflush(stdout);
    form.SaveSettings();
    form.watchedList().SaveWatchedList();
    form.keywordTabs().SaveShownKeywordTree();
}

// The child, in the folder the test names; it stops by itself after 30 seconds.
TEST(KillDuringSaveChild, SavesOverAndOver)
{
    const QByteArray folder = qgetenv(kLoopFolder);
    if (folder.isEmpty())
        GTEST_SKIP() << "the child of KillDuringSave";
    setUpApplication(*qApp);
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    ProgramWindows windows =
        createProgramWindows({new RecordingBrowser, &dialogs, &launcher, folder.toStdString() + "/ribemo"});
    QElapsedTimer clock;
    clock.start();
    for (bool large = false; clock.elapsed() < 30000; large = !large)
        save(*windows.form, large);
}

class KillDuringSave : public FormFixture {};

TEST_F(KillDuringSave, EveryFileHoldsItsOldOrItsNewContent)
{
    start();
    std::map<std::string, std::array<std::string, 2>> contents;
    for (bool large : {false, true}) {
        save(form(), large);
        for (const char* suffix : kSavedFiles)
            contents[suffix][large] = folder.read(suffix);
    }
    TearDown();

    std::mt19937 random(20261208);
    for (int round = 0; round < 25; ++round) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kLoopFolder, QString::fromStdString(folder.folder()));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=KillDuringSaveChild.*")});
        QByteArray output;  // from the second mark on, the child is inside its second save
        while (output.count("SAVING") < 2 && child.waitForReadyRead(30000))
            output += child.readAllStandardOutput();
        ASSERT_GE(output.count("SAVING"), 2);
        QThread::usleep(random() % 8000);
        child.kill();
        child.waitForFinished();
        for (const char* suffix : kSavedFiles) {
            const std::string bytes = folder.read(suffix);
            EXPECT_TRUE(bytes == contents[suffix][0] || bytes == contents[suffix][1]) << suffix << " " << round;
        }
    }
    start();
    ASSERT_TRUE(closeWindow());
    for (const auto& entry : std::filesystem::directory_iterator(folder.folder()))
        EXPECT_EQ(entry.path().filename().string().find(".ribemo-"), std::string::npos) << entry.path();
}

}  // namespace
