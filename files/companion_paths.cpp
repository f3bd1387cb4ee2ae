#include "files/companion_paths.h"

std::string companionFilePath(const std::string& exePath, std::string_view ext)
{
    const auto slash = exePath.find_last_of('/');
    const auto nameStart = (slash == std::string::npos) ? 0 : slash + 1;
    const auto dot = exePath.find_last_of('.');
    std::string path = (dot != std::string::npos && dot >= nameStart) ? exePath.substr(0, dot) : exePath;
    path += ext;
    return path;
}

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
    const auto slash = exePath.find_last_of('/');
    const std::string folder = (slash == std::string::npos) ? std::string("./") : exePath.substr(0, slash + 1);
    return folder + "HELP/index.htm";
}
