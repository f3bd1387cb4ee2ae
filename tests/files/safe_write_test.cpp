// Saves keep what the user set up around a file: a link stays a link and its target gets the
// bytes, a read-only file stays as it is, and what a killed save left behind goes at the next one.
#include "files/file_content.h"
#include "files/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class SafeWrite : public ::testing::Test {
protected:
    SafeWrite()
    {
        char pattern[] = "/tmp/ribemo-safe-write-XXXXXX";
        dir_ = ::mkdtemp(pattern);
    }
    ~SafeWrite() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    std::string read(const std::string& name) const { return readWholeFile(path(name)); }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    std::string dir_;
};

TEST_F(SafeWrite, ALinkIsWrittenThroughToItsTargetAndStaysALink)
{
    fs::create_directory(path("elsewhere"));
    ASSERT_TRUE(writeFileAtomically(path("elsewhere/real.ask"), "old"));
    const struct {
        const char* what;
        std::string linkTarget;
    } cases[] = {{"absolute", path("elsewhere/real.ask")}, {"relative", "elsewhere/real.ask"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(path("ribemo.ask"));
        fs::create_symlink(c.linkTarget, path("ribemo.ask"));
        ASSERT_TRUE(writeFileAtomically(path("ribemo.ask"), std::string("new ") + c.what));
        EXPECT_TRUE(fs::is_symlink(path("ribemo.ask")));
        EXPECT_EQ(read("elsewhere/real.ask"), std::string("new ") + c.what);
        // Copies (backup, restore) go through the link too.
        ASSERT_TRUE(writeFileAtomically(path("ribemo.ask.bak"), "from backup"));
        ASSERT_TRUE(copyFileReplacing(path("ribemo.ask.bak"), path("ribemo.ask")));
        EXPECT_TRUE(fs::is_symlink(path("ribemo.ask")));
        EXPECT_EQ(read("elsewhere/real.ask"), "from backup");
    }
    // Deleting through the link takes the target and keeps the link for the next save.
    EXPECT_TRUE(removeFile(path("ribemo.ask")));
    EXPECT_TRUE(fs::is_symlink(path("ribemo.ask")));
    EXPECT_FALSE(fileExists(path("elsewhere/real.ask")));
    ASSERT_TRUE(writeFileAtomically(path("ribemo.ask"), "again"));
    EXPECT_EQ(read("elsewhere/real.ask"), "again");
}

TEST_F(SafeWrite, AReadOnlyFileIsNeitherReplacedNorDeletedNorCopiedOver)
{
    ASSERT_TRUE(writeFileAtomically(path("ribemo.fal"), "kept"));
    ASSERT_TRUE(writeFileAtomically(path("other"), "other"));
    ::chmod(path("ribemo.fal").c_str(), 0444);
    EXPECT_TRUE(isReadOnlyFile(path("ribemo.fal")));
    EXPECT_FALSE(writeFileAtomically(path("ribemo.fal"), "replaced"));
    EXPECT_FALSE(copyFileReplacing(path("other"), path("ribemo.fal")));
    EXPECT_FALSE(removeFile(path("ribemo.fal")));
    EXPECT_EQ(read("ribemo.fal"), "kept");
    EXPECT_EQ(names(), (std::vector<std::string>{"other", "ribemo.fal"}));
}

TEST_F(SafeWrite, TheNextSaveRemovesWhatAKilledSaveLeftButNotALiveWritersFile)
{
    // A process that has ended stands for the killed save.
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string deadTemp = ".ribemo.ini.ribemo-" + std::to_string(gone) + "-a1b2c3";
    const std::string liveTemp = ".ribemo.ini.ribemo-" + std::to_string(::getppid()) + "-d4e5f6";
    const std::string otherFilesTemp = ".ribemo.fal.ribemo-" + std::to_string(gone) + "-g7h8i9";
    for (const std::string& name : {deadTemp, liveTemp, otherFilesTemp})
        ASSERT_TRUE(writeFileAtomically(path(name), "half"));
    ASSERT_TRUE(writeFileAtomically(path("ribemo.ini"), "whole"));
    EXPECT_EQ(names(), (std::vector<std::string>{otherFilesTemp, liveTemp, "ribemo.ini"}));
}

TEST(FileContent, TextAfterANulAndUtf16MarksAreTold)
{
    using namespace std::string_literals;
    const struct {
        std::string bytes;
        bool cutShort;
        bool utf16;
    } cases[] = {
        {"A\r\n\tB\r\n", false, false},
        {"A\r\n\0\0\0"s, false, false},
        {"A\r\n\0\tB\r\n"s, true, false},
        {"\0A"s, true, false},
        {"\xFF\xFE" "A\0"s, false, true},
        {"\xFE\xFF\0A"s, true, true},
        {"\xEF\xBB\xBF" "A", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(hasTextAfterNul(c.bytes), c.cutShort);
        EXPECT_EQ(startsWithUtf16Mark(c.bytes), c.utf16);
    }
}

}  // namespace
