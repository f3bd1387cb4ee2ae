#include "widgets/write_failure_text.h"

#include "files/companion_file.h"
#include "files/errors.h"
#include "files/file_io.h"
#include "widgets/error_box.h"

#include <cerrno>

namespace {

QString notAFileText(NotAFile found)
{
    switch (found) {
        case NotAFile::Folder:
            return QStringLiteral("その名前でフォルダーが置かれています");
        case NotAFile::Pipe:
            return QStringLiteral("その名前で名前付きパイプ (FIFO) が置かれています");
        case NotAFile::Socket:
            return QStringLiteral("その名前でソケットが置かれています");
        case NotAFile::Device:
            return QStringLiteral("その名前でデバイスが置かれています");
        case NotAFile::None:
        case NotAFile::Other:
            break;
    }
    return QStringLiteral("その名前でファイルではないものが置かれています");
}

// What the file and its folder show now, for a failure whose errno says too little (none, or
// a refusal that may come from the file, its folder or the system).
QString diagnosedCause(const std::string& path, int cause)
{
    switch (diagnoseWriteFailure(path)) {
        case WriteFailure::ReadOnlyFile:
            return QStringLiteral("読み取り専用のファイルです");
        case WriteFailure::NotAFile:
            return notAFileText(notAFileAt(path));
        case WriteFailure::FolderNotWritable:
            return QStringLiteral("フォルダーに書き込む権限がありません");
        case WriteFailure::DiskFull:
            return fileErrorCauseText(ENOSPC);
        case WriteFailure::Unknown:
            break;
    }
    return cause == 0 ? QStringLiteral("原因はわかりません") : QStringLiteral("書き込む権限がありません");
}

}  // namespace

bool writeFailureCauseKnown(const WriteError& error) { return error.cause != 0 || error.found != NotAFile::None; }

QString writeFailureCause(const WriteError& error)
{
    if (error.found != NotAFile::None)
        return notAFileText(error.found);
    switch (error.cause) {
        case 0:
        case EACCES:
        case EPERM:
            return diagnosedCause(error.path, error.cause);
        case EISDIR:
            return notAFileText(NotAFile::Folder);
        default:
            return fileErrorCauseText(error.cause);
    }
}
