// A price kept from a page with the real engine: a search, a selection on its result page, the
// pane menu's entry by its access key, and a link followed from the page, whose prices are kept
// under the same keyword.
#include "memos/memo_file.h"
#include "tests/support/real_program.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QWebEngineView>

#include <memory>

namespace {

class PriceMemoRecord : public RealProgram {
protected:
    // Selects the element's text on the page on show, then opens the pane menu over it.
    bool openMenuOverSelection(const char* element)
    {
        auto selected = std::make_shared<QString>();  // outlives a late answer
        browser->view()->page()->runJavaScript(
            QStringLiteral("getSelection().selectAllChildren(document.getElementById('%1')); getSelection().toString()")
                .arg(QLatin1String(element)),
            [selected](const QVariant& value) { *selected = value.toString(); });
        if (!QTest::qWaitFor([&] { return !selected->isEmpty(); }, kWaitMs))
            return false;
        QTest::mouseClick(form().windowHandle(), Qt::RightButton, {}, browser->view()->mapTo(&form(), QPoint(20, 20)));
        return QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }, kWaitMs);
    }
    std::vector<PriceMemo> memos() { return readMemoFile(folder.read(".memo.csv")).memos; }
};

TEST_F(PriceMemoRecord, APriceOnAResultPageAndOnAPageFollowedFromItKeepTheSearchKeyword)
{
    form().Settings.URL = toSjis(server.baseAddress());
    const QByteArray search = "/search?q=%CF%D3%BB%FE%B7%D7&t=-1";
    server.serve(search, "text/html; charset=utf-8",
                 "<title>結果</title><body style='margin:0'><p id='avg' style='margin:0;font-size:32px'>"
                 "平均落札価格 <b>12,345</b>円</p><a id='item' href='/item7'>商品</a>");
    server.serve("/item7", "text/html; charset=utf-8",
                 "<body style='margin:0'><p id='many' style='margin:0;font-size:32px'>最高 15,000円 最安 ¥9,800</p>");
    input::click(formControl<QComboBox>(form(), "ComboBox1"));
    input::type(QStringLiteral("腕時計"));
    input::key(Qt::Key_Return);
    const QString searchAddress = server.baseAddress() + QString::fromLatin1(search.mid(1));
    ASSERT_TRUE(waitUntilShown(searchAddress));

    ASSERT_TRUE(openMenuOverSelection("avg"));
    input::key(Qt::Key_M);
    ASSERT_TRUE(QTest::qWaitFor([&] { return folder.exists(".memo.csv"); }, kWaitMs));
    ASSERT_EQ(memos().size(), 1u);
    EXPECT_EQ(memos()[0].keyword, toSjis(QStringLiteral("腕時計")));
    EXPECT_EQ(memos()[0].price, 12345);
    EXPECT_EQ(memos()[0].address, toSjis(searchAddress));
    EXPECT_EQ(memos()[0].title, toSjis(QStringLiteral("結果")));

    // A link of the page: the keyword goes with it. Of two prices, the menu offers each.
    browser->view()->page()->runJavaScript(QStringLiteral("document.getElementById('item').click()"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("item7")));
    ASSERT_TRUE(openMenuOverSelection("many"));
    input::key(Qt::Key_M);
    ASSERT_TRUE(QTest::qWaitFor([] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu && menu->actions().size() == 2 && menu->actions()[1]->text() == QStringLiteral("9,800円");
    }));
    input::key(Qt::Key_Down);
    input::key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return memos().size() == 2; }, kWaitMs));
    EXPECT_EQ(memos()[1].keyword, toSjis(QStringLiteral("腕時計")));
    EXPECT_EQ(memos()[1].price, 9800);
    EXPECT_EQ(memos()[1].address, toSjis(server.baseAddress() + QStringLiteral("item7")));
}

}  // namespace
