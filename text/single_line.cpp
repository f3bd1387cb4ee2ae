#include "text/single_line.h"

QString withoutLineBreaks(const QString& text)
{
    QString single = text;
    single.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& c : single) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            c = u' ';
    }
    return single;
}
