// A text being edited in place when the user turns elsewhere with the mouse (another keyword tab,
// a menu, the close box, a button) is the user's latest word: every route that reads the tree or
// the list stores it first. Input goes to the top-level window, as the window system delivers it.
#include "keywords/keyword_tree_view.h"
#include "tests/support/form_fixture.h"
#include "watched/auction_list_view.h"
#include "watched/fav_auc_dlg.h"
#include "widgets/tab_control.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class OpenEdits : public FormFixture {
protected:
    void showWindow()
    {
        start();
        form().resize(870, 720);
        form().show();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }

    static void clickOn(QWidget* top, QWidget* widget, QPoint at)
    {
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at));
    }
    void clickOn(QWidget* widget, QPoint at) { clickOn(&form(), widget, at); }

    // Selects the item at point in view, opens its editor with F2 and types text over the old.
    void editInPlace(QAbstractItemView& view, QPoint at, const char* text)
    {
        clickOn(view.viewport(), at);
        QTest::keyClick(form().windowHandle(), Qt::Key_F2);
        ASSERT_NE(view.viewport()->findChild<QLineEdit*>(), nullptr);
        for (const char* c = text; *c; ++c)
            QTest::keyClick(form().windowHandle(), *c);
    }
};

TEST_F(OpenEdits, AKeywordBeingEditedIsStoredByEveryRouteThatReadsTheTree)
{
    const struct {
        const char* route;
        std::function<void()> take;
    } routes[] = {
        {"a click on another keyword tab",
         [this] {
             QTabBar* tabs = form().TabControl2->tabBar();
             clickOn(tabs, tabs->tabRect(1).center());
             EXPECT_EQ(form().CurrentKeyTab, 1);
         }},
        {"the backup", [this] { form().N24->trigger(); }},
        {"the close box", [this] { EXPECT_TRUE(closeWindow()); }},
        {"File > 終了", [this] { form().X1->trigger(); }},
    };
    for (const auto& r : routes) {
        SCOPED_TRACE(r.route);
        folder.write(".ask", "root\r\n\tchild\r\n");
        showWindow();
        KeywordTreeView& tree = *form().TreeView1;
        // Leading blanks typed in place would read back as depth: they are dropped.
        editInPlace(tree, tree.visualItemRect(tree.topLevelItem(0)->child(0)).center(), " \tedited");
        r.take();
        EXPECT_EQ(folder.read(".ask"), "root\r\n\tedited\r\n");
        TearDown();
    }
}

TEST_F(OpenEdits, ATitleBeingEditedIsStoredByEveryRouteThatReadsTheList)
{
    const struct {
        const char* route;
        std::function<void()> take;
        std::string file;
    } routes[] = {
        {"the close box", [] {}, "edited,http://a.example/\r\n"},
        {"追加", [this] { clickOn(form().Button3, form().Button3->rect().center()); },
         ",\r\nedited,http://a.example/\r\n"},
        {"整理 and OK",
         [this] {
             TFavAucDlg& dialog = *form().FavAucDlg;
             std::function<void()> pressOk = [&] {
                 if (!dialog.isVisible()) {
                     QTimer::singleShot(10, &dialog, pressOk);
                     return;
                 }
                 clickOn(&dialog, dialog.OKBtn, dialog.OKBtn->rect().center());
                 if (dialog.isVisible())
                     dialog.close();
             };
             QTimer::singleShot(0, &dialog, pressOk);
             clickOn(form().Button4, form().Button4->rect().center());
         },
         "edited,http://a.example/\r\n"},
    };
    for (const auto& r : routes) {
        SCOPED_TRACE(r.route);
        folder.write(".fal", "old,http://a.example/\r\n");
        showWindow();
        AuctionListView& list = *form().FavAucList;
        editInPlace(list, list.visualRect(list.model()->index(0, 0)).center(), "edited");
        r.take();
        EXPECT_TRUE(closeWindow());
        EXPECT_EQ(folder.read(".fal"), r.file);
        TearDown();
    }
}

}  // namespace
