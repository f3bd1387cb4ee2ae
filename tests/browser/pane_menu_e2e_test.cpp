// The pane menu's own entries with the real engine, each chosen by its access key in the menu a
// right-click opens: a selection searched (the bytes that reach the server, the result tab, the
// keyword box and its history) and a link kept in the watched list.
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
#include <string_view>

namespace {

struct PaneMenuCase {
    const char* name;
    const char* element;   // the page's one element, its text at the top left
    const char* select;    // "dblclick" on its first word, a script, or nothing (a link)
    int tabBefore;         // the result tab shown when the menu opens
    Qt::Key key;           // the entry chosen
    QByteArray request;    // the search's request line; none for a link kept
    const char16_t* kept;  // the keyword box's text after a search, or the watched entry's title
};

class PaneMenu : public RealProgram, public ::testing::WithParamInterface<PaneMenuCase> {};

}  // namespace

TEST_P(PaneMenu, RightClickAndAccessKeyRunTheEntry)
{
    const PaneMenuCase& c = GetParam();
    form().Settings.URL = toSjis(server.baseAddress());
    form().Settings.SoubaCheck = "search?q=$KEY$&t=-1";
    form().Settings.KaisaiCheck = "search2?q=$KEY$";
    auto* tabs = formControl<TabControl>(form(), "TabControl1");
    if (c.tabBefore == 1) {  // a switch by hand searches the empty box
        tabs->setTabIndex(1);
        ASSERT_TRUE(waitForRequest("GET /search2?q= HTTP/1.1"));
    }
    server.serve("/page", "text/html; charset=utf-8", "<body style='margin:0'>" + QByteArray(c.element));
    openAddress(form(), server.baseAddress() + QStringLiteral("page"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("page")));
    const qsizetype requestsBefore = server.pageRequestLines().size();
    // Its answer also tells that the page's renderer takes input.
    const auto selection = [this](const QString& script) {
        auto text = std::make_shared<QString>(QStringLiteral("(none)"));  // outlives a late answer
        browser->view()->page()->runJavaScript(script + QStringLiteral("; getSelection().toString()"),
                                               [text](const QVariant& value) { *text = value.toString(); });
        return QTest::qWaitFor([&] { return *text != u"(none)"; }, kWaitMs) ? *text : QStringLiteral("(none)");
    };
    const bool dblclick = c.select && std::string_view(c.select) == "dblclick";
    ASSERT_NE(selection(c.select && !dblclick ? QString::fromLatin1(c.select) : QStringLiteral("0")), u"(none)");
    QWidget* view = browser->view();
    if (dblclick) {
        input::doubleClick(view, QPoint(20, 20));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !selection(QStringLiteral("0")).isEmpty(); }, kWaitMs));
    }
    QTest::mouseClick(form().windowHandle(), Qt::RightButton, {}, view->mapTo(&form(), QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }, kWaitMs));
    input::key(c.key);

    const QString kept = QString::fromUtf16(c.kept);
    if (c.request.isEmpty()) {
        auto* list = formControl<AuctionListView>(form(), "FavAucList");
        ASSERT_GE(list->entryCount(), 1);
        EXPECT_EQ(list->entry(0), WatchedEntry({toSjis(kept), toSjis(server.baseAddress() + QStringLiteral("item7"))}));
        return;
    }
    ASSERT_TRUE(waitForRequest(c.request)) << server.pageRequestLines().join('\n').toStdString();
    ASSERT_TRUE(waitUntilShown(server.baseAddress()));
    // One request: showing the search's tab runs no search of its own.
    EXPECT_EQ(server.pageRequestLines().size(), requestsBefore + 1);
    EXPECT_EQ(tabs->TabIndex(), c.request.contains("search2") ? 1 : 0);
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->currentText(), kept);
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->itemText(0), kept);
}

INSTANTIATE_TEST_SUITE_P(
    RealPane, PaneMenu,
    ::testing::Values(PaneMenuCase{"DoubleClickedWordOnClosedAuctions",
                                   "<span style='font-size:32px'>時計</span> SEIKO", "dblclick", 1, Qt::Key_S,
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
