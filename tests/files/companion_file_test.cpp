#include "files/companion_file.h"

#include "files/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using Content = std::optional<std::string>;  // nullopt: no file

struct SaveCase {
    const char* what;
    Content before;                  // the file as this window reads it
    std::optional<Content> outside;  // what another program makes of it before the save
    Content ours;                    // what this window saves
    CompanionFile::SaveResult result;
    Content after;
    bool rewritten;  // whether the save put a new file in place
};

Content contentAt(const std::string& path) { return fs::exists(path) ? Content(readWholeFile(path)) : std::nullopt; }

void put(const std::string& path, const Content& content)
{
    if (content)
        ASSERT_TRUE(writeFileAtomically(path, *content));
    else
        fs::remove(path);
}

ino_t inodeOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(CompanionFileSave, WritesKeepsOrCopiesByWhoChangedTheFile)
{
    using R = CompanionFile::SaveResult;
    const SaveCase cases[] = {
        // A tab only looked at leaves its file as it is: no new file, no sync.
        {"looked at, not changed", "A\r\n", std::nullopt, "A\r\n", R::Written, "A\r\n", false},
        {"changed here", "A\r\n", std::nullopt, "B\r\n", R::Written, "B\r\n", true},
        {"emptied here", "A\r\n", std::nullopt, std::nullopt, R::Written, std::nullopt, false},
        {"no file, nothing to keep", std::nullopt, std::nullopt, std::nullopt, R::Written, std::nullopt, false},
        {"changed outside only", "A\r\n", Content("C\r\n"), "A\r\n", R::KeptOtherVersion, "C\r\n", false},
        {"changed on both sides", "A\r\n", Content("C\r\n"), "B\r\n", R::WrittenWithConflictCopy, "B\r\n", true},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = fs::temp_directory_path() / ("companion-file-test-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        const std::string path = (folder / "ribemo.ask").string();
        put(path, c.before);

        CompanionFile file(path);
        const std::string read = file.read();
        file.setReadContent(file.absent() ? std::nullopt : std::optional<std::string_view>(read));
        if (c.outside)
            put(path, *c.outside);
        const ino_t inodeBefore = inodeOf(path);

        EXPECT_EQ(file.save(c.ours), c.result);
        EXPECT_EQ(contentAt(path), c.after);
        if (c.after) {
            EXPECT_EQ(inodeOf(path) != inodeBefore, c.rewritten);
        }
        if (c.result == R::WrittenWithConflictCopy) {
            EXPECT_EQ(contentAt(file.conflictCopy()), *c.outside);
        }
        // What this save wrote or left is what the next one compares against; the other side's
        // version is taken in at the next read.
        EXPECT_EQ(file.changedOnDisk(), c.result == R::KeptOtherVersion);
        fs::remove_all(folder);
    }
}

}  // namespace
