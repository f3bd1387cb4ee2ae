// The program killed at any moment while it saves its three kinds of file leaves each file
// holding either its old or its new content, never a mix or a cut; and the next save clears away
// what the killed one left half done. A child process (this test binary, re-invoked) saves over
// and over; the test kills it with SIGKILL at random moments and reads every file's bytes.
#include "keywords/tree_view_forest.h"
#include "tests/support/form_fixture.h"
#include "watched/auction_list_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>

namespace {

constexpr char kLoopFolder[] = "RIBEMO_SAVE_LOOP_FOLDER";
const char* const kSavedFiles[] = {".ini", ".fal", ".ask"};

// The two states the saves alternate between; the large one makes a kill land inside a write.
void putState(TForm1& form, bool large)
{
    const int count = large ? 3000 : 2;
    const std::string padding(large ? 400 : 0, 'p');
    form.Settings.URL = large ? "http://b.example/" + std::string(1000, 'b') : "http://a.example/";
    KeywordForest nodes{{0, "root"}};
    std::vector<WatchedEntry> entries;
    for (int i = 0; i < count; ++i) {
        nodes.push_back({1, "keyword " + std::to_string(i) + padding});
        entries.push_back({"title " + std::to_string(i) + padding, "http://x.example/" + std::to_string(i)});
    }
    showForest(*form.TreeView1, nodes);
    form.FavAucList->setEntries(entries);
}

void saveAll(TForm1& form)
{
    form.SaveSettings();
    form.SaveWatchedList();
    form.SaveShownKeywordTree();
}

class KillDuringSave : public FormFixture {};

// Runs only as the child of the test below, which names the folder; saves for at most 30 seconds.
TEST(KillDuringSaveChild, SavesOverAndOver)
{
    const QByteArray folder = qgetenv(kLoopFolder);
    if (folder.isEmpty())
        GTEST_SKIP() << "the child of KillDuringSave";
    setUpApplication(*qApp);
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    ProgramWindows windows = createProgramWindows({new RecordingBrowser, &dialogs, &launcher, folder.toStdString() + "/ribemo"});
    QElapsedTimer clock;
    clock.start();
    for (bool large = false; clock.elapsed() < 30000; large = !large) {
        putState(*windows.form, large);
        std::fputs("SAVING\n", stdout);
        std::fflush(stdout);
        saveAll(*windows.form);
    }
}

TEST_F(KillDuringSave, EveryFileHoldsItsOldOrItsNewContent)
{
    start();
    std::map<std::string, std::array<std::string, 2>> contents;
    for (bool large : {false, true}) {
        putState(form(), large);
        saveAll(form());
        for (const char* suffix : kSavedFiles)
            contents[suffix][large] = folder.read(suffix);
    }
    TearDown();

    std::mt19937 random(20261208);
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kLoopFolder, QString::fromStdString(folder.folder()));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=KillDuringSaveChild.*")});
        // The second save is under way once its mark arrives; the kill falls somewhere inside it.
        QByteArray output;
        while (output.count("SAVING") < 2 && child.waitForReadyRead(30000))
            output += child.readAllStandardOutput();
        ASSERT_GE(output.count("SAVING"), 2);
        QThread::usleep(random() % 8000);
        child.kill();
        child.waitForFinished();
        for (const char* suffix : kSavedFiles) {
            const std::string bytes = folder.read(suffix);
            EXPECT_TRUE(bytes == contents[suffix][0] || bytes == contents[suffix][1])
                << suffix << " holds " << bytes.size() << " bytes";
        }
    }

    start();
    ASSERT_TRUE(closeWindow());
    for (const auto& entry : std::filesystem::directory_iterator(folder.folder()))
        EXPECT_EQ(entry.path().filename().string().find(".ribemo-"), std::string::npos) << entry.path();
}

}  // namespace
