#include "widgets/error_box.h"

#include "app/application_title.h"
#include "files/errors.h"
#include "text/sjis_text.h"
#include "widgets/dialogs.h"
#include "widgets/write_failure_text.h"

#include <QFile>

#include <cerrno>
#include <cstring>

namespace {

QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// The cause of a failed write in brackets, when the error carries one.
QString causeSuffix(const WriteError& e)
{
    return writeFailureCauseKnown(e) ? QStringLiteral("（%1）").arg(writeFailureCause(e)) : QString();
}

QString keywordBackupMessage(const KeywordBackupError& e)
{
    const bool backup = e.command == KeywordBackupError::Command::Backup;
    const QString failed = e.reading ? QStringLiteral("ファイル %1 を読み込めません (%2)")
                                     : QStringLiteral("ファイル %1 に書き込めません (%2)");
    return (backup ? QStringLiteral("キーワードツリーのバックアップを作成できませんでした。%1。"
                                    "以前のバックアップはそのまま残っています")
                   : QStringLiteral("キーワードツリーをレストアできませんでした。%1。"
                                    "今のキーワードツリーのファイルはそのまま残っています"))
        .arg(failed.arg(pathText(e.path), fileErrorCauseText(e.cause)));
}

}  // namespace

QString fileErrorCauseText(int cause)
{
    switch (cause) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("ディスクの空きがありません");
        case EACCES:
        case EPERM:
            return QStringLiteral("アクセスが許可されていません");
        case EROFS:
            return QStringLiteral("読み取り専用のファイルシステムです");
        case EISDIR:
            return QStringLiteral("同じ名前のフォルダがあります");
        case EIO:
            return QStringLiteral("入出力エラーが起きました");
        default:
            return QString::fromLocal8Bit(std::strerror(cause));
    }
}

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
        return QStringLiteral(
                   "ファイル %1 は開けません。その内容は表示されませんが、ファイルはそのまま残ります。"
                   "内容を変更するまでファイルには書き込みません")
            .arg(pathText(e->path));
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
        return QStringLiteral("ファイル %1 を作成できません").arg(pathText(e->path)) + causeSuffix(*e);
    if (auto* e = dynamic_cast<const ProfileWriteError*>(&error))
        return QStringLiteral("%1 に書き込めません").arg(pathText(e->path)) + causeSuffix(*e);
    if (auto* e = dynamic_cast<const TreeDepthError*>(&error))
        // One pass, so a "%2" inside the keyword's own text is not taken for the depth.
        return QStringLiteral(
                   "アイテム \"%1\" の階層 (%2) が不正です。この行から後の %3 行はツリーに表示されませんが、"
                   "失われません。ツリーを保存するときに、ツリーの後ろにそのまま書き戻します")
            .arg(fromSjis(e->text), QString::number(e->depth), QString::number(e->unplacedLineCount));
    if (auto* e = dynamic_cast<const KeywordBackupError*>(&error))
        return keywordBackupMessage(*e);
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
