#include "widgets/unsaved_files.h"

#include "files/errors.h"
#include "files/file_io.h"
#include "widgets/application_title.h"
#include "widgets/dialogs.h"
#include "widgets/error_box.h"
#include "widgets/write_failure_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

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

UnsavedFile unsavedFileOf(const std::exception& error)
{
    auto* e = dynamic_cast<const WriteError*>(&error);
    if (!e)
        return {errorMessage(error), {}, {}};
    QString text = errorMessage(error);
    if (!writeFailureCauseKnown(*e))
        text += QStringLiteral("（%1）").arg(writeFailureCause(*e));
    return {text, e->path, e->unsaved};
}

UnsavedFiles::UnsavedFiles(std::vector<UnsavedFile> files)
    : std::runtime_error("files not saved"), files_(std::move(files))
{}

QString UnsavedFiles::message() const
{
    QStringList lines;
    for (const UnsavedFile& file : files_)
        lines << file.failure;
    return lines.join(QStringLiteral("\r\n"));
}
