#include "files/companion_paths.h"

#include "files/errors.h"

#include <cerrno>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return (slash == std::string::npos) ? std::string("./") : path.substr(0, slash + 1);
}

bool isFolder(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

bool isFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// <prefix>/share/ribemo for an executable in <prefix>/bin.
fs::path installedShareFolder(const std::string& exePath)
{
    const fs::path binFolder = fs::path(exePath).parent_path();
    return binFolder.parent_path() / "share" / "ribemo";
}
}  // namespace

std::string companionFilePath(const std::string& exePath, std::string_view ext)
{
    const auto slash = exePath.find_last_of('/');
    const auto nameStart = (slash == std::string::npos) ? 0 : slash + 1;
    const auto dot = exePath.find_last_of('.');
    std::string path = (dot != std::string::npos && dot >= nameStart) ? exePath.substr(0, dot) : exePath;
    path += ext;
    return path;
}

std::string companionBasePath(const std::string& exePath, const std::string& dataFolder)
{
    if (dataFolder.empty())
        return exePath;
    const auto slash = exePath.find_last_of('/');
    const std::string name = (slash == std::string::npos) ? exePath : exePath.substr(slash + 1);
    return (dataFolder.back() == '/' ? dataFolder : dataFolder + '/') + name;
}

std::string fileNameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

std::string settingsFilePath(const std::string& exePath) { return companionFilePath(exePath, ".ini"); }

std::string watchedListFilePath(const std::string& exePath) { return companionFilePath(exePath, ".fal"); }

std::string keywordTreeFilePath(const std::string& exePath, int tab)
{
    std::string path = companionFilePath(exePath, ".ask");
    if (tab > 0)
        path += std::to_string(tab + 1);
    return path;
}

std::string keywordTreeBackupPath(const std::string& exePath, int tab)
{
    return keywordTreeFilePath(exePath, tab) + ".bak";
}

std::string manifestFilePath(const std::string& exePath) { return exePath + ".manifest"; }

std::string helpPagePath(const std::string& exePath)
{
    const std::string beside = folderOf(exePath) + "HELP/index.htm";
    if (isFile(beside) || !isInstalledProgram(exePath))
        return beside;
    const fs::path installed = installedShareFolder(exePath) / "HELP" / "index.htm";
    return isFile(installed) ? installed.string() : beside;
}

bool isInstalledProgram(const std::string& exePath)
{
    const fs::path binFolder = fs::path(exePath).parent_path();
    return binFolder.filename() == "bin" && isFolder(installedShareFolder(exePath));
}

std::string programModulePath(const std::string& exePath, const std::string& name)
{
    if (!isInstalledProgram(exePath))
        return folderOf(exePath) + name;
    return (fs::path(exePath).parent_path().parent_path() / RIBEMO_MODULE_DIR / name).lexically_normal().string();
}

std::string chooseDataFolder(const std::string& exePath, const std::string& givenFolder, const char* xdgDataHome,
                             const char* home)
{
    if (!givenFolder.empty())
        return fs::absolute(givenFolder).lexically_normal().string();
    if (!isInstalledProgram(exePath))
        return {};
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute())
        return (fs::path(xdgDataHome) / "ribemo").lexically_normal().string();
    std::string homeFolder = (home && *home) ? home : "";
    if (homeFolder.empty()) {
        const passwd* account = ::getpwuid(::getuid());
        homeFolder = (account && account->pw_dir) ? account->pw_dir : "/";
    }
    return (fs::path(homeFolder) / ".local" / "share" / "ribemo").lexically_normal().string();
}

void makeDataFolder(const std::string& folder)
{
    if (isFolder(folder))
        return;
    // Each missing folder on the way is made as the XDG rules ask (0700); the mode goes to mkdir
    // itself, so no folder is ever open to others, not even briefly.
    fs::path partial;
    for (const fs::path& part : fs::path(folder)) {
        partial /= part;
        if (isFolder(partial))
            continue;
        if (::mkdir(partial.c_str(), 0700) != 0 && !(errno == EEXIST && isFolder(partial)))
            throw FileCreateError(folder);
    }
}
