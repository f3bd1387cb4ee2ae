// A close that cannot write a file: a pipe in the file's place never holds the close up and is
// named as what it is; a full disk is named as such, and what the file was to hold can be saved
// where the user chooses before the question whether to quit without it.
#include "files/file_io.h"
#include "search/search_bar.h"
#include "tests/support/form_fixture.h"

#include <atomic>
#include <fcntl.h>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

class UnwritableClose : public FormFixture {};

TEST_F(UnwritableClose, APipeInPlaceOfAFileIsNamedAndTheChangeStays)
{
    for (const std::string suffix : {".ask", ".fal"}) {
        SCOPED_TRACE(suffix);
        const std::string path = folder.file(suffix);
        start();
        form().searchBar().setKeywordText("K");
        formControl<QAction>(form(), "N6")->trigger();
        formControl<QAction>(form(), "A1")->trigger();
        ::unlink(path.c_str());
        ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        // A close waiting at the pipe is let go by a writer, so the test fails instead of hanging.
        std::atomic<bool> closed = false, rescued = false;
        std::thread rescue([&] {
            for (int tick = 0; !closed; ++tick) {
                if (const int fd = tick > 500 ? ::open(path.c_str(), O_WRONLY | O_NONBLOCK) : -1; fd >= 0) {
                    rescued = true;
                    ::close(fd);
                }
                ::usleep(10000);
            }
        });
        dialogs.answers = {QMessageBox::No, QMessageBox::No};  // not kept elsewhere; not quit
        EXPECT_FALSE(closeWindow());
        closed = true;
        rescue.join();
        EXPECT_FALSE(rescued);
        ASSERT_EQ(dialogs.errors().size(), 1u);
        EXPECT_TRUE(dialogs.errors()[0].contains(
            QString::fromStdString(path) + " を作成できません（その名前で名前付きパイプ (FIFO) が置かれています）"));
        ::unlink(path.c_str());  // the pipe gone, the same close writes the change
        ASSERT_TRUE(closeWindow());
        EXPECT_NE(folder.read(suffix).find(suffix == ".ask" ? "K" : ","), std::string::npos);
        TearDown();
        dialogs.shown.clear();
    }
}

TEST_F(UnwritableClose, AFullDiskIsSaidAndTheTreeCanBeSavedElsewhere)
{
    // A file system of its own, made full: only the superuser can mount one.
    const std::string disk = folder.folder() + "/disk";
    ::mkdir(disk.c_str(), 0755);
    if (::geteuid() != 0 || ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small file system needs the superuser to mount it";
    const std::shared_ptr<void> unmount(nullptr, [&](void*) { ::umount2(disk.c_str(), MNT_DETACH); });
    ASSERT_TRUE(writeFileAtomically(disk + "/ribemo.ask", "root\r\n"));
    ASSERT_EQ(::symlink("disk/ribemo.ask", folder.file(".ask").c_str()), 0);
    start();
    form().searchBar().setKeywordText("K");
    formControl<QAction>(form(), "N6")->trigger();
    const std::string filler = disk + "/filler", block(4096, 'x');
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0644);
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);

    const std::string elsewhere = folder.folder() + "/kept.ask";
    dialogs.savePaths = {QString::fromStdString(elsewhere)};
    dialogs.answers = {QMessageBox::Yes, QMessageBox::No};  // keep it elsewhere; do not quit
    EXPECT_FALSE(closeWindow());
    ASSERT_EQ(dialogs.shown.size(), 3u);  // the box, the save dialog, the quit question
    EXPECT_TRUE(dialogs.shown[0].text.contains("を作成できません（ディスクの空きがありません）"));
    EXPECT_EQ(dialogs.shown[1].buttons, QMessageBox::Save);
    EXPECT_EQ(readWholeFile(elsewhere), "root\r\nK\r\n");
    EXPECT_EQ(readWholeFile(disk + "/ribemo.ask"), "root\r\n");
    ::unlink(filler.c_str());
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(readWholeFile(disk + "/ribemo.ask"), "root\r\nK\r\n");
}

}  // namespace
