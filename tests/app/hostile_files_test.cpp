// The files a user keeps beside the program may hold anything: random bytes, one endless line, a
// tree ten thousand levels deep, NULs, bytes that are not Shift-JIS, a file that cannot be read,
// a folder where a file belongs. Whatever they hold, start-up reaches the help page, every error
// is shown, and a close never writes over a file the program could not read unless the user was
// told first.
#include "files/file_io.h"
#include "keywords/keyword_tabs.h"
#include "search/search_bar.h"
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
        ASSERT_NE(formControl<QProgressBar>(form(), "ProgressBar1"), nullptr);
        ASSERT_FALSE(browser->navigations.isEmpty());
        EXPECT_EQ(browser->navigations.front(), QString::fromStdString(folder.folder() + "/HELP/index.htm"));
        EXPECT_EQ(form().keywordTabs().CurrentKeyTab(), 0);
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
        // Nothing could be read there, so the close leaves it alone (the keyword tree on show is
        // the one-node fresh tree, whose file the close would delete; a folder is no file).
        EXPECT_TRUE(closeWindow());
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
        EXPECT_TRUE(errors.front().contains(QString::fromStdString(folder.file(suffix))))
            << errors.front().toStdString();
        // Nothing is written over it, neither during start-up nor by the close.
        ::chmod(folder.file(suffix).c_str(), 0644);
        EXPECT_TRUE(closeWindow());
        EXPECT_EQ(folder.read(suffix), original);
        TearDown();
        dialogs.shown.clear();
        removeFile(folder.file(suffix));
    }
}

TEST_F(HostileFiles, AFileNotReadWholeIsToldAndKeptUntilTheUserChangesIt)
{
    using namespace std::string_literals;
    const struct {
        const char* suffix;
        std::string bytes;
    } cases[] = {
        {".ask", "A\r\n\tB\r\n\0\tC\r\n"s},
        {".ask",
         "\xFF\xFE"
         "A\0\r\0\n\0\t\0B\0\r\0\n\0"s},  // UTF-16
        {".fal", "a,b\r\n\0c,d\r\n"s},
        {".ini", "[Aucfun]\r\nURL=x\r\n\0[ETC]\r\nMsgKeyDel=0\r\n"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.suffix + std::to_string(c.bytes.size()));
        folder.write(c.suffix, c.bytes);
        // Told at start, kept by the close; once the user has changed the tree and the list, the
        // close writes them.
        for (bool changed : {false, true}) {
            start();
            if (changed) {
                form().searchBar().setKeywordText("K");
                formControl<QAction>(form(), "N6")->trigger();
                formControl<QAction>(form(), "A1")->trigger();
            } else {
                ASSERT_EQ(dialogs.errors().size(), 1u);
                EXPECT_TRUE(dialogs.errors()[0].contains(QString::fromStdString(folder.file(c.suffix))));
            }
            EXPECT_TRUE(closeWindow());
            EXPECT_EQ(folder.read(c.suffix) == c.bytes, !changed || std::string(c.suffix) == ".ini");
            TearDown();
            dialogs.shown.clear();
        }
        removeFile(folder.file(c.suffix));
    }
}

TEST_F(HostileFiles, ALinkStaysALinkAndAReadOnlyFileStaysWhileTheUserMayStillQuit)
{
    ::mkdir((folder.folder() + "/kept").c_str(), 0755);
    ASSERT_TRUE(writeFileAtomically(folder.folder() + "/kept/list.fal", "a,b\r\n"));
    ASSERT_EQ(::symlink("kept/list.fal", folder.file(".fal").c_str()), 0);
    folder.write(".ini", "[ETC]\r\n");
    ::chmod(folder.file(".ini").c_str(), 0444);
    start();
    formControl<QAction>(form(), "A1")->trigger();
    // The close cannot write the settings but still writes the list (through the link); the user
    // keeps the window, then leaves without the settings (declining twice to keep them elsewhere).
    dialogs.answers = {QMessageBox::No, QMessageBox::No, QMessageBox::No, QMessageBox::Yes};
    EXPECT_FALSE(closeWindow());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QString::fromStdString(folder.file(".ini"))));
    EXPECT_EQ(dialogs.shown[1].defaultButton, QMessageBox::No);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ini"), "[ETC]\r\n");
    EXPECT_EQ(folder.read(".fal"), ",\r\na,b\r\n");
    TearDown();

    // Writable again: the list goes through the link; a read-only keyword file whose tree is
    // unchanged asks for no write, so the close goes through.
    ::chmod(folder.file(".ini").c_str(), 0644);
    folder.write(".ask", "A\r\n\tB\r\n");
    ::chmod(folder.file(".ask").c_str(), 0444);
    start();
    formControl<QAction>(form(), "A1")->trigger();
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask"), "A\r\n\tB\r\n");
    struct stat st {};
    ASSERT_EQ(::lstat(folder.file(".fal").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(readWholeFile(folder.folder() + "/kept/list.fal"), ",\r\n,\r\na,b\r\n");
}
