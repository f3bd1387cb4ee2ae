// The recovery record's side of the main window: what each feature holds that its file does not
// yet, kept on disk a moment after each change (recovery/recovery_keeper.h), and at start what
// copies that ended without their close left behind, taken back as this run's unsaved changes
// (recovery/recovery_offer.h).
#include "app/main_window.h"
#include "keywords/keyword_tabs.h"
#include "recovery/recovery_keeper.h"
#include "recovery/recovery_offer.h"
#include "settings/settings_store.h"
#include "watched/watched_list.h"
#include "widgets/status_bar.h"

void TForm1::keepUnsavedChanges()
{
    recovery_ = std::make_unique<RecoveryKeeper>(
        companionBase(), [this] { return unsavedChanges(); },
        [this](const QString& text) { StatusBar1->setPanelText(1, text); });
    RecoveryKeeper* keeper = recovery_.get();
    connect(keywords_.get(), &KeywordTabs::contentChanged, keeper, &RecoveryKeeper::noteChange);
    connect(watched_.get(), &WatchedList::contentChanged, keeper, &RecoveryKeeper::noteChange);
    settingsStore_->whenChangedByUser([keeper] { keeper->noteChange(); });
}

std::vector<RecoveryEntry> TForm1::unsavedChanges() const
{
    std::vector<RecoveryEntry> entries;
    // After a reset the close writes no settings file, so there is nothing of it to keep.
    std::optional<RecoveryEntry> settings = SettingsReset ? std::nullopt : settingsStore_->unsavedChange(Settings);
    if (settings)
        entries.push_back(std::move(*settings));
    if (std::optional<RecoveryEntry> list = watched_->unsavedChange())
        entries.push_back(std::move(*list));
    if (std::optional<RecoveryEntry> tree = keywords_->unsavedChange())
        entries.push_back(std::move(*tree));
    return entries;
}

void TForm1::offerRecovery()
{
    const std::string settingsFile = fileNameOf(settingsFilePath(companionBase()));
    const RecoveryTarget target{
        [this, settingsFile](const RecoveryEntry& entry) {
            if (entry.file == settingsFile)
                return entry.content.has_value();
            return entry.file == watched_->fileName() ? entry.content.has_value()
                                                      : keywords_->tabOfFile(entry.file).has_value();
        },
        [this, settingsFile](const RecoveryEntry& entry) {
            if (entry.file == settingsFile) {
                applyOptionValues(optionValuesOf(SettingsStore::withChangedValues(Settings, *entry.content)));
                settingsStore_->settingsChangedByUser();
            } else if (entry.file == watched_->fileName()) {
                watched_->takeUnsavedChange(entry);
            } else {
                keywords_->takeUnsavedChange(*keywords_->tabOfFile(entry.file), entry);
            }
        }};
    offerLeftRecoveryRecords(dialogs(), this, companionBase(), target, *recovery_);
}
