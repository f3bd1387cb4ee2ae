#include "files/save_lock.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kLockName[] = ".ribemo.lock";
constexpr long kPollNs = 5'000'000;

long long nowMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// Whether the file locked through fd is still the one under the lock's name: a holder removes it
// before it lets go, and a waiter that then gets the old file's lock holds nothing.
bool stillTheLockFile(int fd, const std::string& lockFile)
{
    struct stat locked {};
    struct stat named {};
    return ::fstat(fd, &locked) == 0 && ::lstat(lockFile.c_str(), &named) == 0 && locked.st_dev == named.st_dev &&
           locked.st_ino == named.st_ino;
}

}  // namespace

std::string SaveLock::lockFileFor(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + kLockName;
}

SaveLock::SaveLock(const std::string& path, int waitMs) : lockFile_(lockFileFor(path))
{
    // Polled rather than blocking, so the wait has an end even when a holder hangs.
    const long long deadline = nowMs() + waitMs;
    for (;;) {
        // O_NONBLOCK and O_NOFOLLOW: whatever someone put under the lock's name (a pipe, a link)
        // cannot hold the save up at the open or make it lock another file.
        // Read-only is enough for an flock, and works on a lock file another user left.
        const int fd = ::open(lockFile_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0600);
        if (fd < 0)
            return;
        int result;
        while ((result = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && (errno == EWOULDBLOCK || errno == EINTR) &&
               nowMs() < deadline) {
            const timespec pause{0, kPollNs};
            ::nanosleep(&pause, nullptr);
        }
        struct stat st {};
        const bool locked = result == 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
        if (locked && stillTheLockFile(fd, lockFile_)) {
            fd_ = fd;
            return;
        }
        ::close(fd);
        if (!locked || nowMs() >= deadline)
            return;
    }
}

SaveLock::~SaveLock()
{
    if (fd_ < 0)
        return;
    // Removed while still locked, so the folder keeps no file of the lock between saves.
    ::unlink(lockFile_.c_str());
    ::close(fd_);
}
