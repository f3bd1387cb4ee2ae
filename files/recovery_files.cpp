#include "files/recovery_files.h"

#include "files/companion_file.h"
#include "files/companion_paths.h"
#include "files/errors.h"
#include "files/file_io.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::string_view kLockEnd = ".lock";
// A lock being made: locked under this name first, then renamed to its own, so that no other copy
// ever sees the lock of a running copy unlocked.
constexpr std::string_view kNewLockEnd = ".new";

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// The start of the hidden names, without the folder: "." + name + ".recovery-".
std::string hiddenStart(const std::string& companionBase) { return "." + fileNameOf(companionBase) + ".recovery-"; }

// The id that follows the start: the process id, "-", six letters or digits (mkstemp's).
bool isRecordId(std::string_view id)
{
    const auto dash = id.find('-');
    if (dash == 0 || dash == std::string_view::npos || id.size() - dash - 1 != 6)
        return false;
    const auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    const auto isAlnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    return std::all_of(id.begin(), id.begin() + static_cast<long>(dash), isDigit) &&
           std::all_of(id.begin() + static_cast<long>(dash) + 1, id.end(), isAlnum);
}

// Locks the file at path without waiting: its descriptor, or -1 when another process holds the
// lock, the file is gone or is no plain file. create makes a missing lock file.
int tryLock(const std::string& path, bool create)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | (create ? O_CREAT : 0), 0600);
    if (fd < 0)
        return -1;
    struct stat locked {};
    struct stat named {};
    // The holder may have removed the file just before letting go: the lock then holds nothing.
    if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        ::lstat(path.c_str(), &named) != 0 || named.st_dev != locked.st_dev || named.st_ino != locked.st_ino) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Removes the file at path when its lock can be taken: what a copy that no longer runs left.
void removeIfUnlocked(const std::string& path)
{
    const int fd = tryLock(path, false);
    if (fd < 0)
        return;
    ::unlink(path.c_str());
    ::close(fd);
}

}  // namespace

OwnRecoveryRecord::OwnRecoveryRecord(std::string companionBase) : base_(std::move(companionBase)) {}

OwnRecoveryRecord::~OwnRecoveryRecord()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

int OwnRecoveryRecord::takeLock()
{
    std::string fresh =
        folderOf(base_) + hiddenStart(base_) + std::to_string(::getpid()) + "-XXXXXX" + std::string(kNewLockEnd);
    const int fd = ::mkostemps(fresh.data(), static_cast<int>(kNewLockEnd.size()), O_CLOEXEC);
    if (fd < 0)
        return errno;
    const std::string record = fresh.substr(0, fresh.size() - kNewLockEnd.size());
    const std::string lock = record + std::string(kLockEnd);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::rename(fresh.c_str(), lock.c_str()) != 0) {
        const int cause = errno;
        ::unlink(fresh.c_str());
        ::close(fd);
        return cause;
    }
    lockFd_ = fd;
    record_ = record;
    lock_ = lock;
    return 0;
}

int OwnRecoveryRecord::write(const std::string& bytes)
{
    if (lockFd_ < 0)
        if (const int cause = takeLock(); cause != 0)
            return cause;
    return replaceFile(record_, bytes);
}

void OwnRecoveryRecord::clear()
{
    if (!record_.empty())
        ::unlink(record_.c_str());
}

void OwnRecoveryRecord::remove()
{
    clear();
    if (lockFd_ < 0)
        return;
    // Removed while still locked, so no other copy takes the record for one left behind.
    ::unlink(lock_.c_str());
    ::close(lockFd_);
    lockFd_ = -1;
}

LeftRecoveryRecord::LeftRecoveryRecord(std::string record, std::string lock, int lockFd)
    : record_(std::move(record)), lock_(std::move(lock)), lockFd_(lockFd)
{}

LeftRecoveryRecord::LeftRecoveryRecord(LeftRecoveryRecord&& other) noexcept
    : record_(std::move(other.record_)), lock_(std::move(other.lock_)), lockFd_(std::exchange(other.lockFd_, -1))
{}

LeftRecoveryRecord& LeftRecoveryRecord::operator=(LeftRecoveryRecord&& other) noexcept
{
    if (this != &other) {
        if (lockFd_ >= 0)
            ::close(lockFd_);
        record_ = std::move(other.record_);
        lock_ = std::move(other.lock_);
        lockFd_ = std::exchange(other.lockFd_, -1);
    }
    return *this;
}

LeftRecoveryRecord::~LeftRecoveryRecord()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

std::string LeftRecoveryRecord::read() const { return readWholeFile(record_); }

std::string LeftRecoveryRecord::keepAside(const std::string& companionBase)
{
    const std::string aside = freeTimeStampedName(folderOf(companionBase) + fileNameOf(companionBase) + ".recovery-");
    if (::rename(record_.c_str(), aside.c_str()) != 0)
        return {};
    remove();
    return aside;
}

void LeftRecoveryRecord::remove()
{
    ::unlink(record_.c_str());
    if (lockFd_ < 0)
        return;
    ::unlink(lock_.c_str());
    ::close(lockFd_);
    lockFd_ = -1;
}

std::vector<LeftRecoveryRecord> findLeftRecoveryRecords(const std::string& companionBase)
{
    const std::string folder = folderOf(companionBase);
    const std::string start = hiddenStart(companionBase);
    std::vector<std::string> records;
    std::vector<std::string> locks;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return {};
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(start))
            continue;
        std::string_view id = name.substr(start.size());
        const bool lock = id.ends_with(kLockEnd);
        const bool newLock = id.ends_with(kNewLockEnd);
        if (lock)
            id.remove_suffix(kLockEnd.size());
        if (newLock)
            id.remove_suffix(kNewLockEnd.size());
        if (!isRecordId(id))
            continue;
        (lock || newLock ? locks : records).push_back(folder + std::string(name));
    }
    ::closedir(dir);

    std::vector<std::pair<long long, LeftRecoveryRecord>> left;
    for (const std::string& record : records) {
        const std::string lock = record + std::string(kLockEnd);
        std::erase(locks, lock);
        const int fd = tryLock(lock, true);
        struct stat st {};
        if (fd < 0)
            continue;  // its copy is still at work
        if (::lstat(record.c_str(), &st) != 0) {
            // Its copy ended cleanly just now.
            ::unlink(lock.c_str());
            ::close(fd);
            continue;
        }
        left.emplace_back(st.st_mtim.tv_sec * 1'000'000'000LL + st.st_mtim.tv_nsec,
                          LeftRecoveryRecord(record, lock, fd));
    }
    for (const std::string& lock : locks)
        removeIfUnlocked(lock);

    std::stable_sort(left.begin(), left.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<LeftRecoveryRecord> found;
    for (auto& [time, record] : left)
        found.push_back(std::move(record));
    return found;
}
