#include "files/companion_paths.h"

#include "files/errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

TEST(CompanionPaths, ExtensionOfTheFileNameIsReplaced)
{
    EXPECT_EQ(companionFilePath("/opt/r/ribemo", ".ini"), "/opt/r/ribemo.ini");
    EXPECT_EQ(companionFilePath("/opt/r/tool.exe", ".ini"), "/opt/r/tool.ini");
    // A dot in a folder name is not the file's extension.
    EXPECT_EQ(companionFilePath("/opt/r.d/ribemo", ".fal"), "/opt/r.d/ribemo.fal");
    EXPECT_EQ(companionFilePath("ribemo", ".ask"), "ribemo.ask");
}

TEST(CompanionPaths, KeywordTreeFilesAndBackupsPerTab)
{
    const std::string exe = "/p/tool.exe";
    EXPECT_EQ(keywordTreeFilePath(exe, 0), "/p/tool.ask");
    EXPECT_EQ(keywordTreeFilePath(exe, 1), "/p/tool.ask2");
    EXPECT_EQ(keywordTreeFilePath(exe, 2), "/p/tool.ask3");
    EXPECT_EQ(keywordTreeBackupPath(exe, 0), "/p/tool.ask.bak");
    EXPECT_EQ(keywordTreeBackupPath(exe, 2), "/p/tool.ask3.bak");
}

TEST(CompanionPaths, ManifestAndHelpPage)
{
    EXPECT_EQ(manifestFilePath("/p/tool.exe"), "/p/tool.exe.manifest");
    EXPECT_EQ(helpPagePath("/p/q/ribemo"), "/p/q/HELP/index.htm");
    EXPECT_EQ(settingsFilePath("/p/ribemo"), "/p/ribemo.ini");
    EXPECT_EQ(watchedListFilePath("/p/ribemo"), "/p/ribemo.fal");
}

namespace {
namespace fs = std::filesystem;

// A scratch tree holding a build folder, a copied folder named bin, and an installed prefix.
struct Tree {
    Tree()
    {
        root = fs::temp_directory_path() / ("ribemo-paths-" + std::to_string(::getpid()));
        fs::create_directories(root / "build" / "HELP");
        fs::create_directories(root / "copy" / "bin");
        fs::create_directories(root / "usr" / "bin");
        fs::create_directories(root / "usr" / "share" / "ribemo" / "HELP");
        std::ofstream(root / "build" / "HELP" / "index.htm") << "beside";
        std::ofstream(root / "usr" / "share" / "ribemo" / "HELP" / "index.htm") << "installed";
    }
    ~Tree() { fs::remove_all(root); }
    std::string operator()(const std::string& relative) const { return (root / relative).string(); }
    fs::path root;
};
}  // namespace

TEST(CompanionPaths, DataFolderBesideTheExecutableUnlessInstalledOrGiven)
{
    const Tree tree;
    const fs::path startFolder = fs::current_path();
    fs::current_path(tree.root);
    struct Case {
        const char* what;
        std::string exe, given;
        const char *xdg, *home;
        std::string folder, companion, help;
    };
    const Case cases[] = {
        {"build folder", tree("build/ribemo"), "", "/x", "/h", "", tree("build/ribemo.ini"),
         tree("build/HELP/index.htm")},
        {"copied folder named bin", tree("copy/bin/ribemo"), "", "/x", "/h", "", tree("copy/bin/ribemo.ini"),
         tree("copy/bin/HELP/index.htm")},
        {"installed", tree("usr/bin/ribemo"), "", "/x/data", "/h", "/x/data/ribemo", "/x/data/ribemo/ribemo.ini",
         tree("usr/share/ribemo/HELP/index.htm")},
        {"installed, no XDG_DATA_HOME", tree("usr/bin/ribemo"), "", nullptr, "/h", "/h/.local/share/ribemo",
         "/h/.local/share/ribemo/ribemo.ini", tree("usr/share/ribemo/HELP/index.htm")},
        {"installed, empty XDG_DATA_HOME", tree("usr/bin/ribemo"), "", "", "/root", "/root/.local/share/ribemo",
         "/root/.local/share/ribemo/ribemo.ini", tree("usr/share/ribemo/HELP/index.htm")},
        {"installed, relative XDG_DATA_HOME", tree("usr/bin/ribemo"), "", "rel", "/h", "/h/.local/share/ribemo",
         "/h/.local/share/ribemo/ribemo.ini", tree("usr/share/ribemo/HELP/index.htm")},
        {"given, relative to the start folder", tree("build/ribemo"), "sync/../mine", "/x", "/h", tree("mine"),
         tree("mine/ribemo.ini"), tree("build/HELP/index.htm")},
        {"given wins over installed", tree("usr/bin/ribemo"), "/s/r", "/x", "/h", "/s/r", "/s/r/ribemo.ini",
         tree("usr/share/ribemo/HELP/index.htm")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string folder = chooseDataFolder(c.exe, c.given, c.xdg, c.home);
        EXPECT_EQ(folder, c.folder);
        EXPECT_EQ(settingsFilePath(companionBasePath(c.exe, folder)), c.companion);
        EXPECT_EQ(manifestFilePath(companionBasePath(c.exe, folder)).rfind(folder.empty() ? c.exe : folder, 0), 0u)
            << "the settings reset's manifest stays out of the install prefix";
        EXPECT_EQ(helpPagePath(c.exe), c.help);
    }
    fs::current_path(startFolder);
}

TEST(CompanionPaths, DataFolderIsMadeForItsOwnerOnly)
{
    const Tree tree;
    const std::string folder = tree("home/.local/share/ribemo");
    const auto oldMask = ::umask(022);
    makeDataFolder(folder);
    makeDataFolder(folder);  // a second start finds it there
    ::umask(oldMask);
    for (const char* made : {"home", "home/.local", "home/.local/share", "home/.local/share/ribemo"})
        EXPECT_EQ(fs::status(tree(made)).permissions(), fs::perms::owner_all) << made;

    std::ofstream(tree("file")) << "";
    EXPECT_THROW(makeDataFolder(tree("file/ribemo")), FileCreateError);
}
