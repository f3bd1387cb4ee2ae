#include "app/folder_check.h"

#include "files/companion_paths.h"
#include "files/file_io.h"
#include "widgets/application_title.h"
#include "widgets/dialogs.h"
#include "widgets/error_box.h"

#include <QFile>
#include <QStringList>

namespace {

QString nameText(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return QFile::decodeName(QByteArray::fromStdString(slash == std::string::npos ? path : path.substr(slash + 1)));
}

}  // namespace

void warnIfFolderRefusesFiles(Dialogs& dialogs, QWidget* owner, const std::string& exePath)
{
    const std::string settings = settingsFilePath(exePath);
    const int cause = newFileRefusal(settings);
    if (cause == 0)
        return;
    // A file that is already there and may be written is still saved (in place).
    QStringList writable;
    for (const std::string& path : {settings, watchedListFilePath(exePath), keywordTreeFilePath(exePath, 0),
                                    keywordTreeFilePath(exePath, 1), keywordTreeFilePath(exePath, 2)})
        if (fileExists(path) && !isReadOnlyFile(path))
            writable << nameText(path);
    const auto slash = settings.find_last_of('/');
    const QString folder = QFile::decodeName(QByteArray::fromStdString(settings.substr(0, slash + 1)));
    const QString saved = writable.isEmpty() ? QStringLiteral(
                                                   "設定、キーワードツリー、注目のオークションとバックアップは"
                                                   "どれもここに保存できず、終了すると今回の変更は失われます。")
                                             : QStringLiteral(
                                                   "新しいファイルは作れないため、保存できるのは次のファイルだけです"
                                                   "（それ以外の変更は終了すると失われます）: %1。")
                                                   .arg(writable.join(QStringLiteral(", ")));
    dialogs.inform(
        owner, QMessageBox::Warning, applicationTitle(),
        QStringLiteral("フォルダ %1 にはファイルを作成できません (%2)。%3\r\n\r\n"
                       "保存できるようにするには、プログラムのフォルダを自分のフォルダ（ホームフォルダの中など）に"
                       "コピーしてそこから起動するか、--data-dir オプションで書き込めるフォルダを指定して"
                       "起動してください。")
            .arg(folder, fileErrorCauseText(cause), saved));
}
