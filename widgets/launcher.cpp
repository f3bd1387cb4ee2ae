#include "widgets/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

void DesktopLauncher::startProgram(const QString& executablePath, const QStringList& arguments)
{
    QProcess::startDetached(executablePath, arguments);
}

QString DesktopLauncher::openWithDefaultHandler(const QString& address)
{
    // The handler gets the address as one argument of a program it starts, and the system refuses
    // an argument over 128 KiB; that is told as such rather than as a missing browser.
    constexpr qsizetype kLongestArgument = 128 * 1024 - 1;
    const QUrl url = address.startsWith(u'/') ? QUrl::fromLocalFile(address)
                                              : QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode);
    if (address.isEmpty() || !url.isValid())
        return QStringLiteral("アドレスがありません");
    if (url.toEncoded().size() > kLongestArgument)
        return QStringLiteral("アドレスが長すぎます");
    if (!QDesktopServices::openUrl(url))
        return QStringLiteral("既定のWebブラウザが見つからないか、起動できませんでした");
    return {};
}
