#include "widgets/conflict_notice.h"

#include "widgets/dialogs.h"

#include <QFile>

namespace {
QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
}  // namespace

void ConflictNotice::tell(const std::string& file, const std::string& copy) const
{
    const QString text = QStringLiteral(
                             "ファイル %1 は、読み込んだ後にほかのプログラムで変更されていました。\r\n"
                             "このウィンドウの内容を保存し、ほかのプログラムが書いた内容は %2 に残しました。")
                             .arg(pathText(file), pathText(copy));
    if (unattended_)
        qWarning("ribemo: %s", qUtf8Printable(text));
    else
        dialogs_.inform(owner_, QMessageBox::Information, QStringLiteral("ファイルの競合"), text);
}
