// The real browser engine: local files, the bytes that reach a server, the four events.
#include "engine/web_engine_browser.h"

#include "tests/support/loopback_http_server.h"
#include "tests/support/program_folder.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class RealBrowser : public ::testing::Test {
protected:
    void SetUp() override
    {
        profile = new QWebEngineProfile;  // off the record: nothing of the test run is kept
        browser = new WebEngineBrowser(profile);
        browser->resize(640, 480);
        browser->show();
        QObject::connect(browser, &TCppWebBrowser::BeforeNavigate2,
                         [this](const QString& url) { events.push_back(QStringLiteral("BeforeNavigate2 ") + url); });
        QObject::connect(browser, &TCppWebBrowser::DownloadBegin,
                         [this] { events.push_back(QStringLiteral("DownloadBegin")); });
        QObject::connect(browser, &TCppWebBrowser::ProgressChange, [this](int p, int max) {
            EXPECT_EQ(max, 100);
            EXPECT_GE(p, 0);
            events.push_back(QStringLiteral("ProgressChange"));
        });
        QObject::connect(browser, &TCppWebBrowser::DownloadComplete, [this] {
            events.push_back(QStringLiteral("DownloadComplete"));
            ++completed;
        });
    }

    void TearDown() override
    {
        delete browser;
        delete profile;
    }

    bool waitForCompletions(int count)
    {
        return QTest::qWaitFor([&] { return completed >= count; }, 30000);
    }

    QWebEngineProfile* profile = nullptr;
    WebEngineBrowser* browser = nullptr;
    QStringList events;
    int completed = 0;
};

}  // namespace

TEST_F(RealBrowser, LoadsALocalHelpPageWithTheFourEventsInOrder)
{
    ProgramFolder folder;
    const QString path = QString::fromStdString(folder.folder() + "/HELP/index.htm");
    browser->Navigate(path);
    ASSERT_TRUE(waitForCompletions(1)) << events.join(u'\n').toStdString();

    EXPECT_EQ(browser->LocationURL(), QStringLiteral("file://") + path);
    EXPECT_EQ(browser->LocationName(), QStringLiteral("help"));
    ASSERT_GE(events.size(), 3);
    EXPECT_TRUE(events.front().startsWith(QStringLiteral("BeforeNavigate2 file://"))) << events.front().toStdString();
    EXPECT_EQ(events.indexOf(QStringLiteral("DownloadBegin")), 1);
    EXPECT_EQ(events.back(), QStringLiteral("DownloadComplete"));
}

TEST_F(RealBrowser, ASearchAddressReachesTheServerByteForByte)
{
    LoopbackHttpServer server;
    browser->Navigate(server.baseAddress() + QStringLiteral("search?q=%BB%FE%B7%D7+abc&t=-1"));
    ASSERT_TRUE(waitForCompletions(1));
    ASSERT_FALSE(server.pageRequestLines().isEmpty());
    EXPECT_EQ(server.pageRequestLines().front(), QByteArray("GET /search?q=%BB%FE%B7%D7+abc&t=-1 HTTP/1.1"));
    EXPECT_EQ(browser->LocationURL(), server.baseAddress() + QStringLiteral("search?q=%BB%FE%B7%D7+abc&t=-1"));
}

TEST_F(RealBrowser, HistoryGoesBackAndForward)
{
    LoopbackHttpServer server;
    browser->Navigate(server.baseAddress() + QStringLiteral("one"));
    ASSERT_TRUE(waitForCompletions(1));
    browser->Navigate(server.baseAddress() + QStringLiteral("two"));
    ASSERT_TRUE(waitForCompletions(2));
    browser->GoBack();
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser->LocationURL().endsWith(QStringLiteral("/one")); }, 30000));
    browser->GoForward();
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser->LocationURL().endsWith(QStringLiteral("/two")); }, 30000));
}

TEST_F(RealBrowser, ALinkAskingForANewWindowClickedByAScriptAloneIsBlockedAndNamed)
{
    LoopbackHttpServer server;
    browser->Navigate(server.baseAddress() + QStringLiteral("start"));
    ASSERT_TRUE(waitForCompletions(1));
    QSignalSpy notes(browser, &TCppWebBrowser::PageNote);
    // The page's link has target="_blank"; a click by the page's script is no click of the user's
    // (the user's own clicks open in the pane: tests/browser/pane_page_e2e_test.cpp).
    browser->view()->page()->runJavaScript(QStringLiteral("document.getElementById('next').click();"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notes.isEmpty(); }, 30000));
    EXPECT_EQ(notes[0][0].toString(),
              QStringLiteral("ポップアップをブロックしました: ") + server.baseAddress() + "next");
    EXPECT_TRUE(browser->LocationURL().endsWith(QStringLiteral("/start")));
    EXPECT_FALSE(server.pageRequestLines().contains("GET /next HTTP/1.1"));
}

TEST_F(RealBrowser, EveryPageActionSpeaksJapanese)
{
    QWebEnginePage* page = browser->view()->page();
    for (int action = 0; action < QWebEnginePage::WebActionCount; ++action) {
        const QString text = page->action(static_cast<QWebEnginePage::WebAction>(action))->text();
        const bool japanese = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
        EXPECT_TRUE(japanese) << action << " " << text.toStdString();
    }
}

TEST_F(RealBrowser, ThePaneMenuOffersNoSourceViewItCannotShow)
{
    EXPECT_FALSE(browser->view()->page()->action(QWebEnginePage::ViewSource)->isVisible());
}
