// The keyword tabs and their files: the first tab's tree at start, the save of the tree on show
// at a tab switch, a backup and close, and the backup and restore of all three files.
#include "files/companion_paths.h"
#include "files/errors.h"
#include "files/file_io.h"
#include "app/main_window.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"
#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"

namespace {
constexpr int kKeywordTabCount = 3;
}

void TForm1::LoadFirstKeywordTab()
{
    // Without a file the tree keeps the content the window was built with.
    if (!fileExists(keywordTreeFilePath(executablePath(), 0)))
        return;
    try {
        showKeywordTab(0);
    } catch (const FileOpenError&) {
        // The built-in tree now stands in for tab 0; saving it at close would replace (or, being
        // a single node, delete) a file the user has never seen.
        keywordFileHeldBack_ = true;
        throw;
    }
}

void TForm1::showFreshKeywordTree()
{
    showForest(*TreeView1, {{0, toSjis(QStringLiteral("検索キーワード"))}});
}

void TForm1::showKeywordTab(int tab)
{
    const std::string path = keywordTreeFilePath(executablePath(), tab);
    if (!fileExists(path)) {
        showFreshKeywordTree();
        CurrentKeyTab = tab;
        keywordFileHeldBack_ = false;
        return;
    }
    // A file that cannot be opened changes nothing: the tree on show and its tab stay.
    const KeywordTreeReadResult read = readKeywordTree(readWholeFile(path));
    showForest(*TreeView1, read.nodes);
    // From here the tree on show is this tab's, also when the read stopped part-way; then the
    // rest of the file must survive until the user, having seen the error, changes the tree.
    CurrentKeyTab = tab;
    keywordFileHeldBack_ = read.error.has_value();
    if (read.error)
        throw *read.error;
}

void TForm1::SaveShownKeywordTree()
{
    if (keywordFileHeldBack_)
        return;
    const std::string path = keywordTreeFilePath(executablePath(), CurrentKeyTab);
    const KeywordForest nodes = forestOfView(*TreeView1);
    // A tree of the first node alone is not worth a file: the tab shows the fresh tree instead.
    if (nodes.size() < 2) {
        removeFile(path);
        return;
    }
    if (!writeFileAtomically(path, writeKeywordTree(nodes)))
        throw FileCreateError(path);
}

void TForm1::TabControl2Change()
{
    // The tab bar has already moved on; CurrentKeyTab still names the tab of the tree on show.
    SaveShownKeywordTree();
    showKeywordTab(TabControl2->TabIndex());
}

void TForm1::N24Click()
{
    SaveShownKeywordTree();
    // The backups become a snapshot of the set: a tab without a file is left without a backup.
    for (int tab = 0; tab < kKeywordTabCount; ++tab) {
        const std::string backup = keywordTreeBackupPath(executablePath(), tab);
        removeFile(backup);
        copyFileNoOverwrite(keywordTreeFilePath(executablePath(), tab), backup);
    }
}

void TForm1::N25Click()
{
    // The tree on show is not saved: its changes since the last save are dropped.
    for (int tab = 0; tab < kKeywordTabCount; ++tab) {
        const std::string file = keywordTreeFilePath(executablePath(), tab);
        removeFile(file);
        copyFileNoOverwrite(keywordTreeBackupPath(executablePath(), tab), file);
    }
    // The tab bar's tab is shown, and from then on CurrentKeyTab names it: after a failed tab
    // switch the two differ, and the restored tree must not be saved into the other tab's file.
    try {
        showKeywordTab(TabControl2->TabIndex());
    } catch (const FileOpenError&) {
        // The tree on show is from before the restore; it must not overwrite the restored file.
        keywordFileHeldBack_ = true;
        throw;
    }
}
