// The pane's engine starts behind the window, as in the program: what the user does before it is
// there reaches the real engine, and a stop in that moment drops only the pages asked for.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "browser/deferred_browser.h"
#include "engine/web_engine_browser.h"
#include "tests/support/form_controls.h"
#include "tests/support/loopback_http_server.h"
#include "tests/support/program_folder.h"
#include "tests/support/real_program.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/window_input.h"
#include "widgets/status_bar.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

TEST(EngineBehindTheWindow, AStopBeforeTheEngineLeavesThePagesScriptBoxesTheProgramsInJapanese)
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    LoopbackHttpServer server;
    server.serve("/alert", "text/html; charset=utf-8", "<script>alert('保存しました')</script>");
    QWebEngineProfile profile;
    WebEngineBrowser* engine = nullptr;
    auto* pane = new DeferredBrowser([&](QWidget* parent) { return engine = new WebEngineBrowser(&profile, parent); });
    // Made after the profile, so gone before it.
    ProgramWindows windows = createProgramWindows(ProgramServices{pane, &dialogs, &launcher, folder.executablePath()});
    TForm1& form = *windows.form;
    const auto panel = [&] { return formControl<StatusBar>(form, "StatusBar1")->panelText(0); };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // The help page of the start is on its way; 中止 before the engine is there stops it.
    EXPECT_EQ(panel(), QStringLiteral("検索中... :"));
    input::click(formControl<QToolButton>(form, "ToolButton7"));
    EXPECT_EQ(panel(), QStringLiteral("現在のURL :"));
    pane->start();
    ASSERT_NE(engine, nullptr);

    // A box of the engine's own would be modal and in English: closed at once and counted.
    bool engineOwnBox = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            engineOwnBox = true;
            box->close();
        }
    });
    watch.start(100);
    openAddress(form, server.baseAddress() + QStringLiteral("alert"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shown.empty() || engineOwnBox; }, 30000));
    EXPECT_FALSE(engineOwnBox);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("127.0.0.1 からのメッセージ"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("保存しました"));
}
