#include "files/file_io.h"

#include "files/errors.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
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
        if (pid == ::getpid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
            ::unlink((folder + entry->d_name).c_str());
    }
    ::closedir(dir);
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

std::string readWholeFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
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

bool writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string target = writeTarget(path);
    if (target.empty())
        return false;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        // Never replace a folder or device that sits where the file belongs, nor a file the
        // user has made read-only; one that already holds the bytes needs no writing.
        if (!S_ISREG(existing.st_mode))
            return false;
        if (readOnly(target, existing))
            return holds(target, bytes);
    } else if (errno != ENOENT) {
        return false;
    }

    const std::string folder = folderOf(target);
    removeLeftoverTemps(folder);
    std::string temp = folder + tempPrefix(target) + std::to_string(::getpid()) + "-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const mode_t mode = (existing.st_mode != 0) ? (existing.st_mode & 07777) : 0644;
    const bool written = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool removeFile(const std::string& path)
{
    const std::string target = writeTarget(path);
    if (target.empty() || !fileExists(target) || isReadOnlyFile(target))
        return false;
    return ::unlink(target.c_str()) == 0;
}

bool copyFileReplacing(const std::string& from, const std::string& to)
{
    if (!fileExists(from))
        return false;
    try {
        return writeFileAtomically(to, readWholeFile(from));
    } catch (const FileOpenError&) {
        return false;
    }
}
