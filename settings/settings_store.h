#pragma once
// The settings file: read into the settings model as the first step of start-up, written from it
// as the first step of the close. Lines the program does not own stay as they are, and a file
// another program changed since it was read only gets what this window changed.
#include "files/companion_file.h"
#include "files/recovery_record.h"
#include "settings/private_profile.h"
#include "settings/settings_values.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class SettingsStore {
public:
    // companionBase names the companion files afresh at each use (files/companion_paths.h).
    explicit SettingsStore(std::function<std::string()> companionBase);

    // The file's values, with the bands restored onto designLayout; a file that cannot be read
    // gives what a first start would have.
    SettingsValues LoadSettings(const BandLayout& designLayout);
    // After the load: a file not read whole is reported (and held back until the user changes
    // the settings).
    void throwIfNotReadWhole() const;
    void SaveSettings(const SettingsValues& values);
    // The user accepted changed settings (options dialog): a held-back file may now be written.
    void settingsChangedByUser();
    // Runs after every settingsChangedByUser, for whoever keeps the unsaved changes.
    void whenChangedByUser(std::function<void()> changed) { changedByUser_ = std::move(changed); }

    // What values hold that the file has not had from this window: the program's own keys whose
    // values differ from those last read or written, as a private-profile text, for the recovery
    // record (files/recovery_record.h); nothing when no value differs.
    std::optional<RecoveryEntry> unsavedChange(const SettingsValues& values) const;
    // values with the keys of such a text put on them.
    static SettingsValues withChangedValues(const SettingsValues& values, std::string_view changed);

private:
    std::function<std::string()> companionBase_;
    std::function<void()> changedByUser_;
    // What the load found; held back while the file could not be read whole at start (the user
    // was told) and the user has not changed the settings since.
    CompanionFile file_;
    // The program's own keys with the values last read from or written to the file: a value still
    // equal to its entry here was not changed by this window, and does not go over another
    // program's change of it.
    PrivateProfile fileValues_ = PrivateProfile::parse("");
};
