#include "widgets/error_box.h"

#include "files/companion_file.h"
#include "files/errors.h"
#include "widgets/application_title.h"
#include "widgets/dialogs.h"
#include "widgets/write_failure_text.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// The cause of a failed write in brackets, when the error carries one.
QString causeSuffix(const WriteError& e)
{
    return writeFailureCauseKnown(e) ? QStringLiteral("（%1）").arg(writeFailureCause(e)) : QString();
}

// What each feature made known of its own errors.
std::vector<ErrorMessageMaker>& featureMessages()
{
    static std::vector<ErrorMessageMaker> makers;
    return makers;
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

bool addErrorMessages(ErrorMessageMaker maker)
{
    featureMessages().push_back(maker);
    return true;
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
    for (ErrorMessageMaker maker : featureMessages()) {
        if (std::optional<QString> message = maker(error))
            return *message;
    }
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
