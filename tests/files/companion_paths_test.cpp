#include "files/companion_paths.h"

#include <gtest/gtest.h>

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
