#include "text/sjis_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* kCodePage = "CP932";
}

QString fromSjis(std::string_view bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toSjis(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    QByteArray whole = encoder(text);
    if (!encoder.hasError())
        return whole.toStdString();

    // The converter's own substitute is a double-byte character; the platform writes "?" instead,
    // so the text is taken one code point at a time.
    std::string out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder single(kCodePage);
        const QByteArray bytes = single(QStringView(text).mid(i, len));
        if (single.hasError() || bytes.isEmpty())
            out += '?';
        else
            out.append(bytes.constData(), static_cast<size_t>(bytes.size()));
        i += len;
    }
    return out;
}

std::string bytesOfShownText(const QString& shown, const std::string& originalBytes)
{
    return shown == fromSjis(originalBytes) ? originalBytes : toSjis(shown);
}
