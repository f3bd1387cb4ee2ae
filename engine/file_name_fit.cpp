#include "engine/file_name_fit.h"

#include <QFile>

namespace {

qsizetype bytesOf(const QString& text) { return QFile::encodeName(text).size(); }

}  // namespace

QString fitFileName(const QString& name, int maxBytes)
{
    if (bytesOf(name) <= maxBytes)
        return name;
    // An extension is short; a "suffix" of half the room is rather part of the name.
    const qsizetype dot = name.lastIndexOf(u'.');
    const bool hasExtension = dot > 0 && bytesOf(name.mid(dot)) <= maxBytes / 2;
    const QString extension = hasExtension ? name.mid(dot) : QString();
    QString stem = hasExtension ? name.left(dot) : name;
    const qsizetype room = maxBytes - bytesOf(extension);
    // Each character takes a byte at least, so no more than room of them can stay.
    stem.truncate(room);
    if (!stem.isEmpty() && stem.back().isHighSurrogate())
        stem.chop(1);
    while (!stem.isEmpty() && bytesOf(stem) > room) {
        stem.chop(1);
        // Never half a surrogate pair.
        if (!stem.isEmpty() && stem.back().isHighSurrogate())
            stem.chop(1);
    }
    return stem + extension;
}
