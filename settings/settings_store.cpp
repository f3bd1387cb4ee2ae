#include "settings/settings_store.h"

#include "files/companion_paths.h"
#include "files/errors.h"
#include "files/file_io.h"
#include "files/save_lock.h"

namespace {

// What the start-up made of the settings file: the values, and the file's read outcome.
SettingsValues readSettingsFile(CompanionFile& file, const BandLayout& current)
{
    const std::string bytes = file.read();
    // A file that cannot be read still leaves the window as a first start would have it.
    if (file.absent() || file.unreadable())
        return defaultSettingsValues(current);
    return readSettings(PrivateProfile::parse(bytes), current);
}

// The program's own keys alone, as values would write them.
PrivateProfile profileOf(const SettingsValues& values)
{
    PrivateProfile profile = PrivateProfile::parse("");
    writeSettings(profile, values);
    return profile;
}

}  // namespace

SettingsStore::SettingsStore(std::function<std::string()> companionBase) : companionBase_(std::move(companionBase)) {}

SettingsValues SettingsStore::LoadSettings(const BandLayout& designLayout)
{
    CompanionFile file(settingsFilePath(companionBase_()));
    SettingsValues values = readSettingsFile(file, designLayout);
    fileValues_ = profileOf(values);
    // A file not read whole is not written over until the user changes the settings (options).
    file_ = std::move(file);
    return values;
}

void SettingsStore::throwIfNotReadWhole() const { file_.throwIfNotReadWhole(); }

void SettingsStore::settingsChangedByUser()
{
    file_.release();
    if (changedByUser_)
        changedByUser_();
}

std::optional<RecoveryEntry> SettingsStore::unsavedChange(const SettingsValues& values) const
{
    PrivateProfile changed = PrivateProfile::parse("");
    changed.applyChangedValues(fileValues_, profileOf(values));
    std::string text = changed.toBytes();
    if (text.empty())
        return std::nullopt;
    return RecoveryEntry{fileNameOf(settingsFilePath(companionBase_())), std::nullopt, std::move(text)};
}

SettingsValues SettingsStore::withChangedValues(const SettingsValues& values, std::string_view changed)
{
    PrivateProfile profile = profileOf(values);
    profile.applyChangedValues(PrivateProfile::parse(""), PrivateProfile::parse(changed));
    return readSettings(profile, values.Bands);
}

void SettingsStore::SaveSettings(const SettingsValues& values)
{
    CompanionFile& file = file_;
    const std::string path = settingsFilePath(companionBase_());
    if (file.path() != path)
        file = CompanionFile(path);
    if (file.heldBack())
        return;
    // The values go onto the file as it is on disk now, so lines the program does not own stay;
    // another copy's save of the folder comes before that read or after the write.
    const SaveLock lock(path);
    std::string onDisk;
    if (fileExists(path)) {
        try {
            onDisk = readWholeFile(path);
        } catch (const FileOpenError&) {
            // A file that cannot be read, whose user was told at start and has since changed the
            // settings, gets a new one in its place; otherwise the close could never go past it.
            if (isReadOnlyFile(path))
                throw ProfileWriteError(path, EACCES);
        }
    }
    PrivateProfile profile = PrivateProfile::parse(onDisk);
    if (file.changedOnDisk())
        // Another program (a second window, a sync tool) wrote the file since this window read it:
        // only what this window changed goes over theirs.
        profile.applyChangedValues(fileValues_, profileOf(values));
    else
        writeSettings(profile, values);
    const std::string bytes = profile.toBytes();
    if (const int cause = replaceFile(path, bytes); cause != 0) {
        ProfileWriteError error(path, cause, notAFileAt(path));
        error.unsaved = bytes;
        throw error;
    }
    file.noteWritten(bytes);
    fileValues_ = profileOf(values);
}
