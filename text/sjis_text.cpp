#include "text/sjis_text.h"

#include "text/unicode_to_sjis.h"

#include <QStringDecoder>

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
    const QStringView view(text);
    return unicodeToSjis(std::u16string_view(view.utf16(), static_cast<size_t>(view.size())));
}

std::string bytesOfShownText(const QString& shown, const std::string& originalBytes)
{
    return shown == fromSjis(originalBytes) ? originalBytes : toSjis(shown);
}
