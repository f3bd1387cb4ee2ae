#include "pane/typed_address.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool hasBlank(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

}  // namespace

bool typedTextIsKeyword(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty() || text.startsWith(u'/') || text.startsWith(u'~') || text.contains(QStringLiteral("://")))
        return false;
    // A scheme of its own ("about:blank", "mailto:a@example.jp"), or a host and port
    // ("localhost:8080/x"), without a blank.
    static const QRegularExpression schemeOrPort(QStringLiteral(R"(^[A-Za-z][A-Za-z0-9+.-]*:[^\s]*$)"));
    if (schemeOrPort.match(text).hasMatch() && !hasBlank(text))
        return false;
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[/?#]")));
    const QStringView host = QStringView(text).left(end < 0 ? text.size() : end);
    const qsizetype colon = host.indexOf(u':');
    const QStringView name = colon < 0 ? host : host.left(colon);
    const bool isHost = !host.isEmpty() && !hasBlank(host) &&
                        (host.contains(u'.') || host.startsWith(u'[') ||
                         name.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0);
    // A host with a path may have blanks in the path; words have them anywhere.
    return hasBlank(text) ? !(isHost && end > 0) : !isHost;
}
