#include "options/option_dlg.h"

#include "options/option_values.h"
#include "search/search_bar.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "widgets/readable_colour.h"
#include "widgets/tab_control.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {

// Brings the control's page to the front, as the user does before touching it.
void showPageOf(TOptionDlg& dlg, QWidget* control)
{
    for (int page = 0; page < dlg.PageControl1->count(); ++page)
        if (dlg.PageControl1->widget(page)->isAncestorOf(control))
            dlg.PageControl1->setCurrentIndex(page);
}

// Replaces the edit's text the way a user does: select all, then type.
void retype(QLineEdit* edit, const QString& text)
{
    auto* dlg = qobject_cast<TOptionDlg*>(edit->window());
    if (dlg)
        showPageOf(*dlg, edit);
    input::click(edit);
    input::key(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        input::key(Qt::Key_Delete);
    else
        input::type(text);
}

void clickCheckBox(TOptionDlg& dlg, QCheckBox* box)
{
    showPageOf(dlg, box);
    input::click(box, Qt::LeftButton, QPoint(5, box->height() / 2));
}

std::vector<QLineEdit*> everyEdit(TOptionDlg& dlg)
{
    std::vector<QLineEdit*> edits = {dlg.LabeledEdit1, dlg.LabeledEdit2, dlg.LabeledEdit3, dlg.LabeledEdit4,
                                     dlg.LabeledEdit5, dlg.LabeledEdit6, dlg.LabeledEdit7, dlg.LabeledEdit8};
    edits.insert(edits.end(), dlg.SiteNames.begin(), dlg.SiteNames.end());
    edits.insert(edits.end(), dlg.SiteUrls.begin(), dlg.SiteUrls.end());
    return edits;
}

std::vector<QCheckBox*> everyCheckBox(TOptionDlg& dlg)
{
    std::vector<QCheckBox*> boxes(dlg.SiteChecks.begin(), dlg.SiteChecks.end());
    boxes.push_back(dlg.CheckBox7);
    boxes.push_back(dlg.CheckBox8);
    return boxes;
}

}  // namespace

class OptionsDialog : public FormFixture {
protected:
    void SetUp() override
    {
        start();
        // Until the settings file is read the record is empty; give it what a first start has.
        form().Settings.URL = "http://auction-stats.example/";
        form().Settings.SoubaCheck = "search?q=$KEY$&t=-1";
        form().Settings.KaisaiCheck = "search2?q=$KEY$";
        form().Settings.YahooURL = "http://yahoo.example/search?desc=$KEY$";
        form().Settings.BiddersURL = "http://bidders.example/list1?keyword=$KEY$";
        form().Settings.MsgKeyDel = true;
    }

    TOptionDlg& dlg() { return *windows().optionDlg(); }

    // Opens the dialog through its menu item and runs act while it is up; act closes it (if it
    // does not, or fails part-way, the dialog is cancelled so the test never hangs).
    void withOptions(const std::function<void(TOptionDlg&)>& act)
    {
        bool ran = false;
        QTimer::singleShot(0, &dlg(), [&] {
            ran = true;
            act(dlg());
            if (dlg().isVisible())
                dlg().reject();
        });
        formControl<QAction>(form(), "N5")->trigger();
        ASSERT_TRUE(ran) << "the dialog did not open";
    }

    void acceptWith(const std::function<void(TOptionDlg&)>& edit)
    {
        withOptions([&](TOptionDlg& d) {
            edit(d);
            input::click(d.OKBtn);
        });
    }
};

// ---- Layout -------------------------------------------------------------------------------------

TEST_F(OptionsDialog, HasTheDesignedFrameAndPages)
{
    TOptionDlg& d = dlg();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("オプション設定"));
    EXPECT_EQ(d.size(), QSize(420, 275));
    EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "fixed size";
    EXPECT_EQ(d.PageControl1->geometry(), QRect(0, 0, 420, 233));
    const QStringList pages = {QStringLiteral("基本設定"), QStringLiteral("サイトバー"),
                               QStringLiteral("サイトバー２ -1"), QStringLiteral("サイトバー２ -2")};
    ASSERT_EQ(d.PageControl1->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(d.PageControl1->tabText(i), pages[i]);
        EXPECT_EQ(d.PageControl1->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    EXPECT_EQ(d.PageControl1->currentIndex(), 0);

    struct Button {
        QPushButton* button;
        QString text;
        QRect geometry;
    };
    for (const Button& b : {Button{d.Button1, QStringLiteral("設定の初期化"), {8, 244, 105, 25}},
                            Button{d.OKBtn, QStringLiteral("OK"), {216, 244, 90, 25}},
                            Button{d.CancelBtn, QStringLiteral("キャンセル"), {311, 244, 90, 25}}}) {
        EXPECT_EQ(b.button->text(), b.text);
        EXPECT_EQ(b.button->geometry(), b.geometry) << b.text.toStdString();
    }
    EXPECT_EQ(d.Button1->toolTip(), QStringLiteral("プログラムの再起同時に設定が初期化されます"));
    EXPECT_TRUE(d.OKBtn->isDefault());

    auto* teal = d.findChild<QLabel*>(QStringLiteral("Label2"));
    auto* red = d.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_TRUE(teal && red);
    teal->ensurePolished();
    red->ensurePolished();
    EXPECT_EQ(teal->text(), QStringLiteral("【タブ表示】"));
    EXPECT_EQ(teal->pos(), QPoint(8, 16));
    // Teal and red as drawn, each darkened only as far as the window's background needs to read it.
    const QColor window = d.palette().color(QPalette::Window);
    for (QLabel* label : {teal, red})
        EXPECT_GE(contrastRatio(label->palette().color(QPalette::WindowText), window), 4.5);
    EXPECT_EQ(teal->palette().color(QPalette::WindowText).hue(), QColor(0, 128, 128).hue());
    EXPECT_EQ(red->text(), QStringLiteral("※ $KEY$ はユーザーの指定したキーワードに置き換わります。"));
    EXPECT_EQ(red->parentWidget()->objectName(), QStringLiteral("TabSheet2"));
    EXPECT_EQ(red->pos(), QPoint(80, 128));
    EXPECT_EQ(red->palette().color(QPalette::WindowText).hue(), QColor(255, 0, 0).hue());
}

TEST_F(OptionsDialog, PlacesEveryLabelledEditWithItsLabel)
{
    struct Row {
        const char* edit;
        const char* parent;
        QString label;
        bool labelLeft;
        QRect at;  // x, y, width; the height is the edit's own
    };
    std::vector<Row> rows = {
        {"LabeledEdit1", "GroupBox1", QStringLiteral("URL"), true, {40, 16, 361, 0}},
        {"LabeledEdit2", "GroupBox1", QStringLiteral("落札相場の検索コマンド "), true, {144, 40, 257, 0}},
        {"LabeledEdit3", "GroupBox1", QStringLiteral("開催Auction検索コマンド"), true, {144, 64, 257, 0}},
        {"LabeledEdit6", "GroupBox3", QStringLiteral("#1"), true, {32, 32, 161, 0}},
        {"LabeledEdit7", "GroupBox3", QStringLiteral("#2"), true, {32, 56, 161, 0}},
        {"LabeledEdit8", "GroupBox3", QStringLiteral("#3"), true, {32, 80, 161, 0}},
        {"LabeledEdit4", "GroupBox2", QStringLiteral("Yahoo!Auction URL"), false, {8, 32, 393, 0}},
        {"LabeledEdit5", "GroupBox2", QStringLiteral("BIDDERS URL"), false, {8, 80, 393, 0}},
    };
    static const char* kSitePages[2] = {"TabSheet3", "TabSheet4"};
    static std::string names[12];
    for (int k = 1; k <= 6; ++k) {
        const int r = (k - 1) % 3;
        names[2 * (k - 1)] = "SiteName" + std::to_string(k);
        names[2 * (k - 1) + 1] = "SiteUrl" + std::to_string(k);
        rows.push_back({names[2 * (k - 1)].c_str(),
                        kSitePages[(k - 1) / 3],
                        QStringLiteral("名称"),
                        true,
                        {152, 8 + 64 * r, 249, 0}});
        rows.push_back({names[2 * (k - 1) + 1].c_str(),
                        kSitePages[(k - 1) / 3],
                        QStringLiteral("URL"),
                        true,
                        {56, 32 + 64 * r, 345, 0}});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.edit);
        auto* edit = dlg().findChild<QLineEdit*>(QString::fromLatin1(row.edit));
        auto* label = dlg().findChild<QLabel*>(QString::fromLatin1(row.edit) + QStringLiteral("Label"));
        ASSERT_TRUE(edit && label);
        EXPECT_EQ(edit->parentWidget()->objectName(), QString::fromLatin1(row.parent));
        EXPECT_EQ(edit->pos(), row.at.topLeft());
        EXPECT_EQ(edit->width(), row.at.width());
        EXPECT_EQ(label->text(), row.label);
        EXPECT_EQ(label->buddy(), edit);
        EXPECT_EQ(label->parentWidget(), edit->parentWidget());
        if (row.labelLeft) {
            EXPECT_LT(label->geometry().right(), edit->x());
            EXPECT_EQ(label->geometry().center().y(), edit->geometry().center().y());
            EXPECT_GE(label->width(), label->sizeHint().width()) << "label clipped";
        } else {
            EXPECT_EQ(label->x(), edit->x());
            EXPECT_LT(label->geometry().bottom(), edit->y());
        }
    }
}

TEST_F(OptionsDialog, PlacesTheCheckBoxesAndSiteIcons)
{
    TOptionDlg& d = dlg();
    EXPECT_EQ(d.CheckBox7->text(), QStringLiteral("キーワードの削除時に確認する"));
    EXPECT_EQ(d.CheckBox7->pos(), QPoint(208, 24));
    EXPECT_EQ(d.CheckBox8->text(), QStringLiteral("バックアップ/レストアを有効にする"));
    EXPECT_EQ(d.CheckBox8->pos(), QPoint(208, 48));
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const size_t i = static_cast<size_t>(k - 1);
        const int y = 10 + 64 * ((k - 1) % 3);
        const QString page = k <= 3 ? QStringLiteral("TabSheet3") : QStringLiteral("TabSheet4");
        EXPECT_EQ(d.SiteChecks[i]->objectName(), QStringLiteral("CheckBox%1").arg(k));
        EXPECT_EQ(d.SiteChecks[i]->text(), QStringLiteral("サイト #%1").arg(k));
        EXPECT_EQ(d.SiteChecks[i]->geometry().topLeft(), QPoint(8, y));
        EXPECT_EQ(d.SiteChecks[i]->width(), 73);
        EXPECT_EQ(d.SiteChecks[i]->parentWidget()->objectName(), page);
        EXPECT_EQ(d.SiteImages[i]->objectName(), QStringLiteral("Image%1").arg(k));
        EXPECT_EQ(d.SiteImages[i]->geometry(), QRect(80, y, 16, 16));
        // Each image shows its site button's icon, drawn when the dialog was created.
        const QImage expected = form().ImageList3.at(k - 1).pixmap(16, 16).toImage();
        EXPECT_EQ(d.SiteImages[i]->pixmap().toImage(), expected);
    }
}

TEST_F(OptionsDialog, OpensCentredOnTheMainWindow)
{
    form().setGeometry(100, 80, 900, 700);
    withOptions([&](TOptionDlg& d) {
        EXPECT_TRUE(d.isModal());
        EXPECT_EQ(d.frameGeometry().center(), form().frameGeometry().center());
    });
}

// ---- Filling and taking back --------------------------------------------------------------------

TEST_F(OptionsDialog, FillsEveryControlFromTheRunningProgram)
{
    TForm1& f = form();
    f.Settings.SiteURL[4] = "http://five.example/?q=$KEY$";
    f.Settings.TabName[1] = toSjis(QStringLiteral("仕事"));
    f.Settings.SiteName[3] = toSjis(QStringLiteral("古本"));
    f.Settings.SiteVisible[5] = false;
    f.Settings.MsgKeyDel = false;
    f.Settings.KeyTreeBackupN24 = false;
    f.Settings.KeyTreeBackupN25 = false;
    // Whatever the boxes showed when the dialog was last closed is overwritten.
    dlg().CheckBox7->setChecked(true);
    dlg().SiteChecks[5]->setChecked(true);

    withOptions([&](TOptionDlg& d) {
        EXPECT_EQ(d.LabeledEdit1->text(), QStringLiteral("http://auction-stats.example/"));
        EXPECT_EQ(d.LabeledEdit2->text(), QStringLiteral("search?q=$KEY$&t=-1"));
        EXPECT_EQ(d.LabeledEdit3->text(), QStringLiteral("search2?q=$KEY$"));
        EXPECT_EQ(d.LabeledEdit4->text(), QStringLiteral("http://yahoo.example/search?desc=$KEY$"));
        EXPECT_EQ(d.LabeledEdit5->text(), QStringLiteral("http://bidders.example/list1?keyword=$KEY$"));
        EXPECT_EQ(d.LabeledEdit6->text(), QStringLiteral("KEY #1"));
        EXPECT_EQ(d.LabeledEdit7->text(), QStringLiteral("仕事"));
        EXPECT_EQ(d.LabeledEdit8->text(), QStringLiteral("KEY #3"));
        for (size_t k = 0; k < 6; ++k) {
            EXPECT_EQ(d.SiteChecks[k]->isChecked(), k != 5) << k;
            EXPECT_EQ(d.SiteUrls[k]->text(), k == 4 ? QStringLiteral("http://five.example/?q=$KEY$") : QString());
        }
        EXPECT_EQ(d.SiteNames[0]->text(), QStringLiteral("サイト #1"));
        EXPECT_EQ(d.SiteNames[3]->text(), QStringLiteral("古本"));
        EXPECT_FALSE(d.CheckBox7->isChecked());
        EXPECT_FALSE(d.CheckBox8->isChecked());
        d.reject();
    });
}

// Cancel, Esc and the close box: all three drop everything typed and ticked.
class OptionsDialogDismissed : public OptionsDialog, public ::testing::WithParamInterface<int> {};

TEST_P(OptionsDialogDismissed, ChangesNothingAfterEveryFieldWasEdited)
{
    const OptionValues before = form().currentOptionValues();
    const QString tooltip = siteButton(form(), 0)->toolTip();
    withOptions([&](TOptionDlg& d) {
        for (QLineEdit* edit : everyEdit(d)) {
            showPageOf(d, edit);
            input::click(edit);
            input::type(QStringLiteral("変更x"));
        }
        for (QCheckBox* box : everyCheckBox(d))
            clickCheckBox(d, box);
        ASSERT_NE(d.takenValues(), before) << "the edits did not reach the controls";
        switch (GetParam()) {
            case 0:
                input::click(d.CancelBtn);
                break;
            case 1:
                input::key(Qt::Key_Escape);
                break;
            default:
                d.close();  // the title bar's close box
        }
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(form().currentOptionValues(), before);
    EXPECT_EQ(siteButton(form(), 0)->toolTip(), tooltip);
    EXPECT_TRUE(formControl<QAction>(form(), "N25")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(CancelEscOrCloseBox, OptionsDialogDismissed, ::testing::Values(0, 1, 2));

TEST_F(OptionsDialog, OkAppliesEveryValueAtOnce)
{
    acceptWith([](TOptionDlg& d) {
        retype(d.LabeledEdit1, QStringLiteral("http://other.example/"));
        retype(d.LabeledEdit2, QStringLiteral("closed?k=$KEY$"));
        retype(d.LabeledEdit3, QStringLiteral("open?k=$KEY$"));
        retype(d.LabeledEdit4, QStringLiteral("http://y.example/?$KEY$"));
        retype(d.LabeledEdit5, QStringLiteral("http://b.example/?$KEY$"));
        retype(d.LabeledEdit6, QStringLiteral("カメラ"));
        retype(d.LabeledEdit8, QStringLiteral("時計"));
        retype(d.SiteNames[5], QStringLiteral("六番"));
        retype(d.SiteUrls[5], QStringLiteral("http://six.example/?q=$KEY$"));
        d.CheckBox7->setChecked(false);
    });
    const SettingsValues& s = form().Settings;
    EXPECT_EQ(s.URL, "http://other.example/");
    EXPECT_EQ(s.SoubaCheck, "closed?k=$KEY$");
    EXPECT_EQ(s.KaisaiCheck, "open?k=$KEY$");
    EXPECT_EQ(s.YahooURL, "http://y.example/?$KEY$");
    EXPECT_EQ(s.BiddersURL, "http://b.example/?$KEY$");
    EXPECT_EQ(s.SiteURL[5], "http://six.example/?q=$KEY$");
    EXPECT_EQ(s.SiteURL[0], "");
    EXPECT_FALSE(s.MsgKeyDel);
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(0), QStringLiteral("カメラ"));
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(1), QStringLiteral("KEY #2"));
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(2), QStringLiteral("時計"));
    EXPECT_EQ(siteButton(form(), 5)->toolTip(), QStringLiteral("六番"));
}

TEST_F(OptionsDialog, UntickedSiteButtonHidesAndComesBackInItsPlace)
{
    form().show();
    QApplication::processEvents();
    std::array<int, 6> designX{};
    for (size_t k = 0; k < 6; ++k)
        designX[k] = siteButton(form(), k)->x();
    ASSERT_LT(designX[2], designX[3]);

    acceptWith([](TOptionDlg& d) {
        clickCheckBox(d, d.SiteChecks[2]);
        EXPECT_FALSE(d.SiteChecks[2]->isChecked());
    });
    EXPECT_FALSE(form().searchBar().siteButtonShown(2));
    QApplication::processEvents();  // the bar lays itself out before it is next drawn
    EXPECT_TRUE(siteButton(form(), 2)->isHidden());
    // The bar closes up: the fourth button moves into the third one's place.
    EXPECT_EQ(siteButton(form(), 3)->x(), designX[2]);
    EXPECT_EQ(siteButton(form(), 5)->x(), designX[4]);

    acceptWith([](TOptionDlg& d) { d.SiteChecks[2]->setChecked(true); });
    EXPECT_TRUE(form().searchBar().siteButtonShown(2));
    QApplication::processEvents();
    EXPECT_FALSE(siteButton(form(), 2)->isHidden());
    for (size_t k = 0; k < 6; ++k)
        EXPECT_EQ(siteButton(form(), k)->x(), designX[k]) << k;
}

TEST_F(OptionsDialog, RenamesTheSecondKeywordTabAlsoToEmpty)
{
    for (const QString& name : {QStringLiteral("趣味"), QString()}) {
        withOptions([&](TOptionDlg& d) {
            retype(d.LabeledEdit7, name);
            input::key(Qt::Key_Return);  // Enter in an edit is OK
        });
        EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(1), name);
        EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(0), QStringLiteral("KEY #1"));
    }
}

TEST_F(OptionsDialog, EnterOnTheFocusedCancelButtonCancels)
{
    withOptions([](TOptionDlg& d) {
        retype(d.LabeledEdit7, QStringLiteral("dropped"));
        d.CancelBtn->setFocus();
        input::key(Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(1), QStringLiteral("KEY #2"));
}

TEST_F(OptionsDialog, NewSiteNameBecomesTheTooltipAndTheButtonKeepsItsLook)
{
    QToolButton* button = siteButton(form(), 1);
    const QImage icon = button->icon().pixmap(16, 16).toImage();
    acceptWith([](TOptionDlg& d) { retype(d.SiteNames[1], QStringLiteral("中古カメラの店")); });
    EXPECT_EQ(button->toolTip(), QStringLiteral("中古カメラの店"));
    EXPECT_EQ(button->text(), QString());
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(button->icon().pixmap(16, 16).toImage(), icon);
}

TEST_F(OptionsDialog, BackupSwitchEnablesBothMenuItemsTogether)
{
    acceptWith([](TOptionDlg& d) { clickCheckBox(d, d.CheckBox8); });
    EXPECT_FALSE(formControl<QAction>(form(), "N24")->isEnabled());
    EXPECT_FALSE(formControl<QAction>(form(), "N25")->isEnabled());
    acceptWith([](TOptionDlg& d) { d.CheckBox8->setChecked(true); });
    EXPECT_TRUE(formControl<QAction>(form(), "N24")->isEnabled());
    EXPECT_TRUE(formControl<QAction>(form(), "N25")->isEnabled());
}

TEST_F(OptionsDialog, ChangedSearchCommandsTakeEffectAtTheNextSearchOfTheirTab)
{
    acceptWith([](TOptionDlg& d) {
        retype(d.LabeledEdit2, QStringLiteral("closed?q=$KEY$"));
        retype(d.LabeledEdit3, QStringLiteral("open?q=$KEY$"));
    });
    form().searchBar().setKeywordText("abc");
    form().show();
    input::click(formControl<QPushButton>(form(), "Button1"));
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://auction-stats.example/closed?q=abc"));
    formControl<TabControl>(form(), "TabControl1")
        ->setTabIndex(1);  // the tab switch searches again, on the other command
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://auction-stats.example/open?q=abc"));
}

TEST_F(OptionsDialog, TakesTextsExactlyAsTyped)
{
    struct Case {
        QString typed;
        std::string stored;
    };
    const Case cases[] = {
        {QStringLiteral("  http://padded.example/  "), "  http://padded.example/  "},
        {QString(), ""},
        {QStringLiteral("no placeholder"), "no placeholder"},
        {QStringLiteral("時計"), "\x8E\x9E\x8C\x76"},
        // As the platform's conversion: best fit where it has one, else "?".
        {QStringLiteral("a\u00E9b"), "aeb"},
        {QStringLiteral("a\uAC00b"), "a?b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        acceptWith([&](TOptionDlg& d) {
            d.LabeledEdit1->setText(c.typed);
            d.SiteUrls[2]->setText(c.typed);
        });
        EXPECT_EQ(form().Settings.URL, c.stored);
        EXPECT_EQ(form().Settings.SiteURL[2], c.stored);
    }
}

TEST_F(OptionsDialog, UntouchedTextKeepsBytesThatAreNotValidShiftJis)
{
    const std::string odd = "http://x.example/\xFF\x80q";
    form().Settings.URL = odd;
    form().Settings.SiteURL[0] = odd;
    acceptWith([](TOptionDlg& d) { retype(d.LabeledEdit2, QStringLiteral("changed")); });
    EXPECT_EQ(form().Settings.URL, odd);
    EXPECT_EQ(form().Settings.SiteURL[0], odd);
    EXPECT_EQ(form().Settings.SoubaCheck, "changed");
}

TEST_F(OptionsDialog, ReopensOnThePageItWasClosedOn)
{
    withOptions([](TOptionDlg& d) {
        EXPECT_EQ(d.PageControl1->currentIndex(), 0);
        input::click(d.PageControl1->tabBar(), Qt::LeftButton, d.PageControl1->tabBar()->tabRect(2).center());
        EXPECT_EQ(d.PageControl1->currentIndex(), 2);
        d.reject();
    });
    withOptions([](TOptionDlg& d) {
        EXPECT_EQ(d.PageControl1->currentIndex(), 2);
        d.PageControl1->setCurrentIndex(3);
        input::click(d.OKBtn);
    });
    withOptions([](TOptionDlg& d) { EXPECT_EQ(d.PageControl1->currentIndex(), 3); });
}
