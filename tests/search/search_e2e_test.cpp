// Searches with the real browser engine: the bytes that reach a server when the user types a
// keyword and presses Enter, switches the result tab or presses a site button, the status bar
// while a page is held and after it, and the mouse's side buttons over the real pane.
#include "widgets/animate.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "text/sjis_text.h"
#include "widgets/status_bar.h"
#include "widgets/tab_control.h"
#include "widgets/tab_rows.h"
#include "browser/web_engine_browser.h"
#include "tests/support/loopback_http_server.h"
#include "tests/support/program_folder.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 30000;

// The program's windows as the entry builds them, with the real pane on an off-the-record profile.
class RealSearch : public ::testing::Test {
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
        ASSERT_TRUE(waitUntilShown(QStringLiteral("file://")));

        SettingsRecord& s = form().Settings;
        s.URL = toSjis(server.baseAddress());
        s.SoubaCheck = "search?q=$KEY$&t=-1";
        s.KaisaiCheck = "search2?q=$KEY$";
    }

    void TearDown() override
    {
        windows_ = ProgramWindows{};  // the pane and its page go before their profile
        delete profile_;
    }

    TForm1& form() { return *windows_.form; }
    QString panel(int index) { return form().StatusBar1->panelText(index); }

    // Until the pane is idle again on a page whose address begins with prefix.
    bool waitUntilShown(const QString& prefix)
    {
        return QTest::qWaitFor(
            [&] { return panel(0) == QStringLiteral("現在のURL :") && browser->LocationURL().startsWith(prefix); }, kWaitMs);
    }

    bool waitForRequest(const QByteArray& line)
    {
        return QTest::qWaitFor([&] { return server.pageRequestLines().contains(line); }, kWaitMs);
    }

    // Japanese comes in through the input method: composed, then committed.
    void typeThroughInputMethod(QLineEdit* field, const QString& reading, const QString& text)
    {
        QInputMethodEvent composing(reading, {});
        QApplication::sendEvent(field, &composing);
        QInputMethodEvent committed;
        committed.setCommitString(text);
        QApplication::sendEvent(field, &committed);
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

// The first user site asks for its keyword as UTF-8; its template comes from the settings file, as
// the user left it.
class RealSearchWithUtf8Site : public RealSearch {
protected:
    RealSearchWithUtf8Site()
    {
        folder.write(".ini", "[LinkBar]\r\nSite1URL=" + toSjis(server.baseAddress()) + "u?k=$KEY:UTF-8$\r\n");
    }

    // As the window system delivers text typed at a real display: key events that carry it, to the
    // focused top-level window.
    void typeIntoWindow(const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, form().windowHandle(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    void clickInWindow(QWidget* widget)
    {
        QTest::mouseClick(form().windowHandle(), Qt::LeftButton, {}, widget->mapTo(&form(), widget->rect().center()));
    }
};

const QByteArray kClosedSearch = "GET /search?q=%BB%FE%B7%D7+abc&t=-1 HTTP/1.1";
const QByteArray kOpenSearch = "GET /search2?q=%BB%FE%B7%D7+abc HTTP/1.1";

}  // namespace

TEST_F(RealSearch, TypedKeywordTabSwitchAndSiteButtonsReachTheServerAsEucJpEscapes)
{
    QLineEdit* field = form().ComboBox1->lineEdit();
    field->setFocus();
    typeThroughInputMethod(field, QStringLiteral("とけい"), QStringLiteral("時計"));
    QTest::keyClicks(field, QStringLiteral(" abc"));
    ASSERT_EQ(field->text(), QStringLiteral("時計 abc"));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(waitForRequest(kClosedSearch)) << server.pageRequestLines().join('\n').toStdString();
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("search?")));

    auto* tabs = form().TabControl1->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    ASSERT_TRUE(waitForRequest(kOpenSearch)) << server.pageRequestLines().join('\n').toStdString();
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("search2?")));

    form().Settings.SiteURL[2] = toSjis(server.baseAddress()) + "site3/find?kw=$KEY$&from=ribemo";
    form().SiteButtons[2]->click();  // hidden until the settings show it; the click is the same
    ASSERT_TRUE(waitForRequest("GET /site3/find?kw=%BB%FE%B7%D7+abc&from=ribemo HTTP/1.1"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("site3/")));

    form().Settings.YahooURL = toSjis(server.baseAddress()) + "auction?p=$KEY$";
    QTest::mouseClick(form().ToolButton5, Qt::LeftButton);
    ASSERT_TRUE(waitForRequest("GET /auction?p=%BB%FE%B7%D7+abc HTTP/1.1"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("auction?")));

    ASSERT_EQ(form().ComboBox1->count(), 1);
    EXPECT_EQ(form().ComboBox1->itemText(0), QStringLiteral("時計 abc"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RealSearch, TheStatusBarShowsTheFetchWhileTheServerHoldsItAndThePageAfter)
{
    QLineEdit* field = form().ComboBox1->lineEdit();
    typeThroughInputMethod(field, QStringLiteral("とけい"), QStringLiteral("時計"));
    QTest::keyClicks(field, QStringLiteral(" abc"));
    server.setHoldResponses(true);
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(waitForRequest(kClosedSearch));
    const QString address = server.baseAddress() + QStringLiteral("search?q=%BB%FE%B7%D7+abc&t=-1");
    EXPECT_EQ(panel(0), QStringLiteral("検索中... :"));
    EXPECT_EQ(panel(1), address);
    EXPECT_TRUE(form().ProgressBar1->isVisible());
    EXPECT_TRUE(form().Animate1->active());

    server.releaseHeldResponses();
    ASSERT_TRUE(waitUntilShown(address));
    EXPECT_EQ(browser->LocationURL(), address);
    EXPECT_EQ(panel(1), address);
    EXPECT_EQ(form().ComboBox2->currentText(), address);
    EXPECT_EQ(form().ComboBox2->count(), 0);
    EXPECT_TRUE(form().ProgressBar1->isHidden());
    EXPECT_FALSE(form().Animate1->active());
}

TEST_F(RealSearch, ASideButtonOverThePaneGoesBackExactlyOnePage)
{
    for (const char* page : {"one", "two", "three"}) {
        QLineEdit* address = form().ComboBox2->lineEdit();
        address->clear();
        QTest::keyClicks(address, server.baseAddress() + QString::fromLatin1(page));
        QTest::keyClick(address, Qt::Key_Return);
        ASSERT_TRUE(waitUntilShown(server.baseAddress() + QString::fromLatin1(page)));
    }
    // As the window system delivers it: to the main window's top-level window, over the pane.
    QWidget* pane = browser->view();
    const QPoint over = pane->mapTo(&form(), pane->rect().center());
    QTest::mousePress(form().windowHandle(), Qt::BackButton, {}, over);
    QTest::mouseRelease(form().windowHandle(), Qt::BackButton, {}, over);
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("two")));
    // Had the pane acted on the press or the release as well, it would go on to the first page.
    QTest::qWait(1500);
    EXPECT_EQ(browser->LocationURL(), server.baseAddress() + QStringLiteral("two"));

    QTest::mousePress(form().windowHandle(), Qt::ForwardButton, {}, over);
    QTest::mouseRelease(form().windowHandle(), Qt::ForwardButton, {}, over);
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("three")));
}

TEST_F(RealSearchWithUtf8Site, TheWaveDashTypedGoesOutAsItsJisCodeAndAUtf8SiteGetsUtf8)
{
    clickInWindow(form().ComboBox1);
    typeIntoWindow(QStringLiteral("時計\u301C"));
    clickInWindow(form().Button1);
    ASSERT_TRUE(waitForRequest("GET /search?q=%BB%FE%B7%D7%A1%C1&t=-1 HTTP/1.1"))
        << server.pageRequestLines().join('\n').toStdString();
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("search?")));

    clickInWindow(form().ComboBox1);
    QTest::keyClick(form().windowHandle(), Qt::Key_End);
    QTest::keyClick(form().windowHandle(), Qt::Key_Backspace);
    ASSERT_TRUE(form().SiteButtons[0]->isVisible());
    clickInWindow(form().SiteButtons[0]);
    ASSERT_TRUE(waitForRequest("GET /u?k=%E6%99%82%E8%A8%88 HTTP/1.1")) << server.pageRequestLines().join('\n').toStdString();
}
