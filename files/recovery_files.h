#pragma once
// Where the recovery records lie and who owns them. Each running copy of the program keeps its own
// record beside the companion files, hidden: "." + the executable's name + ".recovery-" + an id
// of its own, and beside it the same name with ".lock", which the copy holds locked (flock) for as
// long as it runs. The kernel lets go of the lock when the copy ends however it ends, so a record
// whose lock can be taken was left by a copy that no longer runs; one whose lock is held belongs
// to a copy still at work and is left alone. Records the user declined, or that could not be
// read, are kept aside where the user sees them: the executable's name + ".recovery-" + the date
// and time.
#include <string>
#include <vector>

// This copy's record. Made by the first write; a clean close removes it with its lock.
class OwnRecoveryRecord {
public:
    // companionBase: what the companion files are named after (files/companion_paths.h).
    explicit OwnRecoveryRecord(std::string companionBase);
    // Lets go of the lock; the record stays on disk, for the next start to offer.
    ~OwnRecoveryRecord();
    OwnRecoveryRecord(const OwnRecoveryRecord&) = delete;
    OwnRecoveryRecord& operator=(const OwnRecoveryRecord&) = delete;

    // Puts bytes on disk whole (written, synced, renamed into place); the first write takes the
    // lock first. 0, or why it failed (an errno value).
    int write(const std::string& bytes);
    // Nothing is left unsaved: the record goes, the lock stays for later changes.
    void clear();
    // A clean close: the record goes, then the lock.
    void remove();
    // Empty until the first write.
    const std::string& path() const { return record_; }

private:
    int takeLock();

    std::string base_;
    std::string record_;
    std::string lock_;
    int lockFd_ = -1;
};

// A record left by a copy that no longer runs. Its lock is held from the moment it is found, so a
// second copy starting at the same time leaves it alone.
class LeftRecoveryRecord {
public:
    LeftRecoveryRecord(std::string record, std::string lock, int lockFd);
    ~LeftRecoveryRecord();
    LeftRecoveryRecord(LeftRecoveryRecord&& other) noexcept;
    LeftRecoveryRecord& operator=(LeftRecoveryRecord&& other) noexcept;

    const std::string& path() const { return record_; }
    // The record's bytes; throws FileOpenError.
    std::string read() const;
    // Renames the record to a name the user sees beside the companion files; returns that name,
    // or an empty text when it could not be renamed (the record then stays as it is).
    std::string keepAside(const std::string& companionBase);
    // Its content is taken in (or was nothing to take): the record goes, then its lock.
    void remove();

private:
    std::string record_;
    std::string lock_;
    int lockFd_ = -1;
};

// The records in the companion files' folder whose copies no longer run, oldest first. Locks
// left without a record (a copy killed between the two) are cleared away on the way.
std::vector<LeftRecoveryRecord> findLeftRecoveryRecords(const std::string& companionBase);
