// The pane's habits with the real browser engine: the status bar follows what the page itself
// does, the usual keys pressed at the main window, downloads and addresses typed without a scheme.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "browser/web_engine_browser.h"
#include "tests/support/loopback_http_server.h"
#include "tests/support/program_folder.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"
#include "widgets/animate.h"
#include "widgets/status_bar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 30000;

class PaneHabits : public ::testing::Test {
protected:
    void SetUp() override
    {
        static const bool applicationReady = [] {
            setUpApplication(*qApp);
            return true;
        }();
        (void)applicationReady;
        profile_ = new QWebEngineProfile;
        browser = new WebEngineBrowser(profile_);
        windows_ = createProgramWindows(ProgramServices{browser, &dialogs, &launcher, folder.executablePath()});
        form().resize(900, 700);
        form().show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
        ASSERT_TRUE(waitUntilShown(QStringLiteral("file://")));
    }

    void TearDown() override
    {
        windows_ = ProgramWindows{};  // the pane and its page go before their profile
        delete profile_;
    }

    TForm1& form() { return *windows_.form; }
    QString panel(int index) { return form().StatusBar1->panelText(index); }

    bool waitUntilShown(const QString& address)
    {
        return QTest::qWaitFor(
            [&] { return panel(0) == QStringLiteral("現在のURL :") && browser->LocationURL().startsWith(address); },
            kWaitMs);
    }

    bool waitForRequest(const QByteArray& line)
    {
        return QTest::qWaitFor([&] { return server.pageRequestLines().contains(line); }, kWaitMs);
    }

    // Types the address into the address box and presses 移動, at the main window.
    void open(const QString& address)
    {
        form().ComboBox2->lineEdit()->setFocus();
        form().ComboBox2->lineEdit()->clear();
        for (const QChar c : address)
            QTest::keyClick(form().windowHandle(), c.toLatin1());
        QPushButton* go = form().Button2;
        QTest::mouseClick(form().windowHandle(), Qt::LeftButton, {}, go->mapTo(&form(), go->rect().center()));
    }

    ProgramFolder folder;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    LoopbackHttpServer server;
    WebEngineBrowser* browser = nullptr;  // owned by the form

private:
    QWebEngineProfile* profile_ = nullptr;
    ProgramWindows windows_;
};

}  // namespace

TEST_F(PaneHabits, TheStatusFollowsThePageNotItsLateFramesAndMovesWithItsHistory)
{
    server.serve("/late", "text/html",
                 "<html><body>late<script>onload = () => setTimeout(() => {"
                 " const f = document.createElement('iframe'); f.src = '/frame';"
                 " document.body.appendChild(f); }, 200);</script></body></html>");
    open(server.baseAddress() + QStringLiteral("late"));
    ASSERT_TRUE(waitForRequest("GET /frame HTTP/1.1"));
    QTest::qWait(1000);  // the frame's own load has long finished
    EXPECT_EQ(panel(0), QStringLiteral("現在のURL :"));
    EXPECT_EQ(panel(1), server.baseAddress() + QStringLiteral("late"));
    EXPECT_TRUE(form().ProgressBar1->isHidden());
    EXPECT_FALSE(form().Animate1->active());

    browser->view()->page()->runJavaScript(QStringLiteral("history.pushState({}, '', '/moved?x=1')"));
    const QString moved = server.baseAddress() + QStringLiteral("moved?x=1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return form().ComboBox2->currentText() == moved; }, kWaitMs));
    EXPECT_EQ(panel(0), QStringLiteral("現在のURL :"));
    EXPECT_EQ(panel(1), moved);
    EXPECT_FALSE(server.pageRequestLines().contains("GET /moved?x=1 HTTP/1.1"));
}
