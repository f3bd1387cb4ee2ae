#pragma once
// The settings file: read into the settings model as the first step of start-up, written from it
// as the first step of the close. Lines the program does not own stay as they are, and a file
// another program changed since it was read only gets what this window changed.
#include "files/companion_file.h"
#include "settings/private_profile.h"
#include "settings/settings_values.h"

#include <functional>
#include <string>

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

private:
    std::function<std::string()> companionBase_;
    // What the load found; held back while the file could not be read whole at start (the user
    // was told) and the user has not changed the settings since.
    CompanionFile file_;
    // The program's own keys with the values last read from or written to the file: a value still
    // equal to its entry here was not changed by this window, and does not go over another
    // program's change of it.
    PrivateProfile fileValues_ = PrivateProfile::parse("");
};
