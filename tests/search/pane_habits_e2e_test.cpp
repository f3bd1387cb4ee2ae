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

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

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

TEST_F(PaneHabits, TheBrowserKeysWorkAtTheMainWindow)
{
    server.serve("/fruit", "text/html", "<html><body>apple pear apple plum apple</body></html>");
    open(server.baseAddress() + QStringLiteral("one"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("one")));
    open(server.baseAddress() + QStringLiteral("fruit"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("fruit")));
    QWindow* window = form().windowHandle();
    QWidget* page = browser->view();
    const auto focusThePage = [&] {
        QTest::mouseClick(window, Qt::LeftButton, {}, page->mapTo(&form(), page->rect().center()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return browser->isAncestorOf(QApplication::focusWidget()); }, kWaitMs));
    };
    focusThePage();

    struct Move {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* arrivesAt;
    };
    for (const Move& move : {Move{Qt::Key_Left, Qt::AltModifier, "one"}, Move{Qt::Key_Right, Qt::AltModifier, "fruit"},
                             Move{Qt::Key_Back, {}, "one"}, Move{Qt::Key_Forward, {}, "fruit"}}) {
        QTest::keyClick(window, move.key, move.modifiers);
        ASSERT_TRUE(waitUntilShown(server.baseAddress() + QString::fromLatin1(move.arrivesAt))) << move.arrivesAt;
    }

    const auto fruitRequests = [&] { return server.pageRequestLines().count("GET /fruit HTTP/1.1"); };
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_F5, Qt::NoModifier}, std::pair{Qt::Key_R, Qt::ControlModifier}}) {
        const auto before = fruitRequests();
        QTest::keyClick(window, key, modifiers);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fruitRequests() == before + 1; }, kWaitMs)) << key;
        ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("fruit")));
    }

    for (const auto& [key, modifiers] : {std::pair{Qt::Key_L, Qt::ControlModifier}, std::pair{Qt::Key_D, Qt::AltModifier},
                                         std::pair{Qt::Key_F6, Qt::NoModifier}}) {
        focusThePage();
        QTest::keyClick(window, key, modifiers);
        EXPECT_EQ(QApplication::focusWidget(), form().ComboBox2) << key;
        EXPECT_EQ(form().ComboBox2->lineEdit()->selectedText(), server.baseAddress() + QStringLiteral("fruit")) << key;
    }

    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    auto* findField = form().findChild<QLineEdit*>(QStringLiteral("FindField"));
    auto* findCount = form().findChild<QLabel*>(QStringLiteral("FindCount"));
    ASSERT_TRUE(findField && findField->isVisible() && findField->hasFocus());
    for (const char c : std::string("apple"))
        QTest::keyClick(window, c);
    ASSERT_TRUE(QTest::qWaitFor([&] { return findCount->text() == QStringLiteral("1 / 3 件"); }, kWaitMs))
        << findCount->text().toStdString();
    QTest::keyClick(window, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return findCount->text() == QStringLiteral("2 / 3 件"); }, kWaitMs));
    QTest::keyClick(window, Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return findCount->text() == QStringLiteral("1 / 3 件"); }, kWaitMs));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(findField->isVisible());

    const auto zoom = [&] { return browser->view()->zoomFactor(); };
    for (const auto& [key, modifiers, factor] : {std::tuple{Qt::Key_Plus, Qt::ControlModifier, 1.1},
                                                 std::tuple{Qt::Key_Minus, Qt::ControlModifier, 1.0},
                                                 std::tuple{Qt::Key_Minus, Qt::ControlModifier, 0.9},
                                                 std::tuple{Qt::Key_0, Qt::ControlModifier, 1.0}}) {
        QTest::keyClick(window, key, modifiers);
        EXPECT_DOUBLE_EQ(zoom(), factor) << key;
    }

    // Esc in the page stops a load the server holds; the pane is idle again at once.
    server.setHoldResponses(true);
    browser->Navigate(server.baseAddress() + QStringLiteral("slow"));
    ASSERT_TRUE(waitForRequest("GET /slow HTTP/1.1"));
    focusThePage();
    ASSERT_EQ(panel(0), QStringLiteral("検索中... :"));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel(0) == QStringLiteral("現在のURL :"); }, kWaitMs));
    server.releaseHeldResponses();
}

TEST_F(PaneHabits, ADownloadIsSavedWhereTheUserSaysWithItsExactBytesAndAFailureIsTold)
{
    QByteArray bytes;
    for (int i = 0; i < 200000; ++i)
        bytes.append(static_cast<char>((i * 7919) % 256));
    server.serve("/file.bin", "application/octet-stream", bytes,
                 "Content-Disposition: attachment; filename=\"file.bin\"\r\n");
    QTemporaryDir scratch;
    const QString saved = scratch.filePath(QStringLiteral("saved.bin"));
    dialogs.savePaths.push_back(saved);

    open(server.baseAddress() + QStringLiteral("file.bin"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel(0) == QStringLiteral("保存完了 :"); }, kWaitMs));
    EXPECT_EQ(panel(1), saved);
    EXPECT_TRUE(form().ProgressBar1->isHidden());
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == bytes);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("名前を付けて保存"));
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    EXPECT_EQ(dialogs.shown[0].text, downloads + QStringLiteral("/file.bin"));

    // A folder that cannot be made, since a file holds its name.
    QFile blocker(scratch.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    dialogs.savePaths.push_back(scratch.filePath(QStringLiteral("blocker/again.bin")));
    open(server.baseAddress() + QStringLiteral("file.bin"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel(0) == QStringLiteral("保存失敗 :"); }, kWaitMs))
        << panel(0).toStdString();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].icon, QMessageBox::Warning);
    EXPECT_TRUE(dialogs.shown[2].text.contains(QStringLiteral("保存できませんでした"))) << dialogs.shown[2].text.toStdString();
}

TEST_F(PaneHabits, HostAndPortTypedWithoutASchemeOpenOverHttp)
{
    const QString port = QString::number(QUrl(server.baseAddress()).port());
    for (const QString& host : {QStringLiteral("localhost"), QStringLiteral("127.0.0.1")}) {
        open(host + u':' + port + QStringLiteral("/typed-") + host);
        EXPECT_TRUE(waitForRequest("GET /typed-" + host.toLatin1() + " HTTP/1.1")) << host.toStdString();
    }
}
