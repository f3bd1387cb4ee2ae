#pragma once
// How the memos read in the window, the menus and the status bar.
#include "memos/memo_file.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>

// "12,345円".
QString yenText(std::int64_t yen);
// The prices the pane menu offers to keep of a selection, each with its caption ("12,345円").
QList<std::pair<QString, qint64>> pricesInSelection(const QString& selection);
// A price the user typed ("12000", "12,000円", "1.2万"); none for anything else.
std::optional<qint64> typedPrice(const QString& text);
// The selection as a memo's note: on one line, blanks run together, at most 200 characters.
QString selectionNote(const QString& selection);

// "12/09".
QString shortDate(const MemoTime& time);
MemoTime memoTimeOf(const QDateTime& moment);
QDateTime dateTimeOf(const MemoTime& time);
