#include "widgets/error_box.h"

#include "app/application_title.h"
#include "files/errors.h"
#include "text/sjis_text.h"
#include "widgets/dialogs.h"

#include <QFile>

namespace {

QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace

QString errorBoxText(const QString& message)
{
    // A full stop follows unless the message already ends in a character that sorts at or
    // before "." (so "..." or a closing bracket is left alone, Japanese text gets one).
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

QString errorMessage(const std::exception& error)
{
    if (auto* e = dynamic_cast<const FileOpenError*>(&error))
        return QStringLiteral("ファイル %1 は開けません").arg(pathText(e->path));
    if (auto* e = dynamic_cast<const FileCutShortError*>(&error))
        return QStringLiteral(
                   "ファイル %1 は途中に NUL 文字があり、その先を読み込めません。"
                   "内容を変更するまでファイルには書き込みません")
            .arg(pathText(e->path));
    if (auto* e = dynamic_cast<const NotShiftJisError*>(&error))
        return QStringLiteral(
                   "ファイル %1 は Shift-JIS のテキストではないため読み込めません。"
                   "内容を変更するまでファイルには書き込みません")
            .arg(pathText(e->path));
    if (auto* e = dynamic_cast<const FileCreateError*>(&error))
        return QStringLiteral("ファイル %1 を作成できません").arg(pathText(e->path));
    if (auto* e = dynamic_cast<const ProfileWriteError*>(&error))
        return QStringLiteral("%1 に書き込めません").arg(pathText(e->path));
    if (auto* e = dynamic_cast<const TreeDepthError*>(&error))
        // One pass, so a "%2" inside the keyword's own text is not taken for the depth.
        return QStringLiteral("アイテム \"%1\" の階層 (%2) が不正です")
            .arg(fromSjis(e->text), QString::number(e->depth));
    if (auto* e = dynamic_cast<const ListIndexError*>(&error))
        return QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(e->index);
    return QString::fromLocal8Bit(error.what());
}

void showErrorBox(Dialogs& dialogs, QWidget* owner, const QString& message)
{
    dialogs.inform(owner, QMessageBox::Critical, applicationTitle(), errorBoxText(message));
}

void showCurrentError(Dialogs& dialogs, QWidget* owner)
{
    QString message;
    try {
        throw;
    } catch (const std::exception& e) {
        message = errorMessage(e);
    } catch (...) {
        // Not an error object of ours or the library's: shown as an error with an empty message.
    }
    try {
        showErrorBox(dialogs, owner, message);
    } catch (...) {
        // The box itself failed; nothing is left to tell the user with, and the loop must go on.
    }
}
