// Program entry: the command line, the application with its title, the four windows, the message
// loop.
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/session_end.h"
#include "browser/deferred_browser.h"
#include "browser/engine_environment.h"
#include "browser/engine_loader.h"
#include "files/companion_paths.h"
#include "widgets/dialogs.h"
#include "widgets/error_box.h"
#include "widgets/launcher.h"
#include "widgets/window_fit.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>

TForm1* Form1 = nullptr;

int main(int argc, char** argv)
{
    // Read before the application object exists: --help, --version and a mistake need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.exitNow) {
        // printf, not fputs: its fortified form (__printf_chk) checks the format at run time, and
        // it is the checked call by which hardening-check and lintian see the fortified build.
        std::printf("%s", commandLine.output.toLocal8Bit().constData());
        std::fputs(commandLine.error.toLocal8Bit().constData(), stderr);
        return commandLine.exitStatus;
    }

    prepareBrowserEngine(commandLine.openGlPages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ribemo"));
    setUpApplication(app);

    MessageBoxDialogs dialogs;
    DesktopLauncher launcher;
    try {
        const std::string exePath = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
        const std::string dataFolder =
            chooseDataFolder(exePath, QFile::encodeName(commandLine.dataFolder).toStdString(),
                             std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        if (!dataFolder.empty())
            makeDataFolder(dataFolder);
        // The engine starts behind the window, once it is on screen. A folder chosen on the command
        // line holds the browser's cookies and cache too; the pane has no browser home of its own:
        // home is the program's own help page.
        const QString browserFolder =
            commandLine.dataFolder.isEmpty() ? QString() : QFile::decodeName(QByteArray::fromStdString(dataFolder));
        const EngineStart engineStart{browserFolder,
                                      QFile::decodeName(QByteArray::fromStdString(helpPagePath(exePath))),
                                      commandLine.openGlPages};
        auto* browser =
            new DeferredBrowser([engineStart, module = engineModulePath(exePath), &dialogs](QWidget* parent) {
                return loadEngineBrowser(module, engineStart, parent, dialogs);
            });
        ProgramServices services{browser, &dialogs, &launcher, exePath, dataFolder};
        ProgramWindows windows = createProgramWindows(services);
        Form1 = windows.form.get();
        // From here a signal or the session's logout saves like a close.
        SessionEndWatch sessionEnd(*Form1, [] { QCoreApplication::exit(0); });
        applyCommandLine(*Form1, commandLine);
        // The design size or the saved place may not fit the screen of this run.
        fitWindowToScreen(*Form1);
        browser->startAfterFirstPaint(Form1);
        Form1->show();
        app.exec();
    } catch (...) {
        showCurrentError(dialogs, nullptr);
    }
    return 0;
}
