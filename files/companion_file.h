#pragma once
// One companion file as this window knows it: what its last read found, whether it is held back,
// and what this window last read from it or wrote to it. With that a save can tell a change made
// on disk by someone else (a second window on the folder, a sync tool, an editor) from its own:
// - nobody else changed the file: this window's content is written (unless the file holds it
//   already: a tab only looked at is not written again);
// - only the other side changed it: it is left alone, and the next read of the file takes it in;
// - both changed it: this window's content is written and the other version is kept beside it
//   as a conflict copy, whose name the save returns so the user can be told.
// A file not read whole (it could not be read, holds text after a NUL, is UTF-16) is held back:
// it is not written over until the user, having been told, changes what it holds.
#include "files/content_fingerprint.h"
#include "files/errors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CompanionFile {
public:
    enum class ReadOutcome {
        NotRead,        // no read yet: nothing is known of the file
        Absent,         // nothing at the path (a link pointing nowhere counts as nothing)
        NotPlainFile,   // a folder, a pipe or a device where the file belongs
        Unreadable,     // a file that refused opening or reading
        CutShortAtNul,  // text follows a NUL, where every reader stops
        Utf16,          // a UTF-16 byte-order mark: not Shift-JIS text
        Whole,
    };

    // What one save did.
    enum class SaveResult {
        HeldBack,          // held back and unchanged by the user: nothing written
        Written,           // this window's content is on disk
        KeptOtherVersion,  // changed only by someone else: left as they made it
        WrittenWithConflictCopy,
    };

    CompanionFile() = default;
    explicit CompanionFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // Reads the whole file and remembers what it found and the bytes' fingerprint. Gives the bytes
    // (none when there was nothing to read). Never throws: see outcome() and throwIfNotReadWhole().
    // A file not read whole is held back.
    std::string read();
    ReadOutcome outcome() const { return outcome_; }
    bool absent() const { return outcome_ == ReadOutcome::Absent; }
    // Could not be read at all (NotPlainFile, Unreadable).
    bool unreadable() const;
    // Throws the error that tells the user the file was not read whole (FileOpenError,
    // FileCutShortError, NotShiftJisError); nothing when it was.
    void throwIfNotReadWhole() const;

    // The content as this window holds it right after the read, in the form a save would write it
    // (nullopt: a save would delete the file). A save compares against it to know whether this
    // window changed anything.
    void setReadContent(std::optional<std::string_view> content);

    bool heldBack() const { return heldBack_; }
    void holdBack() { heldBack_ = true; }
    // The user changed what the file holds, having been told it was not read whole.
    void release() { heldBack_ = false; }
    // Whether a save of content may write: not held back, or the content is no longer what was read.
    bool mayWrite(std::optional<std::string_view> content) const;
    // Whether content differs from what this window last read or wrote.
    bool changedByThisWindow(std::optional<std::string_view> content) const;

    // Whether the file on disk is no longer what this window last read or wrote. A file that
    // cannot be read now counts as changed; one never read successfully counts as unchanged.
    bool changedOnDisk() const;

    // Whether the file, as this window last read or wrote it, held just the content this window
    // holds for it: then a save of that same content writes nothing.
    bool onDiskAsHeld() const { return onDisk_ && *onDisk_ == held_; }
    // Saves content (nullopt: deletes the file) by the rules at the top, under the folder's
    // SaveLock. Throws FileCreateError, with the cause and the content, when the file or the
    // conflict copy cannot be written (also when no plain file stands at the path), FileOpenError
    // when the changed file on disk cannot be read to be kept.
    SaveResult save(std::optional<std::string_view> content);
    // Remembers that content is now on disk, written by this window (the settings store writes
    // its merged document itself).
    void noteWritten(std::optional<std::string_view> content);

    // The file as this window last read or wrote it; nullopt when that is not known.
    const std::optional<ContentFingerprint>& lastKnownOnDisk() const { return onDisk_; }
    // What this window holds now is the unsaved change of a run that ended without its close,
    // made while the file was as base (that run's lastKnownOnDisk()). A save then goes as that
    // run's close would have: over the file when nobody changed it since, with a conflict copy of
    // the other version when somebody did.
    void takeUnsavedChange(const std::optional<ContentFingerprint>& base);

    // The conflict copy the last save made, when it made one.
    const std::string& conflictCopy() const { return conflictCopy_; }

private:
    using Fingerprint = ContentFingerprint;
    std::string keepConflictCopy(std::string_view otherVersion) const;
    // Throws error with the content this save could not write, for the user to keep elsewhere.
    [[noreturn]] static void throwUnsaved(FileCreateError error, std::optional<std::string_view> content);
    void write(std::optional<std::string_view> content);

    std::string path_;
    ReadOutcome outcome_ = ReadOutcome::NotRead;
    bool heldBack_ = false;
    std::optional<Fingerprint> onDisk_;  // nullopt: not known (never read whole or written)
    Fingerprint held_;                   // the window's content at the last read or write
    std::string conflictCopy_;
};

// prefix followed by the date and time now (YYYYMMDD-HHMMSS), and "-2", "-3"... when a file of that
// name is there already: a name beside the companion files for a copy kept aside.
std::string freeTimeStampedName(const std::string& prefix);

// Why a companion file could not be written, found after the fact, for telling the user.
enum class WriteFailure { ReadOnlyFile, NotAFile, FolderNotWritable, DiskFull, Unknown };
WriteFailure diagnoseWriteFailure(const std::string& path);
