// Pages that work against their user, with the real engine through the program's window: each
// must leave the user in charge of the pane and the window, and send nothing it should not.
#include "tests/support/loopback_tls_server.h"
#include "tests/support/real_program.h"
#include "tests/support/window_input.h"
#include "widgets/status_bar.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <csignal>
#include <functional>

namespace {

class HostilePages;

struct HostilePage {
    const char* name;
    QByteArray body;  // served at /hostile
    // What the user does there, and what must then hold.
    std::function<void(HostilePages&)> meet;
};

class HostilePages : public RealProgram, public ::testing::WithParamInterface<HostilePage> {
public:
    QWebEnginePage& page() { return *browser->view()->page(); }
    QString pageText()
    {
        QString text;
        bool done = false;
        page().toPlainText([&](const QString& t) { text = t, done = true; });
        (void)QTest::qWaitFor([&] { return done; }, kWaitMs);
        return text;
    }
    bool shownWith(const QString& title)
    {
        return QTest::qWaitFor([&] { return browser->LocationName() == title && panel(0) == u"現在のURL :"; }, kWaitMs);
    }
    QString at(const char* path) const { return server.baseAddress() + QString::fromLatin1(path); }
    qsizetype requestsFor(const QByteArray& path) const
    {
        return server.pageRequestLines().count("GET " + path + " HTTP/1.1");
    }
    void killRenderer() { ::kill(static_cast<pid_t>(page().renderProcessPid()), SIGKILL); }

    using RealProgram::browser;
    using RealProgram::dialogs;
    using RealProgram::form;
    using RealProgram::kWaitMs;
    using RealProgram::panel;
    using RealProgram::server;
    using RealProgram::waitUntilShown;
};

void localFileSendsAnotherFile(HostilePages& t)
{
    QTemporaryDir saved;
    QFile page(saved.filePath(QStringLiteral("saved.htm")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(
        "<script>var d = 'blocked';"
        "try { var x = new XMLHttpRequest(); x.open('GET', 'file:///etc/passwd', false); x.send();"
        " if (x.responseText.length) d = 'read'; } catch (e) {}"
        "window.open('" +
        t.at("report?d=").toLatin1() + "' + d); document.title = 'done:' + d;</script>");
    page.close();
    openAddress(t.form(), page.fileName());
    ASSERT_TRUE(t.shownWith(QStringLiteral("done:blocked"))) << t.browser->LocationName().toStdString();
    openAddress(t.form(), t.at("after"));
    ASSERT_TRUE(t.waitUntilShown(t.at("after")));
    for (const QByteArray& line : t.server.pageRequestLines())
        EXPECT_FALSE(line.contains("/report")) << line.toStdString();
}

void crashes(HostilePages& t)
{
    t.killRenderer();
    ASSERT_TRUE(t.shownWith(QStringLiteral("ページを表示できなくなりました")));
    EXPECT_TRUE(t.pageText().contains(t.at("hostile")));
    EXPECT_TRUE(t.panel(1).contains(QStringLiteral("ページを表示できなくなりました"))) << t.panel(1).toStdString();
    EXPECT_TRUE(t.panel(1).contains(t.at("hostile")));
    input::click(formControl<QToolButton>(t.form(), "ToolButton3"));  // 更新
    ASSERT_TRUE(t.shownWith(QStringLiteral("page")));
    EXPECT_EQ(t.browser->LocationURL(), t.at("hostile"));
    t.killRenderer();
    ASSERT_TRUE(t.shownWith(QStringLiteral("ページを表示できなくなりました")));
    openAddress(t.form(), t.at("search?q=a"));
    EXPECT_TRUE(t.waitUntilShown(t.at("search?q=a")));
}

void hangs(HostilePages& t)
{
    t.dialogs.choiceAnswers = {1};  // ページを閉じる
    openAddress(t.form(), t.at("search?q=b"));
    {
        // The user is in another dialog for longer than the page is given: no question meanwhile.
        QDialog other(&t.form());
        other.setModal(true);
        other.show();
        QTest::qWait(6000);
        EXPECT_TRUE(t.dialogs.shown.empty());
    }
    ASSERT_TRUE(t.waitUntilShown(t.at("search?q=b")));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].caption, QStringLiteral("ページが応答しません"));
    EXPECT_EQ(t.dialogs.shown[0].choices, (QStringList{QStringLiteral("待つ"), QStringLiteral("ページを閉じる")}));
}

void hangsAsSoonAsShown(HostilePages& t)
{
    // Closed, it stays closed: opened again, it would only hang again.
    t.server.serve("/hang", "text/html", "<title>hang</title>hanging<script>while (true) {}</script>");
    t.dialogs.choiceAnswers = {1};  // ページを閉じる
    openAddress(t.form(), t.at("hang"));
    ASSERT_TRUE(t.shownWith(QStringLiteral("ページを閉じました")))
        << t.browser->LocationName().toStdString() << " " << t.panel(0).toStdString() << " " << t.dialogs.shown.size()
        << " " << t.requestsFor("/hang");
    EXPECT_EQ(t.browser->LocationURL(), t.at("hang"));
    EXPECT_EQ(t.requestsFor("/hang"), 1);
}

void takesLongAtTheSaveDialog(HostilePages& t)
{
    // Longer than a page is given to answer; the dialog is run from inside the engine, which holds
    // the page's answers back meanwhile.
    t.server.serve("/big.bin", "application/octet-stream", QByteArray(1 << 20, 'x'),
                   "Content-Disposition: attachment; filename=\"big.bin\"\r\n");
    t.dialogs.whileSaveDialogShown = [] { QTest::qWait(6000); };
    openAddress(t.form(), t.at("big.bin"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.dialogs.shown.empty(); }, HostilePages::kWaitMs));
    QTest::qWait(1500);
    ASSERT_EQ(t.dialogs.shown.size(), 1u) << t.dialogs.shown.back().caption.toStdString();
    EXPECT_EQ(t.dialogs.shown[0].caption, QStringLiteral("名前を付けて保存"));
    EXPECT_EQ(t.requestsFor("/big.bin"), 1);
}

void speaksOverAnotherDialog(HostilePages& t)
{
    QDialog other(&t.form());
    other.setModal(true);
    other.show();
    t.page().runJavaScript(QStringLiteral("alert('late'); document.title = confirm('sure?') + '|' + prompt('name')"));
    ASSERT_TRUE(t.shownWith(QStringLiteral("false|null")));
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_TRUE(t.panel(1).contains(QStringLiteral("メッセージを表示しませんでした: name")))
        << t.panel(1).toStdString();
}

void asksForALogin(HostilePages& t)
{
    t.server.serveBehindLogin("/login", "Test Realm", "user:pass", "<title>inside</title>");
    t.dialogs.loginAnswers = {{QStringLiteral("user"), QStringLiteral("pass")}};
    openAddress(t.form(), t.at("login"));
    ASSERT_TRUE(t.shownWith(QStringLiteral("inside")));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    const QString question = t.dialogs.shown[0].text;
    EXPECT_TRUE(question.contains(QStringLiteral("127.0.0.1")) && question.contains(QStringLiteral("Test Realm")))
        << question.toStdString();
    EXPECT_LE(t.requestsFor("/login"), 3);
    const auto heads = t.server.requestHeads();
    EXPECT_TRUE(std::any_of(heads.begin(), heads.end(), [](const QByteArray& head) {
        return head.startsWith("GET /login ") && head.contains("\r\nAuthorization: Basic dXNlcjpwYXNz");
    }));
}

void refusesWrongLogins(HostilePages& t)
{
    t.server.serveBehindLogin("/login", "Test Realm", "user:pass", "<title>inside</title>");
    for (int i = 0; i < 10; ++i)
        t.dialogs.loginAnswers.push_back({QStringLiteral("user"), QStringLiteral("wrong")});
    openAddress(t.form(), t.at("login"));
    // After a few wrong answers the site's own page for the refusal.
    ASSERT_TRUE(t.shownWith(QStringLiteral("401")));
    EXPECT_EQ(t.dialogs.shown.size(), 3u);
    EXPECT_LE(t.requestsFor("/login"), 4);
}

void opensAPopUpOnLoad(HostilePages& t)
{
    t.server.serve("/popper", "text/html", "<title>popper</title><script>window.open('/popped')</script>");
    openAddress(t.form(), t.at("popper"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.panel(1).startsWith(QStringLiteral("ポップアップをブロックしました")); },
                                HostilePages::kWaitMs))
        << t.panel(1).toStdString();
    EXPECT_TRUE(t.panel(1).endsWith(t.at("popped")));
    EXPECT_EQ(t.browser->LocationURL(), t.at("popper"));
    // Offered in the pane menu, it opens once the user asks.
    QTest::mouseClick(t.form().windowHandle(), Qt::RightButton, {},
                      t.browser->view()->mapTo(&t.form(), QPoint(20, 20)));
    ASSERT_TRUE(
        QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }, HostilePages::kWaitMs));
    EXPECT_EQ(t.requestsFor("/popped"), 0);
    input::key(Qt::Key_P);
    EXPECT_TRUE(t.waitUntilShown(t.at("popped")));
}

void asksForTheMachine(HostilePages& t)
{
    t.page().runJavaScript(
        QStringLiteral("navigator.geolocation.getCurrentPosition(function () { document.title = 'located'; },"
                       " function (e) { Notification.requestPermission().then(function (p) {"
                       " document.title = 'refused ' + e.code + ' ' + p; }); });"));
    ASSERT_TRUE(t.shownWith(QStringLiteral("refused 1 denied"))) << t.browser->LocationName().toStdString();
    EXPECT_TRUE(t.panel(1).startsWith(QStringLiteral("通知の表示の利用を断りました"))) << t.panel(1).toStdString();
}

void loopsAlerts(HostilePages& t)
{
    t.dialogs.checkAnswers = {true};  // the first box with a check box
    t.page().runJavaScript(QStringLiteral("for (var i = 0; i < 50; ++i) alert(i); document.title = 'through';"));
    ASSERT_TRUE(t.shownWith(QStringLiteral("through")));
    ASSERT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_TRUE(t.dialogs.shown[0].checkBox.isEmpty());
    EXPECT_EQ(t.dialogs.shown[1].checkBox, QStringLiteral("このページでこれ以上ダイアログを表示しない(&N)"));
    // Left and come back to, the page speaks again.
    openAddress(t.form(), t.at("other"));
    ASSERT_TRUE(t.waitUntilShown(t.at("other")));
    t.page().runJavaScript(QStringLiteral("alert('again'); document.title = 'again';"));
    ASSERT_TRUE(t.shownWith(QStringLiteral("again")));
    EXPECT_EQ(t.dialogs.shown.back().text, QStringLiteral("again"));
}

void asksBeforeBeingLeft(HostilePages& t)
{
    // The engine asks only on a page the user has touched. The click goes where the user would
    // click, over a page reached from another site page (the first input after the program's
    // help page goes astray), at an address not typed before (no completion list over the pane).
    t.server.serve("/leave", "text/html; charset=utf-8",
                   "<body style='margin:0'><a style='display:block;height:100px' href='#' "
                   "onclick=\"document.title = 'touched'; return false\">touch</a><script>"
                   "onbeforeunload = function (e) { e.preventDefault(); e.returnValue = 'x'; };</script>");
    for (const char* path : {"p9", "leave"}) {
        openAddress(t.form(), t.at(path));
        ASSERT_TRUE(t.waitUntilShown(t.at(path)));
    }
    QWidget* view = t.browser->view();
    QTest::mouseClick(t.form().windowHandle(), Qt::LeftButton, {}, view->mapTo(&t.form(), QPoint(50, 50)));
    ASSERT_TRUE(t.shownWith(QStringLiteral("touched")));
    t.dialogs.choiceAnswers = {0};  // 移動
    openAddress(t.form(), t.at("after"));
    ASSERT_TRUE(t.waitUntilShown(t.at("after")));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_TRUE(t.dialogs.shown[0].text.startsWith(QStringLiteral("このページから移動しますか？")))
        << t.dialogs.shown[0].text.toStdString();
    EXPECT_EQ(t.dialogs.shown[0].caption, QStringLiteral("127.0.0.1 からのメッセージ"));
}

void sendsAFormInTheClear(HostilePages& t)
{
    // A page that stands at an https address without a TLS server of its own.
    t.page().setHtml(QStringLiteral("<form action='%1' method='get'><input name='a' value='1'></form>"
                                    "<script>document.forms[0].submit()</script>")
                         .arg(t.at("sent")),
                     QUrl(QStringLiteral("https://127.0.0.1/")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.dialogs.shown.empty(); }, HostilePages::kWaitMs));
    EXPECT_EQ(t.dialogs.shown[0].caption, QStringLiteral("安全でないフォーム"));
    // The first is Enter's answer: the safe one.
    EXPECT_EQ(t.dialogs.shown[0].choices.value(0), QStringLiteral("送信しない"));
    // Cancelled (the question's Esc), nothing is sent. The next address is typed once the page
    // with the form is on show, so that its address does not arrive in the middle of the typing.
    ASSERT_TRUE(t.waitUntilShown(QStringLiteral("https://127.0.0.1/")));
    openAddress(t.form(), t.at("after"));
    ASSERT_TRUE(t.waitUntilShown(t.at("after")));
    for (const QByteArray& line : t.server.pageRequestLines())
        EXPECT_FALSE(line.contains("/sent")) << line.toStdString();
}

void refusedCertificate(HostilePages& t)
{
    const LoopbackTlsServer tls;
    openAddress(t.form(), tls.baseAddress());
    ASSERT_TRUE(t.shownWith(QStringLiteral("安全な接続ができません"))) << t.browser->LocationName().toStdString();
    const QString text = t.pageText();
    EXPECT_TRUE(text.contains(QStringLiteral("発行元を確認できない"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("127.0.0.1")));
    EXPECT_TRUE(t.panel(1).contains(QStringLiteral("発行元を確認できない")));
}

}  // namespace

TEST_P(HostilePages, LeaveTheUserInCharge)
{
    server.serve("/hostile", "text/html; charset=utf-8", GetParam().body);
    openAddress(form(), at("hostile"));
    ASSERT_TRUE(waitUntilShown(at("hostile")));
    GetParam().meet(*this);
}

INSTANTIATE_TEST_SUITE_P(
    PanePolicy, HostilePages,
    ::testing::Values(HostilePage{"LocalFileSendsAnotherFile", "<title>page</title>", localFileSendsAnotherFile},
                      HostilePage{"Crashes", "<title>page</title>", crashes},
                      HostilePage{"Hangs",
                                  "<title>page</title><body onload='setTimeout(function () { while (true) {} }, 50)'>",
                                  hangs},
                      HostilePage{"HangsAsSoonAsShown", "<title>page</title>", hangsAsSoonAsShown},
                      HostilePage{"TakesLongAtTheSaveDialog", "<title>page</title>", takesLongAtTheSaveDialog},
                      HostilePage{"LoopsAlerts", "<title>page</title>", loopsAlerts},
                      HostilePage{"SpeaksOverAnotherDialog", "<title>page</title>", speaksOverAnotherDialog},
                      HostilePage{"AsksForALogin", "<title>page</title>", asksForALogin},
                      HostilePage{"RefusesWrongLogins", "<title>page</title>", refusesWrongLogins},
                      HostilePage{"OpensAPopUpOnLoad", "<title>page</title>", opensAPopUpOnLoad},
                      HostilePage{"AsksForTheMachine", "<title>page</title>", asksForTheMachine},
                      HostilePage{"AsksBeforeBeingLeft", "<title>page</title>", asksBeforeBeingLeft},
                      HostilePage{"SendsAFormInTheClear", "<title>page</title>", sendsAFormInTheClear},
                      HostilePage{"RefusedCertificate", "<title>page</title>", refusedCertificate}),
    [](const auto& test) { return std::string(test.param.name); });
