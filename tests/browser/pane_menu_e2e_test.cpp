// The pane menu's own entries with the real engine: a selection searched on the statistics site
// (the bytes that reach the server, the result tab, the keyword box) and a link kept in the
// watched list, each chosen by its access key in the menu the right-click opens.
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

namespace {

struct PaneMenuCase {
    const char* name;
    const char* text;      // the page's one element, filling its top
    bool link;             // the element is a link to /item7
    bool doubleClick;      // its word is selected by a double-click (otherwise, not a link, all of it by the page)
    int tabBefore;         // the result tab shown when the menu opens
    Qt::Key key;           // the entry chosen
    QByteArray request;    // the search's request line; none for a link kept
    const char16_t* kept;  // the keyword box's text after a search, or the watched entry's title
};

class PaneMenu : public RealProgram, public ::testing::WithParamInterface<PaneMenuCase> {
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

}  // namespace

TEST_P(PaneMenu, RightClickAndAccessKeyRunTheEntry)
{
    const PaneMenuCase& c = GetParam();
    const QByteArray element = c.link ? "a href='/item7'" : "p";
    server.serve("/page", "text/html; charset=utf-8",
                 "<body style='margin:0'><" + element + " id='t' style='display:block;height:100px;margin:0'>" +
                     QByteArray(c.text) + "</" + element.left(1) + "></body>");
    auto* tabs = formControl<TabControl>(form(), "TabControl1");
    if (c.tabBefore == 1) {  // a switch by hand searches the empty box
        tabs->setTabIndex(1);
        ASSERT_TRUE(waitForRequest("GET /search2?q= HTTP/1.1"));
        ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("search2?")));
    }
    openAddress(form(), server.baseAddress() + QStringLiteral("page"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("page")));
    const qsizetype requestsBefore = server.pageRequestLines().size();
    // The script's answer also tells that the page's renderer takes input.
    const auto selection = [this](const QString& script) {
        QString text;
        bool answered = false;
        browser->view()->page()->runJavaScript(script + QStringLiteral("; getSelection().toString()"),
                                               [&](const QVariant& value) {
                                                   text = value.toString();
                                                   answered = true;
                                               });
        return QTest::qWaitFor([&] { return answered; }, kWaitMs) ? text : QStringLiteral("(no answer)");
    };
    const bool selectAll = !c.link && !c.doubleClick;
    ASSERT_NE(selection(selectAll ? QStringLiteral("getSelection().selectAllChildren(document.getElementById('t'))")
                                  : QStringLiteral("0")),
              QStringLiteral("(no answer)"));
    QWidget* view = browser->view();
    if (c.doubleClick) {
        input::doubleClick(view, QPoint(20, 20));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !selection(QStringLiteral("0")).isEmpty(); }, kWaitMs));
    }
    QTest::mouseClick(form().windowHandle(), Qt::RightButton, {}, view->mapTo(&form(), QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }, kWaitMs));
    input::key(c.key);

    if (c.request.isEmpty()) {
        auto* list = formControl<AuctionListView>(form(), "FavAucList");
        ASSERT_GE(list->entryCount(), 1);
        EXPECT_EQ(list->entry(0).at(0), toSjis(QString::fromUtf16(c.kept)));
        EXPECT_EQ(list->entry(0).at(1), toSjis(server.baseAddress() + QStringLiteral("item7")));
        return;
    }
    ASSERT_TRUE(waitForRequest(c.request)) << server.pageRequestLines().join('\n').toStdString();
    ASSERT_TRUE(waitUntilShown(server.baseAddress()));
    // One request: showing the search's tab runs no search of its own.
    EXPECT_EQ(server.pageRequestLines().size(), requestsBefore + 1)
        << server.pageRequestLines().join('\n').toStdString();
    EXPECT_EQ(tabs->TabIndex(), c.request.contains("search2") ? 1 : 0);
    auto* box = formControl<QComboBox>(form(), "ComboBox1");
    EXPECT_EQ(box->currentText(), QString::fromUtf16(c.kept));
    EXPECT_EQ(box->itemText(0), QString::fromUtf16(c.kept));
}

INSTANTIATE_TEST_SUITE_P(
    RealPane, PaneMenu,
    ::testing::Values(PaneMenuCase{"DoubleClickedWordOnClosedAuctions",
                                   "<span style='font-size:32px'>時計</span> SEIKO", false, true, 1, Qt::Key_S,
                                   "GET /search?q=%BB%FE%B7%D7&t=-1 HTTP/1.1", u"時計"},
                      PaneMenuCase{"TwoLinesOnOpenAuctions", "<br> SEIKO<br>SBDC101 ", false, false, 0, Qt::Key_O,
                                   "GET /search2?q=SEIKO+SBDC101 HTTP/1.1", u"SEIKO SBDC101"},
                      PaneMenuCase{"LinkKept", "腕時計 A", true, false, 0, Qt::Key_W, {}, u"腕時計 A"}),
    [](const auto& test) { return std::string(test.param.name); });
