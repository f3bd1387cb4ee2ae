#include "memos/memo_texts.h"

#include "memos/price_reader.h"
#include "text/single_line.h"

namespace {

constexpr qsizetype kLongestNote = 200;

std::u16string_view unitsOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace

QString yenText(std::int64_t yen) { return QString::fromStdString(groupedDigits(yen)) + QStringLiteral("円"); }

QList<std::pair<QString, qint64>> pricesInSelection(const QString& selection)
{
    QList<std::pair<QString, qint64>> prices;
    for (const std::int64_t yen : findPrices(unitsOf(selection)))
        prices.push_back({yenText(yen), yen});
    return prices;
}

std::optional<qint64> typedPrice(const QString& text) { return readTypedPrice(unitsOf(text)); }

QString selectionNote(const QString& selection)
{
    QString note = withoutLineBreaks(selection).simplified();
    if (note.size() <= kLongestNote)
        return note;
    // Never between the two halves of a character outside the basic plane.
    const qsizetype cut = note.at(kLongestNote - 1).isHighSurrogate() ? kLongestNote - 1 : kLongestNote;
    return note.left(cut) + QStringLiteral("…");
}

QString shortDate(const MemoTime& time)
{
    return QStringLiteral("%1/%2").arg(time.month, 2, 10, QChar(u'0')).arg(time.day, 2, 10, QChar(u'0'));
}

MemoTime memoTimeOf(const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

QDateTime dateTimeOf(const MemoTime& time)
{
    return QDateTime(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute, time.second));
}
