// The main window's fixed layout: menus, the six bands, the panes and the status bar.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "keywords/keyword_tabs.h"
#include "keywords/keyword_tree_view.h"
#include "pane/browser_pane.h"
#include "pane/find_bar.h"
#include "search/search_bar.h"
#include "text/sjis_text.h"
#include "watched/auction_list_view.h"
#include "watched/watched_list.h"
#include "widgets/animate.h"
#include "widgets/application_title.h"
#include "widgets/cool_bar.h"
#include "widgets/layout_helpers.h"
#include "widgets/picture_lists.h"
#include "widgets/splitter_pane.h"
#include "widgets/status_bar.h"
#include "widgets/tab_control.h"
#include "widgets/window_fit.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

constexpr int kMinimumWindowWidth = 480;
// The page in the pane stays readable down to this; below the comfortable height the strip gives
// its height up first.
constexpr int kMinimumPaneHeight = 120;
constexpr int kComfortablePaneHeight = 160;

}  // namespace

void TForm1::buildLayout()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    setWindowIcon(programIcon());
    setGeometry(288, 135, 882, 799);
    // Narrow enough for a 640-pixel screen. The least height follows from the parts (the band rows
    // shown, the pane's least height, the strip's buttons), so it is left to the layout.
    setMinimumWidth(kMinimumWindowWidth);
    ImageList1 = navigationPictures();
    ImageList2 = keywordTreePictures();
    ImageList3 = userSitePictures();

    buildMenus();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    CoolBar1 = named(new CoolBar(central), "CoolBar1");
    column->addWidget(CoolBar1);
    buildBands();
    buildPanes();
    column->addWidget(Splitter1, 1);
    StatusBar1 = buildPaneStatusBar();
    column->addWidget(StatusBar1);
    setCentralWidget(central);
}

void TForm1::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    F1 = named(bar->addMenu(QStringLiteral("ファイル(&F)")), "F1");
    N12 = addMenuItem(F1, "N12", QStringLiteral("Ribemo をもう１つ起動(&N)"),
                      QStringLiteral("Ribemoを別にもう１つ起動します"));
    N13 = addMenuItem(F1, "N13", QStringLiteral("標準のWebブラウザで表示(&I)"),
                      QStringLiteral("現在のURLをＩＥを起動して表示します"));
    N14 = addMenuSeparator(F1, "N14");
    X1 = addMenuItem(F1, "X1", QStringLiteral("終了(&X)"), QStringLiteral("Ribemoを終了します"));

    N1 = named(bar->addMenu(QStringLiteral("表示(&V)")), "N1");
    N2 = addCheckMenuItem(N1, "N2", QStringLiteral("検索バー"));
    N3 = addCheckMenuItem(N1, "N3", QStringLiteral("ナビバー"));
    N4 = addCheckMenuItem(N1, "N4", QStringLiteral("サイトバー"));
    N16 = addCheckMenuItem(N1, "N16", QStringLiteral("アドレスバー"));
    N17 = addCheckMenuItem(N1, "N17", QStringLiteral("アニメートバー"));
    N21 = addCheckMenuItem(N1, "N21", QStringLiteral("サイトバー 2"));
    N20 = addMenuSeparator(N1, "N20");
    N22 = addCheckMenuItem(N1, "N22", QStringLiteral("注目のオークション"));

    L1 = named(bar->addMenu(QStringLiteral("注目のオークション(&L)")), "L1");
    A1 = addMenuItem(L1, "A1", QStringLiteral("注目のオークションに追加(&A)"));
    C1 = addMenuItem(L1, "C1", QStringLiteral("注目のオークションの整理(&C)..."));
    N19 = addMenuSeparator(L1, "N19");
    for (int n = 1; n <= 10; ++n) {
        Fauc[static_cast<size_t>(n - 1)] = L1->addAction(QStringLiteral("%1.").arg(n));
        Fauc[static_cast<size_t>(n - 1)]->setObjectName(QStringLiteral("Fauc%1").arg(n));
    }

    T1 = named(bar->addMenu(QStringLiteral("ツール(&T)")), "T1");
    addMenuItem(T1, "PriceMemos1", QStringLiteral("相場メモ(&P)..."));  // wired with its feature
    addMenuSeparator(T1, "N26");
    N24 = addMenuItem(T1, "N24", QStringLiteral("キーワードツリーのバックアップ"));
    N25 = addMenuItem(T1, "N25", QStringLiteral("キーワードツリーのレストア"));
    N23 = addMenuSeparator(T1, "N23");
    N5 = addMenuItem(T1, "N5", QStringLiteral("オプション設定(&O)..."),
                     QStringLiteral("オプション設定ダイアログを表示します"));

    H1 = named(bar->addMenu(QStringLiteral("ヘルプ(&H)")), "H1");
    H2 = addMenuItem(H1, "H2", QStringLiteral("取扱説明の表示(&C)"));
    N18 = addMenuItem(H1, "N18", QStringLiteral("Palvetホームページへ(&M)"));
    N11 = addMenuSeparator(H1, "N11");
    V1 = addMenuItem(H1, "V1", QStringLiteral("バージョン情報(&A)"));
}

void TForm1::buildBands()
{
    // Band IDs follow the order the bands are added in; the settings address them by these IDs.
    const SearchBarWidgets search = buildSearchBar(ImageList1, ImageList3);
    std::tie(ToolBar1, Label1, ComboBox1, Button1, ToolBar3, ToolButton5, ToolButton6, ToolBar6) =
        std::tuple(search.ToolBar1, search.Label1, search.ComboBox1, search.Button1, search.ToolBar3,
                   search.ToolButton5, search.ToolButton6, search.ToolBar6);
    SiteButtons = search.SiteButtons;
    const BrowserPaneWidgets pane = buildBrowserPaneBars(ImageList1);
    std::tie(ToolBar5, Animate1, ToolBar2, ToolButton1, ToolButton2, ToolButton7, ToolButton3, ToolButton4) =
        std::tuple(pane.ToolBar5, pane.Animate1, pane.ToolBar2, pane.ToolButton1, pane.ToolButton2, pane.ToolButton7,
                   pane.ToolButton3, pane.ToolButton4);
    std::tie(ToolBar4, Label2, ComboBox2, Button2) =
        std::tuple(pane.ToolBar4, pane.Label2, pane.ComboBox2, pane.Button2);

    // ID, bar, minimum height, design width, starts a row, border.
    CoolBar1->addBand(ToolBar1, 22, 433, true, true);
    CoolBar1->addBand(ToolBar3, 22, 221, false, true);
    CoolBar1->addBand(ToolBar6, 22, 151, false, false);
    CoolBar1->addBand(ToolBar5, 20, 59, false, true);
    CoolBar1->addBand(ToolBar2, 22, 299, true, true);
    CoolBar1->addBand(ToolBar4, 22, 569, false, true);
    // A band made narrower than its bar first narrows the box in it, so its button stays in view.
    CoolBar1->setShrinkableBox(0, ComboBox1, 120);
    CoolBar1->setShrinkableBox(5, ComboBox2, 120);
}

void TForm1::buildPanes()
{
    Splitter1 = named(new QSplitter(Qt::Horizontal), "Splitter1");
    Splitter1->setHandleWidth(2);
    Splitter1->setChildrenCollapsible(false);

    const KeywordTabsWidgets keywords = buildKeywordPane(this, ImageList2, ImageList1);
    std::tie(TabControl2, TreeView1, PopupMenu1, N6, N7, N8, N9, N10, N15, Yahoo1, Bidders1) =
        std::tuple(keywords.TabControl2, keywords.TreeView1, keywords.PopupMenu1, keywords.N6, keywords.N7, keywords.N8,
                   keywords.N9, keywords.N10, keywords.N15, keywords.Yahoo1, keywords.Bidders1);

    Panel1 = named(new QWidget, "Panel1");
    auto* panel1Layout = new QVBoxLayout(Panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    Splitter2 = named(new QSplitter(Qt::Vertical), "Splitter2");
    Splitter2->setHandleWidth(2);
    Splitter2->setChildrenCollapsible(false);
    panel1Layout->addWidget(Splitter2);

    TabControl1 = named(new TabControl(QStringLiteral("検索結果のタブ")), "TabControl1");
    TabControl1->addTab(QStringLiteral("最近落札されたオークション"));
    TabControl1->addTab(QStringLiteral("現在開催中のオークション"));
    CppWebBrowser1 = named(services_.browser, "CppWebBrowser1");
    auto* paneColumn = new QWidget;
    auto* paneLayout = new QVBoxLayout(paneColumn);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    paneLayout->addWidget(CppWebBrowser1, 1);
    FindBar1 = named(new FindBar, "FindBar1");  // hidden until Ctrl+F
    paneLayout->addWidget(FindBar1);
    TabControl1->setContent(paneColumn);
    TabControl1->setMinimumHeight(kMinimumPaneHeight);

    const WatchedListWidgets watched = buildWatchedStrip();
    std::tie(Panel2, FavAucList, Panel3, Button3, Button4) =
        std::tuple(watched.Panel2, watched.FavAucList, watched.Panel3, watched.Button3, watched.Button4);

    Splitter2->addWidget(TabControl1);
    Splitter2->addWidget(Panel2);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);
    // A window made small takes the height from the strip first: the page is what the user reads.
    letSecondPaneGiveWay(Splitter2, kComfortablePaneHeight);
    Splitter1->addWidget(TabControl2);
    Splitter1->addWidget(Panel1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    treePane_ = new SplitterPane(Splitter1, 0);
    treePane_->setSize(201);
    favListPane_ = new SplitterPane(Splitter2, 1);
    favListPane_->setSize(92);
}
