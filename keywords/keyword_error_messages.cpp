#include "keywords/keyword_error_messages.h"

#include "keywords/keyword_errors.h"
#include "text/sjis_text.h"
#include "widgets/error_box.h"

#include <QFile>

namespace {

QString keywordBackupMessage(const KeywordBackupError& e)
{
    const bool backup = e.command == KeywordBackupError::Command::Backup;
    const QString failed = e.reading ? QStringLiteral("ファイル %1 を読み込めません (%2)")
                                     : QStringLiteral("ファイル %1 に書き込めません (%2)");
    return (backup ? QStringLiteral("キーワードツリーのバックアップを作成できませんでした。%1。"
                                    "以前のバックアップはそのまま残っています")
                   : QStringLiteral("キーワードツリーをレストアできませんでした。%1。"
                                    "今のキーワードツリーのファイルはそのまま残っています"))
        .arg(failed.arg(QFile::decodeName(QByteArray::fromStdString(e.path)), fileErrorCauseText(e.cause)));
}

}  // namespace

std::optional<QString> keywordErrorMessage(const std::exception& error)
{
    if (auto* e = dynamic_cast<const TreeDepthError*>(&error))
        // One pass, so a "%2" inside the keyword's own text is not taken for the depth.
        return QStringLiteral(
                   "アイテム \"%1\" の階層 (%2) が不正です。この行から後の %3 行はツリーに表示されませんが、"
                   "失われません。ツリーを保存するときに、ツリーの後ろにそのまま書き戻します")
            .arg(fromSjis(e->text), QString::number(e->depth), QString::number(e->unplacedLineCount));
    if (auto* e = dynamic_cast<const KeywordBackupError*>(&error))
        return keywordBackupMessage(*e);
    return std::nullopt;
}
