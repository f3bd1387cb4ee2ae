// The files a user keeps beside the program may hold anything: random bytes, one endless line, a
// tree ten thousand levels deep, NULs, bytes that are not Shift-JIS, a file that cannot be read,
// a folder where a file belongs. Whatever they hold, start-up reaches the help page, every error
// is shown, and a close never writes over a file the program could not read unless the user was
// told first.
#include "files/file_io.h"
#include "tests/support/form_fixture.h"

#include <QProgressBar>

#include <random>
#include <string>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string randomBytes(size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator() & 0xFF);
    return bytes;
}

std::string deepChain(int levels)
{
    std::string text;
    for (int depth = 0; depth < levels; ++depth)
        text += std::string(static_cast<size_t>(depth), '\t') + "k" + std::to_string(depth) + "\r\n";
    return text;
}

struct HostileContent {
    const char* name;
    std::string bytes;
};

std::vector<HostileContent> hostileContents()
{
    return {
        {"random bytes", randomBytes(1 << 20, 7)},
        {"ten megabytes of one line", std::string(10 << 20, 'x')},
        {"a 10000-level tree", deepChain(10000)},
        {"NULs", std::string("a\r\n\0\0b\r\n\0", 9) + randomBytes(512, 3)},
        {"invalid Shift-JIS", std::string("\x81\r\n\t\xFD\xFE\xFF\r\n\xA0\x80,\"\x81\"\r\n[Form\r\nTop=\x82", 28)},
    };
}

const char* const kCompanionFiles[] = {".ini", ".ask", ".fal"};

class HostileFiles : public FormFixture {
protected:
    void expectStartUpCompleted()
    {
        ASSERT_NE(form().ProgressBar1, nullptr);
        ASSERT_FALSE(browser->navigations.isEmpty());
        EXPECT_EQ(browser->navigations.front(), QString::fromStdString(folder.folder() + "/HELP/index.htm"));
        EXPECT_EQ(form().CurrentKeyTab, 0);
    }
};

}  // namespace

TEST_F(HostileFiles, AnyContentInAnyFileStartsAndClosesWithoutHarm)
{
    for (const auto& content : hostileContents()) {
        for (const char* suffix : kCompanionFiles) {
            SCOPED_TRACE(std::string(content.name) + " in " + suffix);
            folder.write(suffix, content.bytes);
            start();
            expectStartUpCompleted();
            const bool sawError = !dialogs.errors().empty();
            EXPECT_TRUE(closeWindow());
            // A keyword file whose reading stopped at an error keeps all it holds.
            if (std::string(suffix) == ".ask" && sawError) {
                EXPECT_EQ(folder.read(suffix), content.bytes);
            }
            TearDown();
            dialogs.shown.clear();
            removeFile(folder.file(suffix));
        }
    }
}

TEST_F(HostileFiles, AFolderWhereAFileBelongsIsReportedAndLeftAlone)
{
    for (const char* suffix : kCompanionFiles) {
        SCOPED_TRACE(suffix);
        removeFile(folder.file(suffix));  // written by the previous round's close
        ASSERT_EQ(::mkdir(folder.file(suffix).c_str(), 0755), 0);
        start();
        expectStartUpCompleted();
        if (std::string(suffix) == ".ask") {
            // The tree on show is the one-node fresh tree, whose file the close deletes; a folder
            // is not a file and is not touched.
            EXPECT_TRUE(closeWindow());
        } else {
            // The close cannot write that file: it says so and the window stays open.
            EXPECT_FALSE(closeWindow());
            EXPECT_FALSE(dialogs.errors().empty());
            // The close stops at the failing step: after the settings, the list is not written.
            if (std::string(suffix) == ".ini") {
                EXPECT_FALSE(folder.exists(".fal"));
            }
        }
        struct stat st {};
        ASSERT_EQ(::stat(folder.file(suffix).c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        ::rmdir(folder.file(suffix).c_str());
        EXPECT_TRUE(closeWindow());
        TearDown();
        dialogs.shown.clear();
    }
}

TEST_F(HostileFiles, AnUnreadableFileIsReportedBeforeAnythingIsWrittenOverIt)
{
    // Reading is refused by taking a user's file-system identity on this (the reading) thread;
    // a root test run would otherwise read any file.
    ::chmod(folder.folder().c_str(), 0777);
    for (const char* suffix : kCompanionFiles) {
        SCOPED_TRACE(suffix);
        const std::string original = std::string("[ETC]\r\nA\r\n\tB\r\nx,y\r\n");
        folder.write(suffix, original);
        ::chmod(folder.file(suffix).c_str(), 0000);
        const uid_t previous = static_cast<uid_t>(::setfsuid(65534));
        ::setfsgid(65534);
        start();
        ::setfsuid(previous);
        ::setfsgid(0);
        expectStartUpCompleted();
        const auto errors = dialogs.errors();
        ASSERT_FALSE(errors.empty());
        EXPECT_TRUE(errors.front().contains(QString::fromStdString(folder.file(suffix)))) << errors.front().toStdString();
        // Nothing was written over it during start-up.
        ::chmod(folder.file(suffix).c_str(), 0644);
        EXPECT_EQ(folder.read(suffix), original);
        closeWindow();
        TearDown();
        dialogs.shown.clear();
        removeFile(folder.file(suffix));
    }
}
