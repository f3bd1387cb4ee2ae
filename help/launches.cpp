#include "help/launches.h"

#include "files/companion_paths.h"
#include "help/launch_failure.h"
#include "widgets/launcher.h"

#include <QFile>
#include <QStringList>

namespace {
QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
}  // namespace

QString makerHomePage() { return QStringLiteral("http://ribemo.example/"); }

QString helpPageAddress(const std::string& executablePath) { return pathText(helpPagePath(executablePath)); }

void startAnotherCopy(Launcher& launcher, const std::string& executablePath, const std::string& dataFolder)
{
    // A data folder of its own choosing is handed on, since the new copy would otherwise choose
    // again (and miss one given on the command line).
    QStringList arguments;
    if (!dataFolder.empty())
        arguments = {QStringLiteral("--data-dir"), pathText(dataFolder)};
    launcher.startProgram(pathText(executablePath), arguments);
}

void openInDefaultBrowser(Launcher& launcher, Dialogs& dialogs, QWidget* owner, const QString& address)
{
    // Whatever the pane reports now, also while a page is still loading. The launcher takes the
    // address as Unicode, so no narrowing to Shift-JIS is needed (it would turn characters outside
    // that set into "?").
    openOrTell(launcher, dialogs, owner, address);
}
