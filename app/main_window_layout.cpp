// The main window's fixed layout: menus, the six bands, the panes and the status bar.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "keywords/keyword_tree_view.h"
#include "pane/find_bar.h"
#include "text/sjis_text.h"
#include "watched/auction_list_view.h"
#include "widgets/animate.h"
#include "widgets/application_title.h"
#include "widgets/cool_bar.h"
#include "widgets/picture_lists.h"
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

namespace {

constexpr int kMinimumWindowWidth = 480;
// The page in the pane stays readable down to this; below the comfortable height the strip gives
// its height up first.
constexpr int kMinimumPaneHeight = 120;
constexpr int kComfortablePaneHeight = 160;

QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QString& hint = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);  // kept with the item; the window shows no hints
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* addCheckItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = addItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

QToolBar* makeToolBar(const char* name)
{
    auto* bar = new QToolBar;
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setContentsMargins(0, 0, 0, 0);
    bar->layout()->setSpacing(0);
    bar->layout()->setContentsMargins(0, 0, 0, 0);
    // The band draws the frame and the grip; the bar itself adds no border or padding, so the
    // bands keep close to the widths they were laid out with.
    bar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"));
    return bar;
}

QToolButton* makeToolButton(QToolBar* bar, const char* name, const QString& caption, const QIcon& icon,
                            Qt::ToolButtonStyle style)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(icon);
    button->setToolButtonStyle(style);
    button->setAutoRaise(true);
    button->setFixedHeight(22);
    bar->addWidget(button);
    return button;
}

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

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
    buildStatusBar();
    column->addWidget(StatusBar1);
    setCentralWidget(central);
}

void TForm1::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    F1 = named(bar->addMenu(QStringLiteral("ファイル(&F)")), "F1");
    N12 = addItem(F1, "N12", QStringLiteral("Ribemo をもう１つ起動(&N)"),
                  QStringLiteral("Ribemoを別にもう１つ起動します"));
    N13 = addItem(F1, "N13", QStringLiteral("標準のWebブラウザで表示(&I)"),
                  QStringLiteral("現在のURLをＩＥを起動して表示します"));
    N14 = addSeparator(F1, "N14");
    X1 = addItem(F1, "X1", QStringLiteral("終了(&X)"), QStringLiteral("Ribemoを終了します"));

    N1 = named(bar->addMenu(QStringLiteral("表示(&V)")), "N1");
    N2 = addCheckItem(N1, "N2", QStringLiteral("検索バー"));
    N3 = addCheckItem(N1, "N3", QStringLiteral("ナビバー"));
    N4 = addCheckItem(N1, "N4", QStringLiteral("サイトバー"));
    N16 = addCheckItem(N1, "N16", QStringLiteral("アドレスバー"));
    N17 = addCheckItem(N1, "N17", QStringLiteral("アニメートバー"));
    N21 = addCheckItem(N1, "N21", QStringLiteral("サイトバー 2"));
    N20 = addSeparator(N1, "N20");
    N22 = addCheckItem(N1, "N22", QStringLiteral("注目のオークション"));

    L1 = named(bar->addMenu(QStringLiteral("注目のオークション(&L)")), "L1");
    A1 = addItem(L1, "A1", QStringLiteral("注目のオークションに追加(&A)"));
    C1 = addItem(L1, "C1", QStringLiteral("注目のオークションの整理(&C)..."));
    N19 = addSeparator(L1, "N19");
    for (int n = 1; n <= 10; ++n) {
        QAction* item = L1->addAction(QStringLiteral("%1.").arg(n));
        item->setObjectName(QStringLiteral("Fauc%1").arg(n));
        Fauc[static_cast<size_t>(n - 1)] = item;
    }

    T1 = named(bar->addMenu(QStringLiteral("ツール(&T)")), "T1");
    N24 = addItem(T1, "N24", QStringLiteral("キーワードツリーのバックアップ"));
    N25 = addItem(T1, "N25", QStringLiteral("キーワードツリーのレストア"));
    N23 = addSeparator(T1, "N23");
    N5 = addItem(T1, "N5", QStringLiteral("オプション設定(&O)..."),
                 QStringLiteral("オプション設定ダイアログを表示します"));

    H1 = named(bar->addMenu(QStringLiteral("ヘルプ(&H)")), "H1");
    H2 = addItem(H1, "H2", QStringLiteral("取扱説明の表示(&C)"));
    N18 = addItem(H1, "N18", QStringLiteral("Palvetホームページへ(&M)"));
    N11 = addSeparator(H1, "N11");
    V1 = addItem(H1, "V1", QStringLiteral("バージョン情報(&A)"));

    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    N6 = addItem(PopupMenu1, "N6", QStringLiteral("現在のキーワードを登録する"));
    N7 = addItem(PopupMenu1, "N7", QStringLiteral("新しいキーワードを作る"));
    N8 = addItem(PopupMenu1, "N8", QStringLiteral("キーワードを削除する"));
    N9 = addSeparator(PopupMenu1, "N9");
    N10 = addItem(PopupMenu1, "N10", QStringLiteral("項目をソートする"));
    N15 = addSeparator(PopupMenu1, "N15");
    Yahoo1 = addItem(PopupMenu1, "Yahoo1", QStringLiteral("Yahoo!オークションで検索"));
    Yahoo1->setIcon(ImageList1.at(5));
    Bidders1 = addItem(PopupMenu1, "Bidders1", QStringLiteral("Biddersで検索"));
    Bidders1->setIcon(ImageList1.at(6));
}

void TForm1::buildBands()
{
    // Band IDs follow the order the bands are added in; the settings address them by these IDs.
    ToolBar1 = makeToolBar("ToolBar1");
    Label1 = named(new QLabel(QStringLiteral("キーワード　")), "Label1");
    Label1->setFixedWidth(63);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ComboBox1 = named(new QComboBox, "ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setCompleter(nullptr);  // the keyword box never completes
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setFixedWidth(306);
    Button1 = named(new QPushButton(QStringLiteral("検索")), "Button1");
    Button1->setFixedSize(48, 22);
    ToolBar1->addWidget(Label1);
    ToolBar1->addWidget(ComboBox1);
    ToolBar1->addWidget(Button1);

    ToolBar3 = makeToolBar("ToolBar3");
    ToolButton5 = makeToolButton(ToolBar3, "ToolButton5", QStringLiteral("Yahoo!オークション"), ImageList1.at(5),
                                 Qt::ToolButtonTextBesideIcon);
    ToolButton6 = makeToolButton(ToolBar3, "ToolButton6", QStringLiteral("BIDDERS"), ImageList1.at(6),
                                 Qt::ToolButtonTextBesideIcon);

    ToolBar6 = makeToolBar("ToolBar6");
    for (int k = 0; k < 6; ++k) {
        const QByteArray name = QByteArray("ToolButton") + QByteArray::number(8 + k);
        QToolButton* button =
            makeToolButton(ToolBar6, name.constData(), QString(), ImageList3.at(k), Qt::ToolButtonIconOnly);
        button->setFixedWidth(23);
        button->setToolTip(QStringLiteral("サイト #%1").arg(k + 1));
        SiteButtons[static_cast<size_t>(k)] = button;
    }

    ToolBar5 = makeToolBar("ToolBar5");
    Animate1 = named(new Animate, "Animate1");
    Animate1->setFixedSize(45, 20);
    ToolBar5->addWidget(Animate1);

    ToolBar2 = makeToolBar("ToolBar2");
    ToolButton1 =
        makeToolButton(ToolBar2, "ToolButton1", QStringLiteral("戻る"), ImageList1.at(0), Qt::ToolButtonTextBesideIcon);
    ToolButton1->setToolTip(QStringLiteral("前のドキュメントに戻る"));
    ToolButton2 =
        makeToolButton(ToolBar2, "ToolButton2", QStringLiteral("進む"), ImageList1.at(1), Qt::ToolButtonTextBesideIcon);
    ToolButton2->setToolTip(QStringLiteral("次のドキュメントに進む"));
    ToolButton7 =
        makeToolButton(ToolBar2, "ToolButton7", QStringLiteral("中止"), ImageList1.at(4), Qt::ToolButtonTextBesideIcon);
    ToolButton3 =
        makeToolButton(ToolBar2, "ToolButton3", QStringLiteral("更新"), ImageList1.at(2), Qt::ToolButtonTextBesideIcon);
    ToolButton3->setToolTip(QStringLiteral("現在表示されているページを再読込"));
    ToolButton4 = makeToolButton(ToolBar2, "ToolButton4", QStringLiteral("ホーム"), ImageList1.at(3),
                                 Qt::ToolButtonTextBesideIcon);
    ToolButton4->setToolTip(QStringLiteral("普段使っているＩＥのホームへ移動"));

    ToolBar4 = makeToolBar("ToolBar4");
    Label2 = named(new QLabel(QStringLiteral("アドレス")), "Label2");
    Label2->setFixedWidth(49);
    ComboBox2 = named(new QComboBox, "ComboBox2");
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setFixedWidth(457);
    ComboBox2->completer()->setCompletionMode(QCompleter::InlineCompletion);
    ComboBox2->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    Button2 = named(new QPushButton(QStringLiteral("移動")), "Button2");
    Button2->setFixedSize(47, 22);
    ToolBar4->addWidget(Label2);
    ToolBar4->addWidget(ComboBox2);
    ToolBar4->addWidget(Button2);

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

    TabControl2 = named(new TabControl, "TabControl2");
    for (const char* caption : {"KEY #1", "KEY #2", "KEY #3"})
        TabControl2->addTab(QString::fromLatin1(caption));
    TreeView1 = named(new KeywordTreeView, "TreeView1");
    TreeView1->setPictures(ImageList2);
    TreeView1->nodes().insertNode(nullptr, 0, TreeView1->newNode(toSjis(QStringLiteral("検索キーワード")), 1));
    TabControl2->setContent(TreeView1);

    Panel1 = named(new QWidget, "Panel1");
    auto* panel1Layout = new QVBoxLayout(Panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    Splitter2 = named(new QSplitter(Qt::Vertical), "Splitter2");
    Splitter2->setHandleWidth(2);
    Splitter2->setChildrenCollapsible(false);
    panel1Layout->addWidget(Splitter2);

    TabControl1 = named(new TabControl, "TabControl1");
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

    Panel2 = named(new QWidget, "Panel2");
    auto* strip = new QHBoxLayout(Panel2);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    FavAucList = named(new AuctionListView(QStringLiteral("注目のオークションの表題"), 200), "FavAucList");
    strip->addWidget(FavAucList, 1);
    Panel3 = named(new QWidget, "Panel3");
    Panel3->setFixedWidth(70);
    Button3 = named(new QPushButton(QStringLiteral("追加"), Panel3), "Button3");
    Button3->setGeometry(8, 8, 59, 41);
    Button4 = named(new QPushButton(QStringLiteral("整理"), Panel3), "Button4");
    Button4->setGeometry(8, 56, 59, 25);
    // However small the strip is asked to be, 追加 and 整理 stay whole: the strip's layout holds
    // it at the column's height.
    Panel3->setMinimumHeight(Button4->geometry().bottom() + 4);
    strip->setSizeConstraint(QLayout::SetMinimumSize);
    strip->addWidget(Panel3);

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
    setTreeWidth(201);
    setFavListHeight(92);
}

void TForm1::buildStatusBar()
{
    StatusBar1 = named(new StatusBar, "StatusBar1");
    StatusBar1->addPanel(65, false, QStringLiteral("現在のURL :"));
    StatusBar1->addPanel(500, true, QString());
    StatusBar1->addPanel(100, true, QString());
}
