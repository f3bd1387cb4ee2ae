// Program entry: the application with its title, the four windows, the message loop.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/session_end.h"
#include "browser/engine_environment.h"
#include "browser/web_engine_browser.h"
#include "files/companion_paths.h"
#include "help/about_box.h"
#include "options/option_dlg.h"
#include "watched/fav_auc_dlg.h"
#include "widgets/dialogs.h"
#include "widgets/error_box.h"
#include "widgets/launcher.h"

#include <QApplication>
#include <QFile>

TForm1* Form1 = nullptr;
TAboutBox* AboutBox = nullptr;
TOptionDlg* OptionDlg = nullptr;
TFavAucDlg* FavAucDlg = nullptr;

int main(int argc, char** argv)
{
    prepareBrowserEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ribemo"));
    setUpApplication(app);

    MessageBoxDialogs dialogs;
    DesktopLauncher launcher;
    try {
        auto* browser = new WebEngineBrowser(persistentBrowserProfile());
        const std::string exePath = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
        ProgramServices services{browser, &dialogs, &launcher, exePath};
        ProgramWindows windows = createProgramWindows(services);
        Form1 = windows.form.get();
        AboutBox = windows.aboutBox;
        OptionDlg = windows.optionDlg;
        FavAucDlg = windows.favAucDlg;
        // The pane has no browser home of its own: home is the program's own help page.
        browser->setHomeAddress(QFile::decodeName(QByteArray::fromStdString(helpPagePath(exePath))));
        // From here a signal or the session's logout saves like a close.
        SessionEndWatch sessionEnd(*Form1, [] { QCoreApplication::exit(0); });
        Form1->show();
        app.exec();
    } catch (...) {
        showCurrentError(dialogs, nullptr);
    }
    return 0;
}
