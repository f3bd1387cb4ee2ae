// The pane menu's own entries with the real engine, chosen by their access keys in the menu a
// right-click opens: a selection searched (the request, the result tab, the keyword box and its
// history) and a link kept in the watched list.
#include "tests/support/real_program.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "watched/auction_list_view.h"
#include "widgets/tab_control.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QWebEngineView>

#include <memory>

namespace {

struct PaneMenuCase {
    const char *name, *element;  // the page's one element, its text at the top left
    const char* script;          // selects its text; none: a double-click selects the first word
    int tab;                     // the result tab shown before
    Qt::Key key;
    QByteArray request;    // the search's request line; none for a link kept
    const char16_t* kept;  // the keyword box's text after a search, or the watched entry's title
};

class PaneMenu : public RealProgram, public ::testing::WithParamInterface<PaneMenuCase> {};

}  // namespace

TEST_P(PaneMenu, RightClickAndAccessKeyRunTheEntry)
{
    const PaneMenuCase& c = GetParam();
    form().Settings.URL = toSjis(server.baseAddress());
    auto* tabs = formControl<TabControl>(form(), "TabControl1");
    tabs->setTabIndex(c.tab);
    // A switch by hand searches the empty box.
    ASSERT_TRUE(c.tab == 0 || waitForRequest("GET /search2?q= HTTP/1.1"));
    server.serve("/page", "text/html; charset=utf-8", "<body style='margin:0'>" + QByteArray(c.element));
    openAddress(form(), server.baseAddress() + QStringLiteral("page"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("page")));
    const qsizetype requestsBefore = server.pageRequestLines().size();
    // The selection; an answer also tells that the page's renderer takes input.
    const auto selection = [this](const char* script) {
        auto text = std::make_shared<QString>(QStringLiteral("-"));  // outlives a late answer
        browser->view()->page()->runJavaScript(QString::fromLatin1(script) + "; getSelection().toString()",
                                               [text](const QVariant& value) { *text = value.toString(); });
        return QTest::qWaitFor([&] { return *text != u"-"; }, kWaitMs) ? *text : QStringLiteral("-");
    };
    ASSERT_NE(selection(c.script ? c.script : "0"), u"-");
    if (!c.script && c.request.size()) {
        input::doubleClick(browser->view(), QPoint(20, 20));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !selection("0").isEmpty(); }, kWaitMs));
    }
    QTest::mouseClick(form().windowHandle(), Qt::RightButton, {}, browser->view()->mapTo(&form(), QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }, kWaitMs));
    input::key(c.key);

    const QString kept = QString::fromUtf16(c.kept);
    if (c.request.isEmpty()) {
        const WatchedEntry link = {toSjis(kept), toSjis(server.baseAddress() + QStringLiteral("item7"))};
        EXPECT_EQ(formControl<AuctionListView>(form(), "FavAucList")->entries().at(0), link);
        return;
    }
    ASSERT_TRUE(waitForRequest(c.request)) << server.pageRequestLines().join('\n').toStdString();
    ASSERT_TRUE(waitUntilShown(server.baseAddress()));
    // One request: showing the search's tab runs no search of its own.
    EXPECT_EQ(server.pageRequestLines().size(), requestsBefore + 1);
    EXPECT_EQ(tabs->TabIndex(), 1 - c.tab);
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->currentText(), kept);
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->itemText(0), kept);
}

INSTANTIATE_TEST_SUITE_P(
    RealPane, PaneMenu,
    ::testing::Values(PaneMenuCase{"DoubleClickedWordOnClosedAuctions",
                                   "<span style='font-size:32px'>時計</span> SEIKO", nullptr, 1, Qt::Key_S,
                                   "GET /search?q=%BB%FE%B7%D7&t=-1 HTTP/1.1", u"時計"},
                      PaneMenuCase{"TwoLinesOnOpenAuctions", "<p id='t'><br> SEIKO<br>SBDC101 </p>",
                                   "getSelection().selectAllChildren(document.getElementById('t'))", 0, Qt::Key_O,
                                   "GET /search2?q=SEIKO+SBDC101 HTTP/1.1", u"SEIKO SBDC101"},
                      PaneMenuCase{"LinkKept",
                                   "<a href='/item7' style='display:block;height:100px'>腕時計 A</a>",
                                   nullptr,
                                   0,
                                   Qt::Key_W,
                                   {},
                                   u"腕時計 A"}),
    [](const auto& test) { return std::string(test.param.name); });
