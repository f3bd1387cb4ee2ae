#include "widgets/error_box.h"

#include "files/companion_file.h"
#include "files/errors.h"
#include "widgets/application_title.h"
#include "widgets/dialogs.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// What each feature made known of its own errors.
std::vector<ErrorMessageMaker>& featureMessages()
{
    static std::vector<ErrorMessageMaker> makers;
    return makers;
}

QString writeFailureReason(WriteFailure failure)
{
    switch (failure) {
        case WriteFailure::ReadOnlyFile:
            return QStringLiteral("読み取り専用のファイルです");
        case WriteFailure::NotAFile:
            return QStringLiteral("その名前でファイルではないものが置かれています");
        case WriteFailure::FolderNotWritable:
            return QStringLiteral("フォルダーに書き込む権限がありません");
        case WriteFailure::DiskFull:
            return QStringLiteral("ディスクに空きがありません");
        case WriteFailure::Unknown:
            break;
    }
    return QStringLiteral("原因はわかりません");
}

}  // namespace

QString fileErrorCauseText(int cause)
{
    switch (cause) {
        case ENOSPC:
            return QStringLiteral("ディスクの空き容量が足りません");
        case EDQUOT:
            return QStringLiteral("ディスクの使用量の上限を超えています");
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
        return QStringLiteral("ファイル %1 を作成できません").arg(pathText(e->path));
    if (auto* e = dynamic_cast<const ProfileWriteError*>(&error))
        return QStringLiteral("%1 に書き込めません").arg(pathText(e->path));
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

QString saveFailureText(const std::exception& error)
{
    std::string path;
    if (auto* e = dynamic_cast<const FileCreateError*>(&error))
        path = e->path;
    else if (auto* p = dynamic_cast<const ProfileWriteError*>(&error))
        path = p->path;
    if (path.empty())
        return errorMessage(error);
    return QStringLiteral("%1（%2）").arg(errorMessage(error), writeFailureReason(diagnoseWriteFailure(path)));
}
