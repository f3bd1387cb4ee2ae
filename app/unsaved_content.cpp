#include "app/unsaved_content.h"

#include "app/session_end.h"
#include "files/errors.h"
#include "files/file_io.h"
#include "widgets/application_title.h"
#include "widgets/dialogs.h"
#include "widgets/error_box.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Saves one file's content where the user chooses; a cancelled dialog saves nothing.
void offerSaveElsewhere(Dialogs& dialogs, QWidget* owner, const UnsavedFile& file)
{
    const QString name = QFileInfo(QFile::decodeName(QByteArray::fromStdString(file.path))).fileName();
    const QString chosen = dialogs.askSaveFileName(owner, QStringLiteral("%1 の内容を別の場所に保存").arg(name),
                                                   QDir::home().filePath(name));
    if (chosen.isEmpty())
        return;
    const std::string path = QFile::encodeName(chosen).toStdString();
    if (const int cause = replaceFile(path, *file.content); cause != 0)
        showErrorBox(dialogs, owner, errorMessage(FileCreateError(path, cause, notAFileAt(path))));
}

}  // namespace

void reportUnsavedFiles(Dialogs& dialogs, QWidget* owner, const UnsavedFiles& unsaved)
{
    const auto& files = unsaved.files();
    if (std::none_of(files.begin(), files.end(), [](const UnsavedFile& f) { return f.content.has_value(); })) {
        showErrorBox(dialogs, owner, unsaved.message());
        return;
    }
    const auto answer = dialogs.ask(
        owner, QMessageBox::Critical, applicationTitle(),
        errorBoxText(unsaved.message()) + QStringLiteral("\r\n\r\n保存できなかった内容を別の場所に保存しますか？"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    for (const UnsavedFile& file : files)
        if (file.content)
            offerSaveElsewhere(dialogs, owner, file);
}
