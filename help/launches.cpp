// Outside launches, help and the about box: the small commands of the File and Help menus.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "files/companion_paths.h"
#include "help/about_box.h"
#include "help/launch_failure.h"
#include "widgets/launcher.h"

#include <QAction>
#include <QFile>

namespace {
// The maker's home page, opened in the pane.
const QString kMakerHomePage = QStringLiteral("http://ribemo.example/");
}  // namespace

void TForm1::setUpLaunches()
{
    connectHandler(N12, &QAction::triggered, &TForm1::N12Click);
    connectHandler(N13, &QAction::triggered, &TForm1::N13Click);
    connectHandler(H2, &QAction::triggered, &TForm1::H2Click);
    connectHandler(N18, &QAction::triggered, &TForm1::N18Click);
    connectHandler(V1, &QAction::triggered, &TForm1::V1Click);
}

void TForm1::N12Click()
{
    // A second, independent copy on the same files: a data folder of its own choosing is handed on,
    // since the new copy would otherwise choose again (and miss one given on the command line).
    QStringList arguments;
    if (!services().dataFolder.empty())
        arguments = {QStringLiteral("--data-dir"), QFile::decodeName(QByteArray::fromStdString(services().dataFolder))};
    services().launcher->startProgram(QFile::decodeName(QByteArray::fromStdString(executablePath())), arguments);
}

void TForm1::N13Click()
{
    // Whatever the pane reports now, also while a page is still loading. The launcher takes the
    // address as Unicode, so no narrowing to Shift-JIS is needed (it would turn characters outside
    // that set into "?").
    openOrTell(*services().launcher, dialogs(), this, CppWebBrowser1->LocationURL());
}

void TForm1::H2Click()
{
    // Built from the executable's own place, never from the current folder.
    CppWebBrowser1->Navigate(QFile::decodeName(QByteArray::fromStdString(helpPagePath(executablePath()))));
}

void TForm1::N18Click() { CppWebBrowser1->Navigate(kMakerHomePage); }

void TForm1::V1Click() { AboutBox->exec(); }
