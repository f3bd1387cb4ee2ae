// Two copies of the program on one folder, each with a keyword of its own, ended by SIGTERM at
// the same moment (a logout ends every program at once): both keywords survive every round, in
// the file or in a conflict copy that the log names.
#include "app/session_end.h"
#include "files/file_io.h"
#include "search/search_bar.h"
#include "tests/support/form_fixture.h"

#include <QApplication>
#include <QProcess>

#include <csignal>
#include <cstdio>
#include <filesystem>

namespace {

constexpr char kFolderVariable[] = "RIBEMO_TWO_COPIES_FOLDER";
constexpr char kWordVariable[] = "RIBEMO_TWO_COPIES_WORD";

// One copy, as the program entry runs it: the windows, the signals' watch, the message loop.
TEST(TwoCopiesChild, RegistersItsWordAndRunsUntilASignal)
{
    const QByteArray folder = qgetenv(kFolderVariable);
    if (folder.isEmpty())
        GTEST_SKIP() << "a child of TwoCopies";
    setUpApplication(*qApp);
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    ProgramWindows windows =
        createProgramWindows({new RecordingBrowser, &dialogs, &launcher, folder.toStdString() + "/ribemo"});
    SessionEndWatch watch(*windows.form, [] { QCoreApplication::exit(0); });
    windows.form->searchBar().setKeywordText(qgetenv(kWordVariable).toStdString());
    formControl<QAction>(*windows.form, "N6")->trigger();
    std::fputs("READY\n", stdout);
    std::fflush(stdout);
    QCoreApplication::exec();
}

TEST(TwoCopies, EndedTogetherBothKeepTheirChange)
{
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        ProgramFolder folder;
        folder.write(".ask", "root\r\n");
        writeFileAtomically(folder.folder() + "/.ribemo.lock", "");  // as a copy killed while saving leaves it
        QProcess copies[2];
        const char* words[2] = {"alpha", "beta"};
        for (int i = 0; i < 2; ++i) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(kFolderVariable, QString::fromStdString(folder.folder()));
            environment.insert(kWordVariable, words[i]);
            copies[i].setProcessEnvironment(environment);
            copies[i].start(QCoreApplication::applicationFilePath(), {"--gtest_filter=TwoCopiesChild.*"});
        }
        for (QProcess& copy : copies) {
            QByteArray output;
            while (!(output += copy.readAllStandardOutput()).contains("READY"))
                ASSERT_TRUE(copy.waitForReadyRead(30000));
        }
        ::kill(static_cast<pid_t>(copies[0].processId()), SIGTERM);
        ::kill(static_cast<pid_t>(copies[1].processId()), SIGTERM);
        QString log;
        for (QProcess& copy : copies) {
            ASSERT_TRUE(copy.waitForFinished(30000));
            log += QString::fromUtf8(copy.readAllStandardError());
        }
        // Every version of the file that is left, and which of the two words each holds.
        std::string kept = folder.read(".ask");
        for (const auto& entry : std::filesystem::directory_iterator(folder.folder())) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("ribemo.ask.conflict-")) {
                kept += folder.read(name.substr(6));
                EXPECT_TRUE(log.contains(QString::fromStdString(entry.path().string()))) << log.toStdString();
            }
        }
        EXPECT_NE(kept.find("alpha"), std::string::npos) << kept;
        EXPECT_NE(kept.find("beta"), std::string::npos) << kept;
    }
}

}  // namespace
