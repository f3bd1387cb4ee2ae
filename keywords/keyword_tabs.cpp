// The keyword tabs and their files: the first tab's tree at start, the save of the tree on show
// at a tab switch, a backup and close (the backup and restore: keywords/keyword_backup.cpp).
#include "app/main_window.h"
#include "files/companion_file.h"
#include "files/companion_paths.h"
#include "files/errors.h"
#include "files/file_io.h"
#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "text/sjis_text.h"
#include "widgets/dialogs.h"
#include "widgets/tab_control.h"

#include <optional>

namespace {
// What a save puts on disk: the tree's lines (written, of nodeCount nodes), then the lines a depth
// error left unplaced; a tree of the first node alone and nothing unplaced is not worth a file
// (nullopt: the file is deleted), and the tab shows the fresh tree instead.
std::optional<std::string> treeFileContent(size_t nodeCount, std::string written, const std::string& unplacedLines)
{
    if (nodeCount < 2 && unplacedLines.empty())
        return std::nullopt;
    appendUnplacedLines(written, unplacedLines);
    return written;
}

std::optional<std::string> shownTreeFileContent(const KeywordTreeView& view, const std::string& unplacedLines)
{
    ViewFileBytes shown = fileBytesOfView(view);
    return treeFileContent(shown.nodes, std::move(shown.bytes), unplacedLines);
}

}  // namespace

void TForm1::LoadFirstKeywordTab()
{
    // Without a file the tab shows the fresh tree, which is the content the window was built with.
    try {
        showKeywordTab(0);
    } catch (const FileOpenError& error) {
        // The built-in tree now stands in for tab 0; saving it at close would replace (or, being
        // a single node, delete) a file the user has never seen.
        keywordTabs_.file = CompanionFile(error.path);
        keywordTabs_.unplacedLines.clear();
        keywordTabs_.file.setReadContent(shownTreeFileContent(*TreeView1, {}));
        keywordTabs_.file.holdBack();
        keywordTabs_.unchangedAt = TreeView1->changeCount();
        throw;
    }
}

void TForm1::showFreshKeywordTree() { showForest(*TreeView1, {{0, toSjis(QStringLiteral("検索キーワード"))}}); }

void TForm1::showKeywordTab(int tab)
{
    CompanionFile file(keywordTreeFilePath(companionBase(), tab));
    const std::string bytes = file.read();
    // A file that cannot be read changes nothing: the tree on show, its tab and its file stay.
    if (file.outcome() == CompanionFile::ReadOutcome::Unreadable)
        file.throwIfNotReadWhole();
    // A folder where the file belongs shows the fresh tree; a save then reports that it cannot
    // write there.
    const bool notAFile = file.outcome() == CompanionFile::ReadOutcome::NotPlainFile;
    if (notAFile)
        file.release();
    std::optional<TreeDepthError> depthError;
    std::string unplacedLines;
    if (file.absent() || notAFile || file.outcome() == CompanionFile::ReadOutcome::Utf16) {
        // UTF-16 read as Shift-JIS would be one node of noise, which the next save would delete.
        showFreshKeywordTree();
        file.setReadContent(std::nullopt);
    } else {
        KeywordTreeReadStop read = showTreeFile(*TreeView1, bytes);
        unplacedLines = std::move(read.unplacedLines);
        file.setReadContent(shownTreeFileContent(*TreeView1, unplacedLines));
        depthError = std::move(read.error);
    }
    // From here the tree on show is this tab's, also when the read stopped part-way (at a bad
    // depth or a NUL); then the rest of the file must survive until the user, having seen the
    // error, changes the tree.
    CurrentKeyTab = tab;
    if (depthError)
        file.holdBack();
    keywordTabs_.file = std::move(file);
    keywordTabs_.unplacedLines = std::move(unplacedLines);
    keywordTabs_.unchangedAt = TreeView1->changeCount();
    if (depthError)
        throw *depthError;
    if (!notAFile)
        keywordTabs_.file.throwIfNotReadWhole();
}

void TForm1::SaveShownKeywordTree()
{
    // CurrentKeyTab names the file: after a failed tab switch the tab bar already shows another.
    if (keywordTabs_.file.path() != keywordTreeFilePath(companionBase(), CurrentKeyTab)) {
        keywordTabs_.file = CompanionFile(keywordTreeFilePath(companionBase(), CurrentKeyTab));
        keywordTabs_.unplacedLines.clear();
        keywordTabs_.unchangedAt.reset();
    }
    // A tab only looked at, whose file is in the form a save writes: the save would write nothing.
    if (keywordTabs_.unchangedAt == TreeView1->changeCount() && keywordTabs_.file.onDiskAsHeld())
        return;
    const auto result = keywordTabs_.file.save(shownTreeFileContent(*TreeView1, keywordTabs_.unplacedLines));
    keywordTabs_.unchangedAt = TreeView1->changeCount();
    if (result == CompanionFile::SaveResult::WrittenWithConflictCopy)
        tellOfConflictCopy(keywordTabs_.file.path(), keywordTabs_.file.conflictCopy());
}

void TForm1::TabControl2Change()
{
    // The tab bar has already moved on; CurrentKeyTab still names the tab of the tree on show.
    commitOpenEdits();
    SaveShownKeywordTree();
    showKeywordTab(TabControl2->TabIndex());
}
