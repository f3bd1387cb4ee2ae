// The main window's lifecycle: construction, start-up, activation, the View menu, the status bar
// layout and the close sequence.
#include "app/main_window.h"

#include "app/folder_check.h"
#include "app/session_end.h"
#include "browser/web_browser.h"
#include "help/launches.h"
#include "keywords/keyword_tabs.h"
#include "pane/browser_pane.h"
#include "search/search_bar.h"
#include "settings/settings_store.h"
#include "watched/watched_list.h"
#include "widgets/animate.h"
#include "widgets/dialogs.h"

#include <QCloseEvent>
#include <QSplitter>
#include <QToolBar>

TForm1::TForm1(const ProgramServices& services)
    : services_(services), guard_(*services.dialogs, this), conflicts_(*services.dialogs, this)
{
    buildLayout();
    createFeatures();
    wireFeatures();
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
    guarded([this] { watched_->LoadWatchedList(); });
    guarded([this] { keywords_->LoadFirstKeywordTab(); });
    OleInitialize();
    pane_->createProgressBar();
    CppWebBrowser1->Navigate(helpPageAddress(executablePath()));
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

void TForm1::X1Click() { close(); }

void TForm1::FormClose()
{
    // However the close was asked for (menu, close box), an edit still open is part of the data.
    commitOpenEdits();
    std::vector<UnsavedFile> failures = saveEveryFile();
    if (!failures.empty())
        throw UnsavedFiles(std::move(failures));
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
    if (!sessionEnded_ && !pane_->mayCloseDuringDownloads()) {
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
                // One box names every file that could not be written, each with why, and offers
                // to keep what they were to hold elsewhere.
                reportUnsavedFiles(dialogs(), this, unsaved);
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
