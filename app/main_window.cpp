// The main window's lifecycle: construction, start-up, activation, the View menu, the status bar
// layout and the close sequence.
#include "app/main_window.h"

#include "browser/web_browser.h"
#include "files/companion_paths.h"
#include "keywords/keyword_tree_view.h"
#include "pane/app_message_filter.h"
#include "text/sjis_text.h"
#include "watched/auction_list_view.h"
#include "widgets/animate.h"
#include "widgets/cool_bar.h"
#include "widgets/dialogs.h"
#include "widgets/splitter_pane.h"
#include "widgets/status_bar.h"
#include "widgets/tab_control.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

TForm1::TForm1(const ProgramServices& services) : services_(services)
{
    buildLayout();
    connectHandlers();
    setUpSearchInput();
    setUpKeywordTree();
    setUpWatchedList();
    setUpBrowserKeys();
    setUpDownloads();
    Settings = SettingsRecord{};
    qApp->installEventFilter(new AppMessageFilter(*CppWebBrowser1, this));
}

TForm1::~TForm1() = default;

void TForm1::attachDialogs(TAboutBox* aboutBox, TOptionDlg* optionDlg, TFavAucDlg* favAucDlg)
{
    AboutBox = aboutBox;
    OptionDlg = optionDlg;
    FavAucDlg = favAucDlg;
}

void TForm1::FormCreate()
{
    // Each file step runs in its own guard: a file that cannot be read is reported, and start-up
    // still reaches the tab index, the progress bar and the help page.
    guarded([this] { LoadSettings(); });
    SettingsReset = false;
    Animate1->Open(QStringLiteral("navi1"), 45, 100);
    guarded([this] { LoadWatchedList(); });
    guarded([this] { LoadFirstKeywordTab(); });
    CurrentKeyTab = 0;
    OleInitialize();
    ProgressBar1 = new QProgressBar(StatusBar1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    StatusBar1Resize();
    CppWebBrowser1->Navigate(QFile::decodeName(QByteArray::fromStdString(helpPagePath(executablePath()))));
}

void TForm1::FormActivate() { N2Click(); }

void TForm1::N2Click()
{
    ToolBar1->setVisible(N2->isChecked());
    ToolBar2->setVisible(N3->isChecked());
    ToolBar3->setVisible(N4->isChecked());
    ToolBar4->setVisible(N16->isChecked());
    ToolBar5->setVisible(N17->isChecked());
    ToolBar6->setVisible(N21->isChecked());
    // The strip and its splitter go together.
    Panel2->setVisible(N22->isChecked());
    Splitter2->handle(1)->setVisible(N22->isChecked());
}

void TForm1::StatusBar1Resize()
{
    StatusBar1->setPanelWidth(1, StatusBar1->width() - 197);
    if (!ProgressBar1)
        return;
    ProgressBar1->setGeometry(StatusBar1->panelWidth(1) + 67, 2, StatusBar1->panelWidth(2) - 2,
                              StatusBar1->height() - 2);
}

void TForm1::X1Click() { close(); }

void TForm1::FormClose()
{
    // However the close was asked for (menu, close box), an edit still open is part of the data.
    commitOpenEdits();
    if (!SettingsReset)
        SaveSettings();
    SaveWatchedList();
    SaveShownKeywordTree();
    OleUninitialize();
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        guarded([this] { FormActivate(); });
    return QMainWindow::event(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (sessionEnded_ || guarded([this] { FormClose(); }) || quitWithoutSaving())
        event->accept();
    else
        event->ignore();
}

bool TForm1::quitWithoutSaving()
{
    // While the cause of the error lasts every close would fail the same way; the user must still
    // be able to leave. No is the default: the window stays open, as after any failed close.
    const auto answer = dialogs().ask(this, QMessageBox::Warning, QStringLiteral("警告"),
                                      QStringLiteral("保存できなかったファイルがあります。\r\n"
                                                     "残りを保存せずに終了しますか？"),
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void TForm1::connectHandlers()
{
    for (QAction* item : {N2, N3, N4, N16, N17, N21, N22})
        connectHandler(item, &QAction::triggered, &TForm1::N2Click);
    connectHandler(X1, &QAction::triggered, &TForm1::X1Click);
    connectHandler(StatusBar1, &StatusBar::resized, &TForm1::StatusBar1Resize);

    connectHandler(Button1, &QPushButton::clicked, &TForm1::Button1Click);
    connectHandler(TabControl1, &TabControl::Change, &TForm1::TabControl1Change);
    connectHandler(ToolButton5, &QToolButton::clicked, &TForm1::ToolButton5Click);
    connectHandler(ToolButton6, &QToolButton::clicked, &TForm1::ToolButton6Click);
    void (TForm1::*siteHandlers[6])() = {&TForm1::ToolButton8Click,  &TForm1::ToolButton9Click,
                                         &TForm1::ToolButton10Click, &TForm1::ToolButton11Click,
                                         &TForm1::ToolButton12Click, &TForm1::ToolButton13Click};
    for (size_t k = 0; k < 6; ++k)
        connectHandler(SiteButtons[k], &QToolButton::clicked, siteHandlers[k]);
    connectHandler(Yahoo1, &QAction::triggered, &TForm1::Yahoo1Click);
    connectHandler(Bidders1, &QAction::triggered, &TForm1::Bidders1Click);

    connectHandler(ToolButton1, &QToolButton::clicked, &TForm1::ToolButton1Click);
    connectHandler(ToolButton2, &QToolButton::clicked, &TForm1::ToolButton2Click);
    connectHandler(ToolButton7, &QToolButton::clicked, &TForm1::ToolButton7Click);
    connectHandler(ToolButton3, &QToolButton::clicked, &TForm1::ToolButton3Click);
    connectHandler(ToolButton4, &QToolButton::clicked, &TForm1::ToolButton4Click);
    connectHandler(Button2, &QPushButton::clicked, &TForm1::Button2Click);
    connect(CppWebBrowser1, &TCppWebBrowser::BeforeNavigate2, this,
            [this](const QString& url) { guarded([&] { CppWebBrowser1BeforeNavigate2(url); }); });
    connectHandler(CppWebBrowser1, &TCppWebBrowser::DownloadBegin, &TForm1::CppWebBrowser1DownloadBegin);
    connect(CppWebBrowser1, &TCppWebBrowser::ProgressChange, this, [this](int progress, int progressMax) {
        guarded([&] { CppWebBrowser1ProgressChange(progress, progressMax); });
    });
    connectHandler(CppWebBrowser1, &TCppWebBrowser::DownloadComplete, &TForm1::CppWebBrowser1DownloadComplete);

    connectHandler(N12, &QAction::triggered, &TForm1::N12Click);
    connectHandler(N13, &QAction::triggered, &TForm1::N13Click);
    connectHandler(H2, &QAction::triggered, &TForm1::H2Click);
    connectHandler(N18, &QAction::triggered, &TForm1::N18Click);
    connectHandler(V1, &QAction::triggered, &TForm1::V1Click);

    connectHandler(TabControl2, &TabControl::Change, &TForm1::TabControl2Change);
    connectHandler(N24, &QAction::triggered, &TForm1::N24Click);
    connectHandler(N25, &QAction::triggered, &TForm1::N25Click);
    connectHandler(N6, &QAction::triggered, &TForm1::N6Click);
    connectHandler(N7, &QAction::triggered, &TForm1::N7Click);
    connectHandler(N8, &QAction::triggered, &TForm1::N8Click);
    connectHandler(N10, &QAction::triggered, &TForm1::N10Click);
    TreeView1->onMouseDown = [this](Qt::MouseButton button, const QPoint& pos) {
        guarded([&] { TreeView1MouseDown(button, pos); });
    };
    TreeView1->onDoubleClick = [this] { guarded([this] { TreeView1DblClick(); }); };
    TreeView1->onDragOver = [this](const QPoint& pos, bool fromTree) {
        bool accept = false;
        guarded([&] { accept = TreeView1DragOver(pos, fromTree); });
        return accept;
    };
    TreeView1->onDragDrop = [this](const QPoint& pos, bool fromTree) {
        guarded([&] { TreeView1DragDrop(pos, fromTree); });
    };
    connect(TreeView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(TreeView1->viewport()->mapToGlobal(pos)); });

    connectHandler(A1, &QAction::triggered, &TForm1::A1Click);
    connectHandler(Button3, &QPushButton::clicked, &TForm1::A1Click);
    void (TForm1::*openHandlers[10])() = {
        &TForm1::Fauc1Click, &TForm1::Fauc2Click, &TForm1::Fauc3Click, &TForm1::Fauc4Click, &TForm1::Fauc5Click,
        &TForm1::Fauc6Click, &TForm1::Fauc7Click, &TForm1::Fauc8Click, &TForm1::Fauc9Click, &TForm1::Fauc10Click};
    for (size_t n = 0; n < 10; ++n)
        connectHandler(Fauc[n], &QAction::triggered, openHandlers[n]);
    connectHandler(FavAucList, &QTableWidget::itemDoubleClicked, &TForm1::FavAucListDblClick);
    connectHandler(FavAucList, &AuctionListView::resized, &TForm1::FavAucListResize);
    connectHandler(C1, &QAction::triggered, &TForm1::C1Click);
    connectHandler(Button4, &QPushButton::clicked, &TForm1::C1Click);
    connectHandler(N5, &QAction::triggered, &TForm1::N5Click);
    // Enter in the two boxes: their key handlers are called from the key filter of search/.
}

std::string TForm1::keywordText() const { return bytesOfShownText(ComboBox1->currentText(), keywordBytes_); }

void TForm1::setKeywordText(const std::string& keyword)
{
    keywordBytes_ = keyword;
    ComboBox1->setEditText(fromSjis(keyword));
}

void TForm1::navigateTo(const std::string& address) { CppWebBrowser1->Navigate(fromSjis(address)); }

int TForm1::treeWidth() const { return treePane_ ? treePane_->size() : Splitter1->sizes().value(0); }

void TForm1::setTreeWidth(int width)
{
    if (!treePane_)
        treePane_ = new SplitterPane(Splitter1, 0);
    treePane_->setSize(width);
}

int TForm1::favListHeight() const { return favListPane_ ? favListPane_->size() : Splitter2->sizes().value(1); }

void TForm1::setFavListHeight(int height)
{
    if (!favListPane_)
        favListPane_ = new SplitterPane(Splitter2, 1);
    favListPane_->setSize(height);
}
