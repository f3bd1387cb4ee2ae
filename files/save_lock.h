#pragma once
// The lock that keeps the saves of one folder's companion files apart when several copies of the
// program (or several windows) share the folder. A save checks whether the file changed on disk
// since it was read and then replaces it; without the lock two copies ending together (a logout
// ends every program at once) could both find the file unchanged, and the later rename would
// drop the earlier copy's change without a conflict copy.
//
// The lock is an flock on a hidden file in the folder, removed again by its holder when the save
// is done: the kernel lets go of the flock when its holder dies, so a copy killed in the middle of
// a save never blocks the next one (the file it leaves is simply locked anew). It is held for one
// save only, never while a question waits for the user; a copy that finds it held waits a few
// seconds and then saves all the same, with the rule for files changed on disk.
#include <string>

class SaveLock {
public:
    // How long a save waits for another copy's save before it goes ahead without the lock.
    static constexpr int kWaitMs = 4000;

    // Takes the lock of the folder that holds path, waiting at most waitMs. A folder where the
    // lock file cannot be made (read-only, full) is saved in unlocked.
    explicit SaveLock(const std::string& path, int waitMs = kWaitMs);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    bool held() const { return fd_ >= 0; }

    // The lock file of the folder that holds path.
    static std::string lockFileFor(const std::string& path);

private:
    int fd_ = -1;
    std::string lockFile_;
};
