#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "watched/auction_list_view.h"
#include "watched/fav_auc_dlg.h"
#include "watched/watched_list.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using OrganizeDialog = FormFixture;

// Entry i; every third one has fields beyond the address, one of them no Shift-JIS at all.
WatchedEntry sample(int i)
{
    const std::string n = std::to_string(i);
    WatchedEntry entry{"E" + n, "http://e" + n + ".example/"};
    if (i % 3 == 0)
        entry.insert(entry.end(), {"memo " + n, "\xff\x80"});
    return entry;
}

std::vector<WatchedEntry> samples(std::initializer_list<int> order)
{
    std::vector<WatchedEntry> entries;
    for (int i : order)
        entries.push_back(sample(i));
    return entries;
}

std::vector<WatchedEntry> samples(int count)
{
    std::vector<WatchedEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(sample(i));
    return entries;
}

void clickRow(AuctionListView& list, int row)
{
    input::click(list.viewport(), Qt::LeftButton, list.visualRect(list.model()->index(row, 0)).center());
}

void clickTimes(QPushButton* button, int times)
{
    for (int i = 0; i < times; ++i)
        input::click(button);
}

// A menu caption as the menu shows it: "&" marks the access key, "&&" stands for "&".
QString shownCaption(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    return caption.replace(u'\x01', u'&');
}

QStringList captions(TForm1& form)
{
    QStringList texts;
    for (std::size_t n = 0; n < 10; ++n)
        texts << shownCaption(faucItem(form, n)->text());
    return texts;
}

// Opens the dialog with "整理" and runs body while it is shown; a dialog body left open (a failed
// expectation) is closed by its close box so the test never hangs.
void whileOpen(TForm1& form, const std::function<void(TFavAucDlg&)>& body)
{
    form.ensureDialogs();
    TFavAucDlg& dialog = *form.FavAucDlg;
    bool ran = false;
    QTimer::singleShot(0, &dialog, [&] {
        ran = true;
        body(dialog);
        if (dialog.isVisible())
            dialog.close();
    });
    input::click(formControl<QPushButton>(form, "Button4"));
    EXPECT_TRUE(ran);
}

TEST_F(OrganizeDialog, HasTheFormsLayout)
{
    start();
    form().resize(900, 700);
    form().show();
    whileOpen(form(), [&](TFavAucDlg& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("注目のオークションの整理"));
        EXPECT_EQ(d.size(), QSize(646, 342));
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        EXPECT_LE((d.frameGeometry().center() - form().frameGeometry().center()).manhattanLength(), 2);
        const struct {
            QWidget* widget;
            QRect geometry;
            QString text;
        } controls[] = {
            {d.OKBtn, {564, 8, 75, 33}, QStringLiteral("OK")},
            {d.Button1, {564, 104, 75, 25}, QStringLiteral("▲　上へ")},
            {d.Button2, {564, 136, 75, 25}, QStringLiteral("▼　下へ")},
            {d.Button3, {564, 184, 75, 25}, QStringLiteral("×　削除")},
            {d.FavAucList, {8, 8, 545, 329}, {}},
        };
        for (const auto& c : controls) {
            EXPECT_EQ(c.widget->geometry(), c.geometry) << c.widget->objectName().toStdString();
            if (auto* button = qobject_cast<QPushButton*>(c.widget)) {
                EXPECT_EQ(button->text(), c.text);
            }
        }
        EXPECT_TRUE(d.OKBtn->isDefault());
        EXPECT_EQ(d.Label1->text(), QStringLiteral("※上から10番目までが、メニューに表示されます。"));
        EXPECT_EQ(d.Label1->pos(), QPoint(564, 256));
        EXPECT_EQ(d.Label1->width(), 70);
        EXPECT_GE(d.Label1->height(), d.Label1->heightForWidth(70));  // no wrapped line cut off
        EXPECT_TRUE(d.Label1->wordWrap());
        EXPECT_EQ(d.Label1->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
        EXPECT_EQ(d.FavAucList->horizontalHeaderItem(0)->text(), QStringLiteral("オークションの表題"));
        EXPECT_EQ(d.FavAucList->horizontalHeaderItem(1)->text(), QStringLiteral("URL"));
        EXPECT_EQ(d.FavAucList->columnWidth(1), 140);
        EXPECT_EQ(d.FavAucList->columnWidth(0), d.FavAucList->viewport()->width() - 140);

        QStringList tabOrder;
        QWidget* w = d.OKBtn;
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                tabOrder << w->objectName();
            w = w->nextInFocusChain();
        } while (w != d.OKBtn);
        EXPECT_EQ(tabOrder, (QStringList{"OKBtn", "Button1", "Button2", "Button3", "FavAucList"}));
    });
}

TEST_F(OrganizeDialog, ButtonsMoveAndDeleteTheSelectedEntryAndDoNothingAtTheEnds)
{
    const struct {
        const char* name;
        int selected;
        const char* buttons;  // 1 up, 2 down, 3 delete
        std::initializer_list<int> order;
        int selectedAfter;
    } cases[] = {
        {"up on the top entry", 0, "1", {0, 1, 2}, 0},
        {"down on the bottom entry", 2, "2", {0, 1, 2}, 2},
        {"nothing selected", -1, "123", {0, 1, 2}, -1},
        {"up", 1, "1", {1, 0, 2}, 0},
        {"down from next to last", 1, "2", {0, 2, 1}, 2},
        {"down then up", 0, "21", {0, 1, 2}, 0},
        {"delete selects the next", 1, "3", {0, 2}, 1},
        {"delete twice", 0, "33", {2}, 0},
        {"delete the last selects the one above", 2, "3", {0, 1}, 1},
        {"delete all", 0, "3333", {}, -1},
    };
    start();
    form().show();
    TFavAucDlg& d = *windows().favAucDlg();
    QPushButton* buttons[] = {d.Button1, d.Button2, d.Button3};
    for (const auto& c : cases) {
        d.showEntries(samples({0, 1, 2}));
        d.open();
        if (c.selected >= 0)
            clickRow(*d.FavAucList, c.selected);
        for (const char* b = c.buttons; *b; ++b)
            input::click(buttons[*b - '1']);
        EXPECT_EQ(d.takenEntries(), samples(c.order)) << c.name;
        EXPECT_EQ(d.FavAucList->selectedRow(), c.selectedAfter) << c.name;
        d.close();
    }
}

TEST_F(OrganizeDialog, RepeatedDownWalksOneEntryToTheEndWithoutScrolling)
{
    start();
    form().show();
    TFavAucDlg& d = *windows().favAucDlg();
    d.showEntries(samples(30));
    d.open();
    clickRow(*d.FavAucList, 0);
    for (int step = 1; step <= 30; ++step) {
        input::click(d.Button2);
        const int place = std::min(step, 29);
        ASSERT_EQ(d.FavAucList->selectedRow(), place);
        EXPECT_EQ(d.FavAucList->entry(place), sample(0));
        EXPECT_EQ(d.FavAucList->verticalScrollBar()->value(), 0);
    }
    EXPECT_EQ(d.FavAucList->entry(0), sample(1));
    EXPECT_EQ(d.FavAucList->entryCount(), 30);
    d.close();
}

// Moves E0 past the tenth place, retitles E2 in place and deletes E3.
void organize(TFavAucDlg& d)
{
    AuctionListView& list = *d.FavAucList;
    EXPECT_EQ(list.entries(), samples(12));  // a fresh copy, nothing selected
    EXPECT_EQ(list.selectedRow(), -1);
    clickRow(list, 0);
    clickTimes(d.Button2, 10);
    clickRow(list, 1);
    input::key(Qt::Key_F2);
    QLineEdit* editor = nullptr;
    for (QLineEdit* field : list.viewport()->findChildren<QLineEdit*>())
        if (field->isVisible())
            editor = field;
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    input::commit(QStringLiteral("改題"));
    input::key(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(d.isVisible()) << "Enter that ends an edit must not end the dialog";
    clickRow(list, 2);
    input::click(d.Button3);
}

TEST_F(OrganizeDialog, TheCloseBoxDropsEveryChangeAndOkPutsThemInTheList)
{
    start();
    form().show();
    formControl<AuctionListView>(form(), "FavAucList")->setEntries(samples(12));
    form().watchedList().RefreshWatchedMenuCaptions();
    const QStringList before = captions(form());

    dialogs.answers = {QMessageBox::No};  // 変更を保存しますか？ いいえ
    whileOpen(form(), [](TFavAucDlg& d) { organize(d); });
    EXPECT_EQ(formControl<AuctionListView>(form(), "FavAucList")->entries(), samples(12));
    EXPECT_EQ(captions(form()), before);

    whileOpen(form(), [](TFavAucDlg& d) {
        organize(d);
        input::click(d.OKBtn);
    });
    std::vector<WatchedEntry> expected = samples({1, 2, 4, 5, 6, 7, 8, 9, 10, 0, 11});
    expected[1][0] = "\x89\xfc\x91\xe8";  // 改題
    EXPECT_EQ(formControl<AuctionListView>(form(), "FavAucList")->entries(), expected);
    EXPECT_EQ(formControl<AuctionListView>(form(), "FavAucList")->selectedRow(), -1);
    EXPECT_EQ(captions(form()),
              (QStringList{"1.E1", "2.改題", "3.E4", "4.E5", "5.E6", "6.E7", "7.E8", "8.E9", "9.E10", "10.E0"}));
    ASSERT_TRUE(closeWindow());
    const std::string file = folder.read(".fal");
    EXPECT_TRUE(file.starts_with("E1,http://e1.example/\r\n\x89\xfc\x91\xe8,http://e2.example/\r\nE4,http"));
    EXPECT_NE(file.find("E0,http://e0.example/,\"memo 0\",\xff\x80\r\nE11,"), std::string::npos);
}

TEST_F(OrganizeDialog, DeletingEveryEntryAndOkLeavesAnEmptyListAndFile)
{
    start();
    form().show();
    formControl<AuctionListView>(form(), "FavAucList")->setEntries(samples(3));
    whileOpen(form(), [](TFavAucDlg& d) {
        for (int i = 0; i < 3; ++i) {
            clickRow(*d.FavAucList, 0);
            input::click(d.Button3);
        }
        input::click(d.OKBtn);
    });
    EXPECT_EQ(formControl<AuctionListView>(form(), "FavAucList")->entryCount(), 0);
    EXPECT_EQ(captions(form()), (QStringList{"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9.", "10."}));
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".fal"), "");
}

TEST_F(OrganizeDialog, TheCloseBoxAsksWhetherToKeepTheChangesAndStaysOpenOnCancel)
{
    enum Closing { CloseBox, Esc, EscInAnEdit };
    const struct {
        const char* what;
        bool change;
        QMessageBox::StandardButton answer;
        bool staysOpen;
        size_t entriesAfter;
        Closing closing = CloseBox;
    } cases[] = {
        {"unchanged: no question", false, QMessageBox::NoButton, false, 3},
        {"はい keeps the changes", true, QMessageBox::Yes, false, 2},
        {"いいえ drops them", true, QMessageBox::No, false, 3},
        {"キャンセル stays in the dialog", true, QMessageBox::Cancel, true, 3},
        {"Esc asks as the close box does", true, QMessageBox::Yes, false, 2, Esc},
        {"Esc in a title edit ends only the edit", true, QMessageBox::NoButton, true, 3, EscInAnEdit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        start();
        form().show();
        formControl<AuctionListView>(form(), "FavAucList")->setEntries(samples(3));
        dialogs.shown.clear();
        if (c.answer != QMessageBox::NoButton)
            dialogs.answers = {c.answer};
        whileOpen(form(), [&](TFavAucDlg& d) {
            if (c.change) {
                clickRow(*d.FavAucList, 0);
                input::click(d.Button3);
            }
            if (c.closing == EscInAnEdit) {
                input::key(Qt::Key_Tab);  // from 削除 to the list
                input::key(Qt::Key_F2);
            }
            if (c.closing == CloseBox)
                d.close();
            else
                QTest::keyClick(d.windowHandle(), Qt::Key_Escape);
            EXPECT_EQ(d.isVisible(), c.staysOpen);
            if (c.staysOpen)
                dialogs.answers = {QMessageBox::No};  // lets whileOpen close it
        });
        EXPECT_EQ(formControl<AuctionListView>(form(), "FavAucList")->entryCount(), c.entriesAfter);
        // A question at the Esc or close box, and another where whileOpen closed it.
        const bool askedTwice = c.staysOpen && c.closing != EscInAnEdit;
        ASSERT_EQ(dialogs.shown.size(), c.change ? 1u + askedTwice : 0u);
        if (c.change) {
            EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("変更を保存しますか？"));
            EXPECT_EQ(dialogs.shown[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        }
    }
}

}  // namespace
