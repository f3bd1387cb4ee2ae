#include "app/session_end.h"

#include "app/main_window.h"
#include "files/errors.h"
#include "keywords/keyword_tabs.h"
#include "watched/watched_list.h"
#include "widgets/error_box.h"
#include "widgets/write_failure_text.h"

#include <QStringList>

namespace {

// The error's message, and for a file that could not be written, why (found now, when the error
// does not carry it), with the content that file was to hold.
UnsavedFile unsavedFile(const std::exception& error)
{
    auto* e = dynamic_cast<const WriteError*>(&error);
    if (!e)
        return {errorMessage(error), {}, {}};
    QString text = errorMessage(error);
    if (!writeFailureCauseKnown(*e))
        text += QStringLiteral("（%1）").arg(writeFailureCause(*e));
    return {text, e->path, e->unsaved};
}

}  // namespace

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

void TForm1::commitOpenEdits()
{
    keywords_->commitOpenEdit();
    watched_->commitOpenEdit();
}

void TForm1::SaveAtSessionEnd()
{
    commitOpenEdits();
    // Nobody may be there to answer a box now: every save is tried, and what failed is logged.
    conflicts_.setUnattended(true);
    for (const UnsavedFile& file : saveEveryFile())
        qWarning("ribemo: %s", qUtf8Printable(file.failure));
    conflicts_.setUnattended(false);
    OleUninitialize();
}

std::vector<UnsavedFile> TForm1::saveEveryFile()
{
    std::vector<UnsavedFile> failures;
    const auto attempt = [&](auto save) {
        try {
            save();
        } catch (const std::exception& error) {
            failures.push_back(unsavedFile(error));
        } catch (...) {
            failures.push_back({QStringLiteral("保存中に不明なエラーが起きました"), {}, {}});
        }
    };
    if (!SettingsReset)
        attempt([this] { SaveSettings(); });
    attempt([this] { watched_->SaveWatchedList(); });
    attempt([this] { keywords_->SaveShownKeywordTree(); });
    return failures;
}

void TForm1::EndSession()
{
    if (sessionEnded_)
        return;
    sessionEnded_ = true;
    // Belt and braces: while the files are written, the end signals wait.
    withEndSignalsHeld([this] { SaveAtSessionEnd(); });
}
