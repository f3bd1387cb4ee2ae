#include "settings/settings_reset.h"

#include "files/companion_paths.h"
#include "files/file_io.h"
#include "widgets/dialogs.h"

namespace {
const QString kCaption = QStringLiteral("設定の初期化");
}

bool runSettingsReset(Dialogs& dialogs, QWidget* owner, const std::string& executablePath)
{
    const QString question = QStringLiteral(
        "プログラムを再起動したときに、設定がすべて初期化されます。\n"
        "よろしいですか？　（検索キーワードは削除されません）");
    if (dialogs.ask(owner, QMessageBox::NoIcon, kCaption, question, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::Yes) != QMessageBox::Yes)
        return false;

    // A manifest beside the executable would outlive the reset; it goes too, silently.
    removeFile(manifestFilePath(executablePath));
    // No settings file (or one that cannot be deleted) means there is nothing to reset: no message.
    if (!removeFile(settingsFilePath(executablePath)))
        return false;
    dialogs.inform(owner, QMessageBox::NoIcon, kCaption,
                   QStringLiteral("初期化に成功しました。プログラムを起動しなおしてください。"));
    return true;
}
