#pragma once
// Every file the program keeps lies beside the executable and is named after it. The paths are
// built afresh from the executable's full path each time, never from the current folder.
#include <string>
#include <string_view>

// The executable's path with the extension of its file name replaced by ext (".ini"); a name
// without an extension gets ext appended.
std::string companionFilePath(const std::string& exePath, std::string_view ext);

std::string settingsFilePath(const std::string& exePath);
std::string watchedListFilePath(const std::string& exePath);
// Tab 0 ends ".ask", tab 1 ".ask2", tab 2 ".ask3".
std::string keywordTreeFilePath(const std::string& exePath, int tab);
std::string keywordTreeBackupPath(const std::string& exePath, int tab);
// The executable's full name followed by ".manifest" (its own extension stays).
std::string manifestFilePath(const std::string& exePath);
// The executable's folder with its trailing separator, then "HELP/index.htm".
std::string helpPagePath(const std::string& exePath);
