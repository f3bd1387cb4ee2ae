#pragma once
// Every file the program keeps is named after the executable. A program that runs from a folder of
// its own (the build folder, a copied folder) keeps them beside the executable; an installed one
// keeps them in a data folder of the user's, since the install prefix belongs to the system. The
// paths are built afresh each time, never from the current folder.
#include <string>
#include <string_view>

// The executable's path with the extension of its file name replaced by ext (".ini"); a name
// without an extension gets ext appended.
std::string companionFilePath(const std::string& exePath, std::string_view ext);

// What the companion files are named after: the executable's own path, or, with a data folder,
// the executable's file name inside that folder.
std::string companionBasePath(const std::string& exePath, const std::string& dataFolder);

// A path's last part: the name of a companion file without its folder.
std::string fileNameOf(const std::string& path);

std::string settingsFilePath(const std::string& exePath);
std::string watchedListFilePath(const std::string& exePath);
// Tab 0 ends ".ask", tab 1 ".ask2", tab 2 ".ask3".
std::string keywordTreeFilePath(const std::string& exePath, int tab);
std::string keywordTreeBackupPath(const std::string& exePath, int tab);
// The executable's full name followed by ".manifest" (its own extension stays).
std::string manifestFilePath(const std::string& exePath);
// The executable's folder with its trailing separator, then "HELP/index.htm"; when that page is
// missing and an installed one is there, <prefix>/share/ribemo/HELP/index.htm.
std::string helpPagePath(const std::string& exePath);

// Installed: the executable lies in <prefix>/bin and <prefix>/share/ribemo is a folder.
bool isInstalledProgram(const std::string& exePath);
// A module of the program's own (the engine's, the chart's): beside the executable, or, installed,
// in the package's private library folder, as Debian places a program's own modules:
// <prefix>/bin/ribemo finds <prefix>/lib/<multiarch>/ribemo/.
std::string programModulePath(const std::string& exePath, const std::string& name);

// The folder the companion files go to; empty means beside the executable. A folder given on the
// command line wins; an installed program uses $XDG_DATA_HOME/ribemo, or ~/.local/share/ribemo
// when that variable is unset, empty or not an absolute path (as the XDG rules say).
std::string chooseDataFolder(const std::string& exePath, const std::string& givenFolder, const char* xdgDataHome,
                             const char* home);

// Makes the data folder and its missing parents; the folder itself only its owner may enter
// (0700), as it holds the user's searches. An existing folder is left as it is. Throws
// FileWriteError when it cannot be made.
void makeDataFolder(const std::string& folder);
