// The main window's lifecycle: construction, start-up, activation, the View menu, the status bar
// layout and the close sequence.
#include "app/main_window.h"

#include "app/folder_check.h"
#include "app/session_end.h"
#include "browser/web_browser.h"
#include "files/companion_paths.h"
#include "keywords/keyword_tree_view.h"
#include "pane/app_message_filter.h"
#include "pane/download_status.h"
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

TForm1::TForm1(const ProgramServices& services) : services_(services)
{
    buildLayout();
    setUpLifecycle();
    setUpSearchInput();
    setUpNavigation();
    setUpBrowserKeys();
    setUpDownloads();
    setUpLaunches();
    setUpKeywordTree();
    setUpWatchedList();
    setUpOptions();
    Settings = SettingsRecord{};
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    // Each file step runs in its own guard: a file that cannot be read is reported, and start-up
    // still reaches the tab index, the progress bar and the help page.
    guarded([this] { warnIfFolderRefusesFiles(dialogs(), this, companionBase()); });
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

void TForm1::setUpLifecycle()
{
    for (QAction* item : {N2, N3, N4, N16, N17, N21, N22})
        connectHandler(item, &QAction::triggered, &TForm1::N2Click);
    connectHandler(X1, &QAction::triggered, &TForm1::X1Click);
    connectHandler(StatusBar1, &StatusBar::resized, &TForm1::StatusBar1Resize);
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
    const std::vector<QString> failures = saveEveryFile();
    if (!failures.empty())
        throw UnsavedFiles(failures);
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
    if (!sessionEnded_ && !mayCloseDuringDownloads(*CppWebBrowser1, dialogs(), this)) {
        event->ignore();
        return;
    }
    bool saved = sessionEnded_;
    if (!saved) {
        guarded([&] {
            try {
                FormClose();
                saved = true;
            } catch (const UnsavedFiles& unsaved) {
                // One box names every file that could not be written, each with why.
                showErrorBox(dialogs(), this, unsaved.message());
            }
        });
    }
    if (saved || quitWithoutSaving())
        event->accept();
    else
        event->ignore();
}

bool TForm1::quitWithoutSaving()
{
    // While the cause of the error lasts every close would fail the same way; the user must still
    // be able to leave. Every save has been tried by now, so leaving loses only what the box
    // before named. No is the default: the window stays open, as after any failed close.
    const auto answer = dialogs().ask(this, QMessageBox::Warning, QStringLiteral("警告"),
                                      QStringLiteral("保存できなかったファイルがあります。\r\n"
                                                     "保存せずに終了しますか？"),
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}
