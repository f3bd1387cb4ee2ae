#include "files/companion_file.h"

#include "files/errors.h"
#include "files/file_content.h"
#include "files/file_io.h"
#include "files/save_lock.h"

#include <cerrno>
#include <ctime>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

enum class Presence { Nothing, File, NotAFile, Unknown };

// "No file there" is decided here and nowhere else: nothing at the path, or a link whose target
// is missing, is a file not made yet; anything else there is something to read or to report.
Presence presenceAt(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return (errno == ENOENT || errno == ENOTDIR) ? Presence::Nothing : Presence::Unknown;
    return S_ISREG(st.st_mode) ? Presence::File : Presence::NotAFile;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

std::string timeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

}  // namespace

std::string CompanionFile::read()
{
    conflictCopy_.clear();
    onDisk_.reset();
    heldBack_ = true;
    switch (presenceAt(path_)) {
        case Presence::Nothing:
            outcome_ = ReadOutcome::Absent;
            onDisk_ = Fingerprint{};
            heldBack_ = false;
            return {};
        case Presence::NotAFile:
            // A pipe would block the reader; a folder is no list of anything.
            outcome_ = ReadOutcome::NotPlainFile;
            return {};
        case Presence::Unknown:
        case Presence::File:
            break;
    }
    std::string bytes;
    try {
        bytes = readWholeFile(path_);
    } catch (const FileOpenError&) {
        outcome_ = ReadOutcome::Unreadable;
        return {};
    }
    onDisk_ = fingerprintOf(bytes);
    // UTF-16 text is full of NULs; it is told as what it is rather than as text cut short.
    if (startsWithUtf16Mark(bytes))
        outcome_ = ReadOutcome::Utf16;
    else if (hasTextAfterNul(bytes))
        outcome_ = ReadOutcome::CutShortAtNul;
    else
        outcome_ = ReadOutcome::Whole;
    heldBack_ = outcome_ != ReadOutcome::Whole;
    return bytes;
}

bool CompanionFile::unreadable() const
{
    return outcome_ == ReadOutcome::NotPlainFile || outcome_ == ReadOutcome::Unreadable;
}

void CompanionFile::throwIfNotReadWhole() const
{
    switch (outcome_) {
        case ReadOutcome::NotPlainFile:
        case ReadOutcome::Unreadable:
            throw FileOpenError(path_);
        case ReadOutcome::CutShortAtNul:
            throw FileCutShortError(path_);
        case ReadOutcome::Utf16:
            throw NotShiftJisError(path_);
        case ReadOutcome::NotRead:
        case ReadOutcome::Absent:
        case ReadOutcome::Whole:
            break;
    }
}

void CompanionFile::setReadContent(std::optional<std::string_view> content) { held_ = fingerprintOf(content); }

bool CompanionFile::changedByThisWindow(std::optional<std::string_view> content) const
{
    return fingerprintOf(content) != held_;
}

bool CompanionFile::mayWrite(std::optional<std::string_view> content) const
{
    return !heldBack_ || changedByThisWindow(content);
}

bool CompanionFile::changedOnDisk() const
{
    if (!onDisk_)
        return false;
    switch (presenceAt(path_)) {
        case Presence::Nothing:
            return onDisk_->present;
        case Presence::File:
            try {
                return fingerprintOf(readWholeFile(path_)) != *onDisk_;
            } catch (const FileOpenError&) {
                return true;
            }
        case Presence::NotAFile:
        case Presence::Unknown:
            return true;
    }
    return true;
}

CompanionFile::SaveResult CompanionFile::save(std::optional<std::string_view> content)
{
    conflictCopy_.clear();
    if (!mayWrite(content))
        return SaveResult::HeldBack;
    // Another copy's save of the same folder runs whole before or after this one, never between
    // this check and the replace.
    const SaveLock lock(path_);
    if (changedOnDisk()) {
        if (!changedByThisWindow(content))
            return SaveResult::KeptOtherVersion;
        // Both sides changed the file: theirs is kept before this window's replaces it. Something
        // other than a file in its place is not read (a pipe would wait for a writer).
        if (const NotAFile found = notAFileAt(path_); found != NotAFile::None)
            throwUnsaved(FileCreateError(path_, 0, found), content);
        if (presenceAt(path_) != Presence::Nothing) {
            try {
                conflictCopy_ = keepConflictCopy(readWholeFile(path_));
            } catch (const FileCreateError& e) {
                // Without their version kept, this window's is not written over it either.
                throwUnsaved(FileCreateError(path_, e.cause), content);
            }
        }
    } else if (onDisk_ && fingerprintOf(content) == *onDisk_) {
        // The file already holds these very bytes (a tab looked at, not changed): writing them
        // again would only cost a sync to the disk.
        noteWritten(content);
        return SaveResult::Written;
    }
    write(content);
    return conflictCopy_.empty() ? SaveResult::Written : SaveResult::WrittenWithConflictCopy;
}

void CompanionFile::write(std::optional<std::string_view> content)
{
    if (content) {
        if (const int cause = replaceFile(path_, *content); cause != 0)
            throwUnsaved(FileCreateError(path_, cause, notAFileAt(path_)), content);
    } else {
        // A file the user made read-only is not deleted either; a missing one is no error.
        if (isReadOnlyFile(path_))
            throw FileCreateError(path_, EACCES);
        removeFile(path_);
    }
    noteWritten(content);
}

void CompanionFile::noteWritten(std::optional<std::string_view> content)
{
    onDisk_ = fingerprintOf(content);
    held_ = *onDisk_;
    heldBack_ = false;
}

void CompanionFile::takeUnsavedChange(const std::optional<ContentFingerprint>& base)
{
    // The content held counts as changed against base (the record keeps only changed content);
    // a file that was held back then was released by that run's user, who changed it.
    onDisk_ = base;
    held_ = base.value_or(Fingerprint{});
    heldBack_ = false;
}

std::string freeTimeStampedName(const std::string& prefix)
{
    const std::string base = prefix + timeStamp();
    std::string name = base;
    for (int n = 2; presenceAt(name) != Presence::Nothing; ++n)
        name = base + "-" + std::to_string(n);
    return name;
}

std::string CompanionFile::keepConflictCopy(std::string_view otherVersion) const
{
    const std::string copy = freeTimeStampedName(path_ + ".conflict-");
    if (const int cause = replaceFile(copy, otherVersion); cause != 0)
        throw FileCreateError(copy, cause);
    return copy;
}

void CompanionFile::throwUnsaved(FileCreateError error, std::optional<std::string_view> content)
{
    if (content)
        error.unsaved.emplace(*content);
    throw error;
}

WriteFailure diagnoseWriteFailure(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return WriteFailure::NotAFile;
        if (isReadOnlyFile(path))
            return WriteFailure::ReadOnlyFile;
    }
    const std::string folder = folderOf(path);
    if (::access(folder.c_str(), W_OK) != 0)
        return WriteFailure::FolderNotWritable;
    struct statvfs fs {};
    if (::statvfs(folder.c_str(), &fs) == 0 && fs.f_bavail == 0)
        return WriteFailure::DiskFull;
    return WriteFailure::Unknown;
}
