#include "browser/pane_address.h"

#include <QRegularExpression>

QUrl paneAddressToUrl(const QString& address)
{
    if (address.startsWith(u'/'))
        return QUrl::fromLocalFile(address);
    // "localhost:8080/x" would parse as the scheme "localhost". A host name (localhost, or one
    // with a dot, or an IP address) followed by a port number is what the user meant, as in any
    // browser; a real scheme ("tel:0312345678", "mailto:") has no dot and is not localhost.
    static const QRegularExpression hostAndPort(
        QStringLiteral(R"(^(localhost|[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+|\[[0-9A-Fa-f:.]+\]):\d{1,5}([/?#]|$))"),
        QRegularExpression::CaseInsensitiveOption);
    const QString text = hostAndPort.match(address).hasMatch() ? QStringLiteral("http://") + address : address;
    // fromEncoded keeps every %XX and "+" exactly as the address spells them; characters outside
    // ASCII (typed by hand into the address bar) are sent as UTF-8 escapes.
    QUrl url = QUrl::fromEncoded(text.toUtf8(), QUrl::TolerantMode);
    if (url.scheme().isEmpty() && !text.isEmpty())
        url = QUrl::fromUserInput(text);
    return url;
}
