#include "files/errors.h"
#include "keywords/keyword_errors.h"
#include "keywords/keyword_tabs.h"
#include "keywords/keyword_tree_view.h"
#include "pane/browser_pane.h"
#include "tests/support/form_fixture.h"
#include "watched/watched_errors.h"
#include "widgets/animate.h"
#include "widgets/cool_bar.h"
#include "widgets/error_box.h"
#include "widgets/status_bar.h"
#include "widgets/tab_control.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

using MainWindow = FormFixture;

TEST_F(MainWindow, StartsWithTheDesignedLayout)
{
    start();
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Ribemo☆オークション相場チェック"));
    EXPECT_EQ(form().findChild<QPushButton*>(QStringLiteral("Button1"))->text(), QStringLiteral("検索"));
    EXPECT_EQ(formControl<QLabel>(form(), "Label1")->text(), QStringLiteral("キーワード　"));
    EXPECT_EQ(formControl<QToolButton>(form(), "ToolButton4")->toolTip(),
              QStringLiteral("普段使っているＩＥのホームへ移動"));
    EXPECT_EQ(siteButton(form(), 5)->toolTip(), QStringLiteral("サイト #6"));
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl1")->tabCaption(1),
              QStringLiteral("現在開催中のオークション"));
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(2), QStringLiteral("KEY #3"));
    ASSERT_EQ(formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItemCount(), 1);
    EXPECT_EQ(formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0)->shown(),
              QStringLiteral("検索キーワード"));
    EXPECT_EQ(KeywordTreeView::itemPicture(formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0)), 1);
    EXPECT_EQ(formControl<StatusBar>(form(), "StatusBar1")->panelText(0), QStringLiteral("現在のURL :"));
    EXPECT_EQ(faucItem(form(), 9)->text(), QStringLiteral("1&0."));
    EXPECT_EQ(formControl<QAction>(form(), "N18")->text(), QStringLiteral("Palvetホームページへ(&M)"));
    EXPECT_EQ(formControl<QMenu>(form(), "PopupMenu1")->actions().size(), 8);

    // Without a settings file every band starts a row of its own, in the order of their IDs.
    CoolBar& bands = *formControl<CoolBar>(form(), "CoolBar1");
    ASSERT_EQ(bands.bandCount(), 6);
    for (int position = 0; position < 6; ++position) {
        EXPECT_EQ(bands.bandIdAt(position), position);
        EXPECT_TRUE(bands.breakAt(position)) << position;
    }
    EXPECT_EQ(bands.bandChild(4), formControl<QToolBar>(form(), "ToolBar2"));
    EXPECT_EQ(bands.bandChild(5), formControl<QToolBar>(form(), "ToolBar4"));
}

TEST_F(MainWindow, StartUpCreatesTheHiddenProgressBarAndOpensTheHelpPage)
{
    start();
    ASSERT_NE(formControl<QProgressBar>(form(), "ProgressBar1"), nullptr);
    EXPECT_EQ(formControl<QProgressBar>(form(), "ProgressBar1")->parentWidget(),
              formControl<StatusBar>(form(), "StatusBar1"));
    EXPECT_TRUE(formControl<QProgressBar>(form(), "ProgressBar1")->isHidden());
    ASSERT_FALSE(browser->navigations.isEmpty());
    EXPECT_EQ(browser->navigations.front(), QString::fromStdString(folder.folder() + "/HELP/index.htm"));
    EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 0);
    EXPECT_FALSE(form().SettingsReset);
    EXPECT_EQ(formControl<Animate>(form(), "Animate1")->frameCount(), 4);
    EXPECT_EQ(formControl<Animate>(form(), "Animate1")->currentFrame(), 1);
}

TEST_F(MainWindow, EveryViewItemReappliesAllSevenVisibilities)
{
    start();
    form().show();
    TForm1& f = form();
    const std::array<QAction*, 7> items = viewMarks(f);
    const std::array<QWidget*, 7> bars = viewBars(f);
    for (QAction* item : items)
        item->setChecked(false);
    // Choosing one item toggles its own mark and applies every mark, not only its own.
    formControl<QAction>(f, "N3")->trigger();
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(bars[i]->isVisible(), i == 1) << i;
    EXPECT_FALSE(formControl<QSplitter>(f, "Splitter2")->handle(1)->isVisible());
    EXPECT_EQ(formControl<CoolBar>(f, "CoolBar1")->rowCount(), 1);
    EXPECT_TRUE(formControl<CoolBar>(f, "CoolBar1")->bandRect(1).isEmpty());

    for (QAction* item : items)
        item->setChecked(true);
    formControl<QAction>(f, "N22")->setChecked(false);
    formControl<QAction>(f, "N22")->trigger();
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(bars[i]->isVisible()) << i;
    EXPECT_TRUE(formControl<QSplitter>(f, "Splitter2")->handle(1)->isVisible());
    EXPECT_EQ(formControl<CoolBar>(f, "CoolBar1")->rowCount(), 6);
}

TEST_F(MainWindow, ChecksMadeBeforeTheFirstActivationApplyOnlyThen)
{
    start();
    formControl<QAction>(form(), "N4")->setChecked(false);
    form().show();
    EXPECT_TRUE(formControl<QToolBar>(form(), "ToolBar3")->isVisible());
    form().FormActivate();
    EXPECT_FALSE(formControl<QToolBar>(form(), "ToolBar3")->isVisible());
}

TEST_F(MainWindow, StatusBarResizePlacesTheProgressBarOverPanel2)
{
    start();
    formControl<StatusBar>(form(), "StatusBar1")->resize(600, 19);
    form().browserPane().StatusBar1Resize();
    EXPECT_EQ(formControl<StatusBar>(form(), "StatusBar1")->panelWidth(1), 403);
    const QRect bar = formControl<QProgressBar>(form(), "ProgressBar1")->geometry();
    EXPECT_EQ(bar.left(), 470);
    EXPECT_EQ(bar.width(), 98);
    EXPECT_EQ(bar.top(), 2);
    EXPECT_EQ(bar.height(), 17);
}

TEST_F(MainWindow, AnEscapedErrorIsShownAndTheProgramGoesOn)
{
    start();
    int calls = 0;
    EXPECT_FALSE(form().guarded([&] {
        ++calls;
        throw FileOpenError("/x/ribemo.fal");
    }));
    EXPECT_TRUE(form().guarded([&] { ++calls; }));
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("Ribemo☆オークション相場チェック"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("ファイル /x/ribemo.fal "
                                                    "は開けません。その内容は表示されませんが、ファイルはそのまま残りま"
                                                    "す。内容を変更するまでファイルには書き込みません."));

    form().guarded([] { throw 42; });  // not an error object: an empty message
    EXPECT_EQ(dialogs.shown.back().text, QString());
}

TEST(ErrorBoxText, FullStopUnlessTheLastCharacterSortsAtOrBeforeIt)
{
    EXPECT_EQ(errorBoxText(QStringLiteral("abc")), QStringLiteral("abc."));
    EXPECT_EQ(errorBoxText(QStringLiteral("abc.")), QStringLiteral("abc."));
    EXPECT_EQ(errorBoxText(QStringLiteral("(1)")), QStringLiteral("(1)"));
    EXPECT_EQ(errorBoxText(QStringLiteral("番号 (0)")), QStringLiteral("番号 (0)"));
    EXPECT_EQ(errorBoxText(QStringLiteral("開けません")), QStringLiteral("開けません."));
    EXPECT_EQ(errorBoxText(QString()), QString());
}

TEST_F(MainWindow, X1ClosesThroughTheCloseSequence)
{
    start();
    form().show();
    formControl<QAction>(form(), "X1")->trigger();
    EXPECT_FALSE(form().isVisible());
}

TEST(ErrorMessages, TheProgramsOwnErrorsInJapanese)
{
    const QString rest = QStringLiteral(
        "。この行から後の %1 行はツリーに表示されませんが、失われません。"
        "ツリーを保存するときに、ツリーの後ろにそのまま書き戻します");
    EXPECT_EQ(errorMessage(TreeDepthError(2, "B")),
              QStringLiteral("アイテム \"B\" の階層 (2) が不正です") + rest.arg(1));
    // A keyword that itself holds "%2" or "%3" keeps it.
    EXPECT_EQ(errorMessage(TreeDepthError(3, "50%2off%3", 4)),
              QStringLiteral("アイテム \"50%2off%3\" の階層 (3) が不正です") + rest.arg(4));
    EXPECT_EQ(errorMessage(ProfileWriteError("/p/ribemo.ini")), QStringLiteral("/p/ribemo.ini に書き込めません"));
    EXPECT_EQ(errorMessage(FileCreateError("/p/ribemo.ask2")),
              QStringLiteral("ファイル /p/ribemo.ask2 を作成できません"));
    EXPECT_EQ(errorMessage(ListIndexError(0)), QStringLiteral("リストのインデックスが範囲を超えています (0)"));
}
