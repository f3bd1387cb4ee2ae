#include "app/session_end.h"

#include "app/main_window.h"
#include "keywords/keyword_tabs.h"
#include "recovery/recovery_keeper.h"
#include "watched/watched_list.h"
#include "widgets/error_box.h"

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
    const std::vector<UnsavedFile> failures = saveEveryFile();
    for (const UnsavedFile& file : failures)
        qWarning("ribemo: %s", qUtf8Printable(file.failure));
    conflicts_.setUnattended(false);
    // What could not be saved stays in the record, up to the last change, for the next start.
    if (failures.empty())
        recovery_->finish();
    else
        recovery_->keepNow();
    OleUninitialize();
}

std::vector<UnsavedFile> TForm1::saveEveryFile()
{
    std::vector<UnsavedFile> failures;
    const auto attempt = [&](auto save) {
        try {
            save();
        } catch (const std::exception& error) {
            failures.push_back(unsavedFileOf(error));
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
