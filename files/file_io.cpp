#include "files/file_io.h"

#include "files/errors.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kTempMark = ".ribemo-";
// More links in a row than this is a loop (the system's own limit is 40).
constexpr int kMostLinksFollowed = 40;

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The folder part of path with its trailing separator.
std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a write to path really lands in: the end of the chain of symbolic links that path
// starts, so that the rename replaces the target and the link stays a link. Empty for a loop.
std::string writeTarget(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops <= kMostLinksFollowed; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        char link[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), link, sizeof link);
        if (n <= 0 || static_cast<size_t>(n) >= sizeof link)
            return {};
        const std::string target(link, static_cast<size_t>(n));
        current = target.front() == '/' ? target : folderOf(current) + target;
    }
    return {};
}

bool holds(const std::string& path, std::string_view bytes)
{
    try {
        return readWholeFile(path) == bytes;
    } catch (const FileOpenError&) {
        return false;
    }
}

bool readOnly(const std::string& path, const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// The start of the names of target's temporary files: hidden, named after the file, then the id
// of the process writing it, so a later save can tell a dead writer's leftovers from a live one's.
std::string tempPrefix(const std::string& target) { return "." + nameOf(target) + std::string(kTempMark); }

// The id of the process that wrote the temporary file name, or 0 when name is no temporary file
// of ours: "." file name ".ribemo-" id "-" six random characters.
long writerOf(std::string_view name)
{
    const size_t mark = name.rfind(kTempMark);
    if (!name.starts_with('.') || mark == std::string_view::npos)
        return 0;
    const std::string rest(name.substr(mark + kTempMark.size()));
    char* end = nullptr;
    const long pid = std::strtol(rest.c_str(), &end, 10);
    return (end != rest.c_str() && *end == '-' && std::strlen(end) == 7) ? pid : 0;
}

// The temporary files this process is writing right now. The companion files are saved on the
// window's thread and the recovery record on a thread of its own, and each save clears away
// leftovers: a file of this process's id is a leftover only when no thread of it is writing it
// (it was left by a killed process that had the same id).
class TempsInProgress {
public:
    // Makes the temporary file from temp's pattern (mkstemp) and counts it as in progress.
    int make(std::string& temp)
    {
        const std::lock_guard hold(mutex_);
        const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd >= 0)
            names_.insert(temp);
        return fd;
    }
    void done(const std::string& temp)
    {
        const std::lock_guard hold(mutex_);
        names_.erase(temp);
    }
    // Removes path unless a thread of this process is writing it.
    void removeIfLeftOver(const std::string& path)
    {
        const std::lock_guard hold(mutex_);
        if (!names_.contains(path))
            ::unlink(path.c_str());
    }

private:
    std::mutex mutex_;
    std::set<std::string> names_;
};

TempsInProgress& tempsInProgress()
{
    // Never destroyed: when the display goes away the window system's plugin calls exit(), and the
    // files are saved from an exit handler that runs after the static objects made later than it
    // are gone.
    static TempsInProgress* const temps = new TempsInProgress;
    return *temps;
}

// Removes the temporary files in folder whose writer no longer runs (saves killed before their
// rename), whichever file they were for; those of a copy of the program saving right now stay.
void removeLeftoverTemps(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const long pid = writerOf(entry->d_name);
        if (pid <= 0)
            continue;
        if (pid == ::getpid())
            tempsInProgress().removeIfLeftOver(folder + entry->d_name);
        else if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink((folder + entry->d_name).c_str());
    }
    ::closedir(dir);
}

// Removes a temporary file this process made and no longer needs.
void dropTemporary(const std::string& temp)
{
    ::unlink(temp.c_str());
    tempsInProgress().done(temp);
}

// Makes a rename in folder last over a power cut; a failure here loses nothing already written.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Why a file at target cannot be replaced by a temporary file's rename, or 0 when it can. A folder
// or device that sits where the file belongs is never replaced, nor a file the user has made
// read-only. existing receives what stands there (st_mode 0 when nothing does).
int replaceRefusal(const std::string& target, struct stat& existing)
{
    existing = {};
    if (::stat(target.c_str(), &existing) != 0) {
        const int cause = errno;
        existing = {};
        return cause == ENOENT ? 0 : cause;
    }
    if (S_ISDIR(existing.st_mode))
        return EISDIR;
    if (!S_ISREG(existing.st_mode))
        return EINVAL;
    return readOnly(target, existing) ? EACCES : 0;
}

// Writes bytes to a new temporary file beside target, with mode, flushed to disk. Returns 0 and
// the temporary file's name, or the cause of the failure (the temporary file is then gone).
int writeTemporary(const std::string& target, std::string_view bytes, mode_t mode, std::string& temp)
{
    temp = folderOf(target) + tempPrefix(target) + std::to_string(::getpid()) + "-XXXXXX";
    const int fd = tempsInProgress().make(temp);
    if (fd < 0) {
        const int cause = errno;
        temp.clear();
        return cause;
    }
    int cause = 0;
    if (!writeAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        cause = errno;
    if (::close(fd) != 0 && cause == 0)
        cause = errno;
    if (cause != 0) {
        dropTemporary(temp);
        temp.clear();
    }
    return cause;
}

// Replaces the content of the existing file target in place, for a folder where no temporary file
// can be made (one the user may not write, holding files the user may). Not atomic, so the room
// for the new content is taken first, where the file system can, before a byte changes; a write
// that fails all the same puts the old content back as far as it can.
// Returns 0 or the cause of the failure.
int writeInPlace(const std::string& target, std::string_view bytes)
{
    std::string old;
    try {
        old = readWholeFile(target);
    } catch (const FileOpenError&) {
        return EACCES;  // without the old content a failed write could not be undone
    }
    // O_NONBLOCK: a pipe put in the file's place since the read fails here instead of waiting.
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return EINVAL;
    }
    const auto size = static_cast<off_t>(bytes.size());
    const auto oldSize = static_cast<off_t>(old.size());
    if (bytes.size() > old.size() && ::fallocate(fd, 0, 0, size) != 0 && errno != EOPNOTSUPP) {
        const int cause = errno;
        [[maybe_unused]] const int ignored = ::ftruncate(fd, oldSize);
        ::close(fd);
        return cause;
    }
    int cause = 0;
    if (!writeAll(fd, bytes) || ::ftruncate(fd, size) != 0 || ::fsync(fd) != 0)
        cause = errno;
    if (cause != 0 && ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, old)) {
        [[maybe_unused]] const int ignored = ::ftruncate(fd, oldSize);
    }
    if (::close(fd) != 0 && cause == 0)
        cause = errno;
    return cause;
}

}  // namespace

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isReadOnlyFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && readOnly(path, st);
}

NotAFile notAFileAt(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode))
        return NotAFile::None;
    if (S_ISDIR(st.st_mode))
        return NotAFile::Folder;
    if (S_ISFIFO(st.st_mode))
        return NotAFile::Pipe;
    if (S_ISSOCK(st.st_mode))
        return NotAFile::Socket;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return NotAFile::Device;
    return NotAFile::Other;
}

std::string readWholeFile(const std::string& path)
{
    // O_NONBLOCK: a pipe in the file's place would hold the open until someone writes to it;
    // so it opens at once, and fstat turns it away with anything else that is no plain file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw FileOpenError(path);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw FileOpenError(path);
    }
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            throw FileOpenError(path);
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) { return replaceFile(path, bytes) == 0; }

int replaceFile(const std::string& path, std::string_view bytes)
{
    const std::string target = writeTarget(path);
    if (target.empty())
        return ELOOP;
    struct stat existing {};
    if (const int refusal = replaceRefusal(target, existing); refusal != 0)
        // A read-only file that already holds the bytes needs no writing.
        return (refusal == EACCES && S_ISREG(existing.st_mode) && holds(target, bytes)) ? 0 : refusal;

    const std::string folder = folderOf(target);
    removeLeftoverTemps(folder);
    const mode_t mode = (existing.st_mode != 0) ? (existing.st_mode & 07777) : 0644;
    std::string temp;
    if (const int cause = writeTemporary(target, bytes, mode, temp); cause != 0) {
        // A folder the user may not write can still hold a file the user may: written in place
        // it is saved, if not atomically; refusing it would lose the whole change. A folder
        // marked immutable (EPERM) was locked on purpose, and its files stay as they are.
        return (cause == EACCES && existing.st_mode != 0) ? writeInPlace(target, bytes) : cause;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int cause = errno;
        dropTemporary(temp);
        return cause;
    }
    tempsInProgress().done(temp);
    syncFolder(folder);
    return 0;
}

int stageFile(const std::string& path, std::string_view bytes, StagedFile& staged)
{
    staged = {};
    const std::string target = writeTarget(path);
    if (target.empty())
        return ELOOP;
    struct stat existing {};
    if (const int refusal = replaceRefusal(target, existing); refusal != 0)
        return refusal;
    const mode_t mode = (existing.st_mode != 0) ? (existing.st_mode & 07777) : 0644;
    const int cause = writeTemporary(target, bytes, mode, staged.temp);
    if (cause == 0)
        staged.target = target;
    return cause;
}

int commitStagedFile(const StagedFile& staged)
{
    if (::rename(staged.temp.c_str(), staged.target.c_str()) != 0)
        return errno;
    tempsInProgress().done(staged.temp);
    syncFolder(folderOf(staged.target));
    return 0;
}

void discardStagedFile(const StagedFile& staged)
{
    if (!staged.temp.empty())
        dropTemporary(staged.temp);
}

void removeLeftoverTemporaries(const std::string& path)
{
    const std::string target = writeTarget(path);
    removeLeftoverTemps(folderOf(target.empty() ? path : target));
}

bool removeFile(const std::string& path)
{
    const std::string target = writeTarget(path);
    if (target.empty() || !fileExists(target) || isReadOnlyFile(target))
        return false;
    return ::unlink(target.c_str()) == 0;
}

int newFileRefusal(const std::string& path)
{
    const std::string target = writeTarget(path);
    std::string temp =
        folderOf(target.empty() ? path : target) + tempPrefix(path) + std::to_string(::getpid()) + "-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return 0;
}
