// Start-up of Ribemo to its help page: the program's windows built as the program entry builds
// them, the engine started behind the window as there, their files in a scratch folder of their
// own (with the help page beside them, and the keyword tree file and the price memo file given as
// arguments, if any). Once the help page has loaded it prints the memory of its process
// tree and ends at once: the close sequence, its saves and the teardown are no part of a start,
// and nothing is left behind. With RIBEMO_LAUNCHED_NS set (the launch time, in nanoseconds of the
// real-time clock) it ends instead as soon as the main window is on screen, printing how long
// after the launch that was (bench/startup/window_mapped.h).
#include "app/main_window.h"
#include "app/program_windows.h"
#include "bench/startup/resident_memory.h"
#include "bench/startup/window_mapped.h"
#include "browser/deferred_browser.h"
#include "browser/engine_environment.h"
#include "browser/engine_loader.h"
#include "widgets/dialogs.h"
#include "widgets/launcher.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    prepareBrowserEngine(false);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ribemo-startup-bench"));
    setUpApplication(app);

    QTemporaryDir folder;
    const QString helpFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/HELP");
    if (!folder.isValid() || !QFile::link(helpFolder, folder.filePath(QStringLiteral("HELP"))))
        return 1;
    // A keyword tree file (.ask) is the first tab's tree; a price memo file (.csv) the memos.
    for (const QString& file : QCoreApplication::arguments().mid(1)) {
        const QString name =
            file.endsWith(QStringLiteral(".csv")) ? QStringLiteral("ribemo.memo.csv") : QStringLiteral("ribemo.ask");
        if (!QFile::copy(file, folder.filePath(name)))
            return 1;
    }

    MessageBoxDialogs dialogs;
    DesktopLauncher launcher;
    const QString module = engineModulePath(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
    auto* browser = new DeferredBrowser(
        [&dialogs, module](QWidget* parent) { return loadEngineBrowser(module, EngineStart{}, parent, dialogs); });
    QObject::connect(browser, &TCppWebBrowser::DownloadComplete, &app, [&folder] {
        printProcessTreeMemory();
        folder.remove();
        ::_exit(0);
    });
    const std::string exePath = QFile::encodeName(folder.filePath(QStringLiteral("ribemo"))).toStdString();
    ProgramWindows windows = createProgramWindows(ProgramServices{browser, &dialogs, &launcher, exePath});
    endWhenMapped(*windows.form);
    browser->startAfterFirstPaint(windows.form.get());
    windows.form->show();
    return app.exec();
}
