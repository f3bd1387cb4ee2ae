#include "widgets/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

void DesktopLauncher::startProgram(const QString& executablePath, const QStringList& arguments)
{
    QProcess::startDetached(executablePath, arguments);
}

void DesktopLauncher::openWithDefaultHandler(const QString& address)
{
    const QUrl url = address.startsWith(u'/') ? QUrl::fromLocalFile(address)
                                              : QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode);
    QDesktopServices::openUrl(url);
}
