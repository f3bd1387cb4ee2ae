#include "app/session_end.h"

#include "app/main_window.h"
#include "keywords/keyword_tabs.h"
#include "watched/watched_list.h"
#include "widgets/error_box.h"

#include <QStringList>

UnsavedFiles::UnsavedFiles(std::vector<QString> failures)
    : std::runtime_error("files not saved"), failures_(std::move(failures))
{}

QString UnsavedFiles::message() const
{
    QStringList lines;
    for (const QString& failure : failures_)
        lines << failure;
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
    for (const QString& failure : saveEveryFile())
        qWarning("ribemo: %s", qUtf8Printable(failure));
    conflicts_.setUnattended(false);
    OleUninitialize();
}

std::vector<QString> TForm1::saveEveryFile()
{
    std::vector<QString> failures;
    const auto attempt = [&](auto save) {
        try {
            save();
        } catch (const std::exception& error) {
            failures.push_back(saveFailureText(error));
        } catch (...) {
            failures.push_back(QStringLiteral("保存中に不明なエラーが起きました"));
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
