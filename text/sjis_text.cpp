#include "text/sjis_text.h"

#include "text/sjis_to_unicode.h"
#include "text/unicode_to_sjis.h"

namespace {

std::u16string_view unitsOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

}  // namespace

QString fromSjis(std::string_view bytes)
{
    // The program's own table, not Qt's converter: that one reads several single bytes (0x7F among
    // them) as other characters, which an edit would then write back as other bytes.
    const std::u16string text = sjisToUnicode(bytes);
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::string toSjis(const QString& text) { return unicodeToSjis(unitsOf(text)); }

std::string bytesOfShownText(const QString& shown, const std::string& originalBytes)
{
    return bytesOfEditedText(unitsOf(shown), originalBytes);
}
