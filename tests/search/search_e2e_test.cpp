// Searches with the real browser engine: the bytes that reach a server when the user types a
// keyword and presses Enter, switches the result tab or presses a site button, the status bar
// while a page is held and after it, and the mouse's side buttons over the real pane.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "engine/web_engine_browser.h"
#include "tests/support/loopback_http_server.h"
#include "tests/support/program_folder.h"
#include "tests/support/real_program.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "widgets/animate.h"
#include "widgets/status_bar.h"
#include "widgets/tab_control.h"
#include "widgets/tab_rows.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>

namespace {

// The statistics site and its two search commands are the loopback server's.
class RealSearch : public RealProgram {
protected:
    void SetUp() override
    {
        RealProgram::SetUp();
        SettingsValues& s = form().Settings;
        s.URL = toSjis(server.baseAddress());
        s.SoubaCheck = "search?q=$KEY$&t=-1";
        s.KaisaiCheck = "search2?q=$KEY$";
    }
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
    input::click(formControl<QComboBox>(form(), "ComboBox1"));
    input::compose(QStringLiteral("とけい"));
    input::commit(QStringLiteral("時計"));
    input::type(QStringLiteral(" abc"));
    ASSERT_EQ(formControl<QComboBox>(form(), "ComboBox1")->currentText(), QStringLiteral("時計 abc"));
    input::key(Qt::Key_Return);
    ASSERT_TRUE(waitForRequest(kClosedSearch)) << server.pageRequestLines().join('\n').toStdString();
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("search?")));

    auto* tabs = formControl<TabControl>(form(), "TabControl1")->tabBar();
    input::click(tabs, Qt::LeftButton, tabs->tabRect(1).center());
    ASSERT_TRUE(waitForRequest(kOpenSearch)) << server.pageRequestLines().join('\n').toStdString();
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("search2?")));

    form().Settings.SiteURL[2] = toSjis(server.baseAddress()) + "site3/find?kw=$KEY$&from=ribemo";
    siteButton(form(), 2)->click();  // hidden until the settings show it; the click is the same
    ASSERT_TRUE(waitForRequest("GET /site3/find?kw=%BB%FE%B7%D7+abc&from=ribemo HTTP/1.1"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("site3/")));

    form().Settings.YahooURL = toSjis(server.baseAddress()) + "auction?p=$KEY$";
    input::click(formControl<QToolButton>(form(), "ToolButton5"));
    ASSERT_TRUE(waitForRequest("GET /auction?p=%BB%FE%B7%D7+abc HTTP/1.1"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("auction?")));

    ASSERT_EQ(formControl<QComboBox>(form(), "ComboBox1")->count(), 1);
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->itemText(0), QStringLiteral("時計 abc"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RealSearch, TheStatusBarShowsTheFetchWhileTheServerHoldsItAndThePageAfter)
{
    input::click(formControl<QComboBox>(form(), "ComboBox1"));
    input::compose(QStringLiteral("とけい"));
    input::commit(QStringLiteral("時計"));
    input::type(QStringLiteral(" abc"));
    server.setHoldResponses(true);
    input::key(Qt::Key_Return);
    ASSERT_TRUE(waitForRequest(kClosedSearch));
    const QString address = server.baseAddress() + QStringLiteral("search?q=%BB%FE%B7%D7+abc&t=-1");
    EXPECT_EQ(panel(0), QStringLiteral("検索中... :"));
    EXPECT_EQ(panel(1), address);
    EXPECT_TRUE(formControl<QProgressBar>(form(), "ProgressBar1")->isVisible());
    EXPECT_TRUE(formControl<Animate>(form(), "Animate1")->active());

    server.releaseHeldResponses();
    ASSERT_TRUE(waitUntilShown(address));
    EXPECT_EQ(browser->LocationURL(), address);
    EXPECT_EQ(panel(1), address);
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox2")->currentText(), address);
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox2")->count(), 0);
    EXPECT_TRUE(formControl<QProgressBar>(form(), "ProgressBar1")->isHidden());
    EXPECT_FALSE(formControl<Animate>(form(), "Animate1")->active());
}

TEST_F(RealSearch, ASideButtonOverThePaneGoesBackExactlyOnePage)
{
    for (const char* page : {"one", "two", "three"}) {
        input::click(formControl<QComboBox>(form(), "ComboBox2"));
        input::key(Qt::Key_A, Qt::ControlModifier);
        input::type(server.baseAddress() + QString::fromLatin1(page));
        input::key(Qt::Key_Return);
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
    clickInWindow(formControl<QComboBox>(form(), "ComboBox1"));
    typeIntoWindow(QStringLiteral("時計\u301C"));
    clickInWindow(formControl<QPushButton>(form(), "Button1"));
    ASSERT_TRUE(waitForRequest("GET /search?q=%BB%FE%B7%D7%A1%C1&t=-1 HTTP/1.1"))
        << server.pageRequestLines().join('\n').toStdString();
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("search?")));

    clickInWindow(formControl<QComboBox>(form(), "ComboBox1"));
    QTest::keyClick(form().windowHandle(), Qt::Key_End);
    QTest::keyClick(form().windowHandle(), Qt::Key_Backspace);
    ASSERT_TRUE(siteButton(form(), 0)->isVisible());
    clickInWindow(siteButton(form(), 0));
    ASSERT_TRUE(waitForRequest("GET /u?k=%E6%99%82%E8%A8%88 HTTP/1.1"))
        << server.pageRequestLines().join('\n').toStdString();

    // Characters Shift-JIS has only a look-alike for, or none, reach a UTF-8 site as typed.
    clickInWindow(formControl<QComboBox>(form(), "ComboBox1"));
    QTest::keyClick(form().windowHandle(), Qt::Key_End);
    typeIntoWindow(QStringLiteral("\u301C caf\u00E9"));
    clickInWindow(siteButton(form(), 0));
    ASSERT_TRUE(waitForRequest("GET /u?k=%E6%99%82%E8%A8%88%E3%80%9C+caf%C3%A9 HTTP/1.1"))
        << server.pageRequestLines().join('\n').toStdString();
}

// ---- The pane's habits: the status follows the page itself, the keys at the main window, downloads.

TEST_F(RealSearch, TheStatusFollowsThePageNotItsLateFramesAndMovesWithItsHistory)
{
    server.serve("/late", "text/html",
                 "<body>late<script>onload = () => setTimeout(() => { const f = document.createElement('iframe');"
                 " f.src = '/frame'; document.body.appendChild(f); }, 200);</script></body>");
    openAddress(form(), server.baseAddress() + QStringLiteral("late"));
    ASSERT_TRUE(waitForRequest("GET /frame HTTP/1.1"));
    QTest::qWait(1000);  // the frame's own load has long finished
    EXPECT_EQ(panel(0), QStringLiteral("現在のURL :"));
    EXPECT_EQ(panel(1), server.baseAddress() + QStringLiteral("late"));
    EXPECT_TRUE(formControl<QProgressBar>(form(), "ProgressBar1")->isHidden());
    EXPECT_FALSE(formControl<Animate>(form(), "Animate1")->active());

    browser->view()->page()->runJavaScript(QStringLiteral("history.pushState({}, '', '/moved?x=1')"));
    const QString moved = server.baseAddress() + QStringLiteral("moved?x=1");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return formControl<QComboBox>(form(), "ComboBox2")->currentText() == moved; }, kWaitMs));
    EXPECT_EQ(panel(1), moved);
}

TEST_F(RealSearch, TheBrowserKeysWorkAtTheMainWindow)
{
    const QString port = QString::number(QUrl(server.baseAddress()).port());
    server.serve("/fruit", "text/html", "<body>apple pear apple plum apple</body>");
    // Host and port without a scheme open over http.
    openAddress(form(), QStringLiteral("localhost:%1/one").arg(port));
    ASSERT_TRUE(waitUntilShown(QStringLiteral("http://localhost:%1/one").arg(port)));
    openAddress(form(), QStringLiteral("127.0.0.1:%1/fruit").arg(port));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("fruit")));
    QWindow* window = form().windowHandle();
    QWidget* page = browser->view();
    const auto focusThePage = [&] {
        QTest::mouseClick(window, Qt::LeftButton, {}, page->mapTo(&form(), page->rect().center()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return browser->isAncestorOf(QApplication::focusWidget()); }, kWaitMs));
    };
    focusThePage();
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window, key, modifiers);
    };

    for (const auto& [key, modifiers, shown] :
         {std::tuple{Qt::Key_Left, Qt::AltModifier, "one"}, std::tuple{Qt::Key_Right, Qt::AltModifier, "fruit"},
          std::tuple{Qt::Key_Back, Qt::NoModifier, "one"}, std::tuple{Qt::Key_Forward, Qt::NoModifier, "fruit"}}) {
        press(key, modifiers);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return browser->LocationURL().endsWith(QString::fromLatin1(shown)); }, kWaitMs));
    }
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F5, Qt::NoModifier}, std::pair{Qt::Key_R, Qt::ControlModifier}}) {
        const auto before = server.pageRequestLines().count("GET /fruit HTTP/1.1");
        press(key, modifiers);
        ASSERT_TRUE(
            waitForRequest("GET /fruit HTTP/1.1") &&
            QTest::qWaitFor([&] { return server.pageRequestLines().count("GET /fruit HTTP/1.1") > before; }, kWaitMs));
    }
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_L, Qt::ControlModifier}, std::pair{Qt::Key_D, Qt::AltModifier},
          std::pair{Qt::Key_F6, Qt::NoModifier}}) {
        focusThePage();
        press(key, modifiers);
        EXPECT_EQ(QApplication::focusWidget(), formControl<QComboBox>(form(), "ComboBox2")) << key;
        EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox2")->lineEdit()->selectedText(),
                  server.baseAddress() + QStringLiteral("fruit"))
            << key;
    }

    press(Qt::Key_F, Qt::ControlModifier);
    auto* findField = form().findChild<QLineEdit*>(QStringLiteral("FindField"));
    auto* findCount = form().findChild<QLabel*>(QStringLiteral("FindCount"));
    ASSERT_TRUE(findField->isVisible() && findField->hasFocus());
    for (const char c : std::string("apple"))
        QTest::keyClick(window, c);
    const auto counted = [&](const QString& text) {
        return QTest::qWaitFor([&] { return findCount->text() == text; }, kWaitMs);
    };
    EXPECT_TRUE(counted(QStringLiteral("1 / 3 件")));
    // The engine counts before it has finished the search; a next one within that time loses
    // its count. A user pauses at least this long between typing and Enter.
    QTest::qWait(1000);
    press(Qt::Key_Return);
    EXPECT_TRUE(counted(QStringLiteral("2 / 3 件")));
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(counted(QStringLiteral("1 / 3 件")));
    press(Qt::Key_Escape);
    EXPECT_FALSE(findField->isVisible());

    for (const auto& [key, factor] : {std::pair{Qt::Key_Plus, 1.1}, std::pair{Qt::Key_Minus, 1.0},
                                      std::pair{Qt::Key_Minus, 0.9}, std::pair{Qt::Key_0, 1.0}}) {
        press(key, Qt::ControlModifier);
        EXPECT_DOUBLE_EQ(browser->view()->zoomFactor(), factor) << key;
    }

    // Esc in the page stops a load the server holds.
    server.setHoldResponses(true);
    browser->Navigate(server.baseAddress() + QStringLiteral("slow"));
    ASSERT_TRUE(waitForRequest("GET /slow HTTP/1.1"));
    focusThePage();
    ASSERT_EQ(panel(0), QStringLiteral("検索中... :"));
    press(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel(0) == QStringLiteral("現在のURL :"); }, kWaitMs));
    server.releaseHeldResponses();
}

TEST_F(RealSearch, ADownloadIsSavedWhereTheUserSaysWithItsExactBytesAndAFailureIsTold)
{
    QByteArray bytes;
    for (int i = 0; i < 200000; ++i)
        bytes.append(static_cast<char>((i * 7919) % 256));
    server.serve("/file.bin", "application/octet-stream", bytes,
                 "Content-Disposition: attachment; filename=\"file.bin\"\r\n");
    QTemporaryDir scratch;
    QFile(scratch.filePath(QStringLiteral("blocker"))).open(QIODevice::WriteOnly);  // a file where a folder would go
    const QString saved = scratch.filePath(QStringLiteral("saved.bin"));
    dialogs.savePaths = {saved, scratch.filePath(QStringLiteral("blocker/again.bin"))};

    openAddress(form(), server.baseAddress() + QStringLiteral("file.bin"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel(0) == QStringLiteral("保存完了 :"); }, kWaitMs));
    EXPECT_EQ(panel(1), saved);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == bytes);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("名前を付けて保存"));
    EXPECT_EQ(dialogs.shown[0].text,
              QStandardPaths::writableLocation(QStandardPaths::DownloadLocation) + QStringLiteral("/file.bin"));

    openAddress(form(), server.baseAddress() + QStringLiteral("file.bin"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel(0) == QStringLiteral("保存失敗 :"); }, kWaitMs));
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].icon, QMessageBox::Warning);
}
