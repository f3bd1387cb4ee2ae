// A text being edited in place when the user turns elsewhere with the mouse (another keyword tab,
// a menu, the close box, a button) is stored first by every route that reads the tree or list.
#include "keywords/keyword_tree_view.h"
#include "tests/support/form_fixture.h"
#include "watched/auction_list_view.h"
#include "watched/fav_auc_dlg.h"
#include "widgets/tab_control.h"
#include "widgets/tab_rows.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class OpenEdits : public FormFixture {
protected:
    // A left click where the window system delivers it: to the top-level window of widget.
    static void click(QWidget* widget, QPoint at = {})
    {
        QWidget* top = widget->window();
        if (at.isNull())
            at = widget->rect().center();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at));
    }
};

TEST_F(OpenEdits, AnOpenEditIsStoredByEveryRouteThatReadsTheTreeOrTheList)
{
    // Read right after the route: tab switch, backup and 終了 write the tree themselves. A leading blank typed into a
    // keyword would read back as depth: it is dropped. A title keeps it.
    const struct {
        const char* route;
        bool tree;  // the edit is in the keyword tree, else in the watched list
        std::function<void()> take;
        std::string file;
    } routes[] = {
        {"another keyword tab", true,
         [this] {
             click(formControl<TabControl>(form(), "TabControl2")->tabBar(),
                   formControl<TabControl>(form(), "TabControl2")->tabBar()->tabRect(1).center());
         },
         "r\r\n\tedited\r\n"},
        {"backup", true, [this] { formControl<QAction>(form(), "N24")->trigger(); }, "r\r\n\tedited\r\n"},
        {"File > 終了", true, [this] { formControl<QAction>(form(), "X1")->trigger(); }, "r\r\n\tedited\r\n"},
        {"close box", false, [this] { closeWindow(); }, "\" edited\",u\r\n"},
        // A menu, unlike a button, leaves the keyboard focus (and the editor) where it was.
        {"追加 from the menu", false,
         [this] {
             formControl<QAction>(form(), "A1")->trigger();
             closeWindow();
         },
         ",\r\n\" edited\",u\r\n"},
        {"整理 from the menu, then OK", false,
         [this] {
             TFavAucDlg& dialog = *windows().favAucDlg();
             std::function<void()> pressOk = [&] {
                 if (!dialog.isVisible())
                     return QTimer::singleShot(10, &dialog, pressOk);
                 click(dialog.OKBtn);
             };
             QTimer::singleShot(0, &dialog, pressOk);
             formControl<QAction>(form(), "C1")->trigger();
             closeWindow();
         },
         "\" edited\",u\r\n"},
    };
    for (const auto& r : routes) {
        SCOPED_TRACE(r.route);
        folder.write(".ask", "r\r\n\tchild\r\n");
        folder.write(".fal", "old,u\r\n");
        start();
        ASSERT_NO_FATAL_FAILURE(showActive());
        QAbstractItemView& view =
            r.tree ? static_cast<QAbstractItemView&>(*formControl<KeywordTreeView>(form(), "TreeView1"))
                   : *formControl<AuctionListView>(form(), "FavAucList");
        const QModelIndex first = view.model()->index(0, 0);
        click(view.viewport(), view.visualRect(r.tree ? view.model()->index(0, 0, first) : first).center());
        QTest::keyClick(form().windowHandle(), Qt::Key_F2);
        for (char c : std::string(" edited"))
            QTest::keyClick(form().windowHandle(), c);
        r.take();  // the edit must be in the file it writes (or in the list the close writes)
        EXPECT_EQ(folder.read(r.tree ? ".ask" : ".fal"), r.file);
        TearDown();
    }
}

}  // namespace
