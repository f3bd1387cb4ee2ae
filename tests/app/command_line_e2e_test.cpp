// `ribemo 時計` with the real browser engine: the bytes the statistics site receives; a file
// given instead is shown, and the site receives nothing.
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "engine/web_engine_browser.h"
#include "pane/browser_pane.h"
#include "tests/support/loopback_http_server.h"
#include "tests/support/program_folder.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"
#include "text/sjis_text.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QUrl>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

namespace {
void setUpOnce()
{
    static const bool applicationReady = [] {
        setUpApplication(*qApp);
        return true;
    }();
    (void)applicationReady;
}
}  // namespace

TEST(CommandLineSearch, KeywordReachesTheStatisticsSiteAsEucJpEscapes)
{
    setUpOnce();
    LoopbackHttpServer server;
    ProgramFolder folder;
    folder.write(".ini", "[Aucfun]\r\nURL=" + toSjis(server.baseAddress()) + "\r\n");
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QWebEngineProfile profile;
    {
        ProgramWindows windows = createProgramWindows(
            ProgramServices{new WebEngineBrowser(&profile), &dialogs, &launcher, folder.executablePath()});
        applyCommandLine(*windows.form, parseCommandLine({QStringLiteral("ribemo"), QStringLiteral("時計")}));
        windows.form->show();
        const QByteArray expected = "GET /search?q=%BB%FE%B7%D7&t=-1 HTTP/1.1";
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.pageRequestLines().contains(expected); }, 30000))
            << server.pageRequestLines().join('\n').toStdString();
    }
}

TEST(CommandLineSearch, AFileIsShownInThePaneAndSentToNoSite)
{
    setUpOnce();
    LoopbackHttpServer server;
    ProgramFolder folder;
    folder.write(".ini", "[Aucfun]\r\nURL=" + toSjis(server.baseAddress()) + "\r\n");
    folder.write(" 保存.html", "<title>saved</title>");
    const QString page = QFile::decodeName(QByteArray::fromStdString(folder.file(" 保存.html")));
    for (const QString& argument : {page, QUrl::fromLocalFile(page).toString(QUrl::FullyEncoded)}) {
        SCOPED_TRACE(argument.toStdString());
        ScriptedDialogs dialogs;
        RecordingLauncher launcher;
        QWebEngineProfile profile;
        ProgramWindows windows = createProgramWindows(
            ProgramServices{new WebEngineBrowser(&profile), &dialogs, &launcher, folder.executablePath()});
        applyCommandLine(*windows.form, parseCommandLine({QStringLiteral("ribemo"), argument}));
        windows.form->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return windows.form->browserPane().pageTitle() == u"saved"; }, 30000));
        EXPECT_TRUE(server.pageRequestLines().isEmpty()) << server.pageRequestLines().join('\n').toStdString();
    }
}
