// Start-up of Ribemo to its help page: the program's windows built as the program entry builds
// them, in the folder of this executable; exits as soon as the help page has loaded.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "bench/startup/resident_memory.h"
#include "browser/engine_environment.h"
#include "browser/web_engine_browser.h"
#include "widgets/dialogs.h"
#include "widgets/launcher.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    prepareBrowserEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ribemo-startup-bench"));
    setUpApplication(app);
    MessageBoxDialogs dialogs;
    DesktopLauncher launcher;
    auto* browser = new WebEngineBrowser(persistentBrowserProfile());
    QObject::connect(browser, &TCppWebBrowser::DownloadComplete, &app, [&app] {
        // Measured when the page is on show, before anything is torn down.
        std::printf("rss_kb %ld\n", residentKilobytes());
        std::fflush(stdout);
        QMetaObject::invokeMethod(&app, &QApplication::quit, Qt::QueuedConnection);
    });
    const std::string exePath = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    ProgramWindows windows = createProgramWindows(ProgramServices{browser, &dialogs, &launcher, exePath});
    windows.form->show();
    return app.exec();
}
