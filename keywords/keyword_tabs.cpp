// The keyword tabs and their files: the first tab's tree at start, the save of the tree on show
// at a tab switch, a backup and close, and the backup and restore of all three files.
#include "app/main_window.h"
#include "files/companion_paths.h"
#include "files/errors.h"
#include "files/file_content.h"
#include "files/file_io.h"
#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "text/sjis_text.h"
#include "widgets/dialogs.h"
#include "widgets/tab_control.h"

namespace {
constexpr int kKeywordTabCount = 3;

// Makes to a copy of from, or deletes it when there is no from: one file of a backup or restore.
// Failures are silent, as every copy and deletion of these two commands is.
void snapshotFile(const std::string& from, const std::string& to)
{
    if (fileExists(from))
        copyFileReplacing(from, to);
    else
        removeFile(to);
}

}  // namespace

void TForm1::LoadFirstKeywordTab()
{
    // Without a file the tree keeps the content the window was built with.
    if (!fileExists(keywordTreeFilePath(companionBase(), 0)))
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

void TForm1::showFreshKeywordTree() { showForest(*TreeView1, {{0, toSjis(QStringLiteral("検索キーワード"))}}); }

void TForm1::showKeywordTab(int tab)
{
    const std::string path = keywordTreeFilePath(companionBase(), tab);
    if (!fileExists(path)) {
        showFreshKeywordTree();
        CurrentKeyTab = tab;
        keywordFileHeldBack_ = false;
        return;
    }
    // A file that cannot be opened changes nothing: the tree on show and its tab stay.
    const std::string bytes = readWholeFile(path);
    if (startsWithUtf16Mark(bytes)) {
        // Read as Shift-JIS it would be one node of noise, which the next save would delete.
        showFreshKeywordTree();
        CurrentKeyTab = tab;
        keywordFileHeldBack_ = true;
        throw NotShiftJisError(path);
    }
    const KeywordTreeReadResult read = readKeywordTree(bytes);
    showForest(*TreeView1, read.nodes);
    // From here the tree on show is this tab's, also when the read stopped part-way (at a bad
    // depth or a NUL); then the rest of the file must survive until the user, having seen the
    // error, changes the tree.
    CurrentKeyTab = tab;
    const bool cutShort = hasTextAfterNul(bytes);
    keywordFileHeldBack_ = read.error.has_value() || cutShort;
    if (read.error)
        throw *read.error;
    if (cutShort)
        throw FileCutShortError(path);
}

void TForm1::SaveShownKeywordTree()
{
    if (keywordFileHeldBack_)
        return;
    const std::string path = keywordTreeFilePath(companionBase(), CurrentKeyTab);
    const KeywordForest nodes = forestOfView(*TreeView1);
    // A tree of the first node alone is not worth a file: the tab shows the fresh tree instead.
    // A file the user made read-only is not deleted either.
    if (nodes.size() < 2) {
        if (isReadOnlyFile(path))
            throw FileCreateError(path);
        removeFile(path);
        return;
    }
    if (!writeFileAtomically(path, writeKeywordTree(nodes)))
        throw FileCreateError(path);
}

void TForm1::TabControl2Change()
{
    // The tab bar has already moved on; CurrentKeyTab still names the tab of the tree on show.
    commitOpenEdits();
    SaveShownKeywordTree();
    showKeywordTab(TabControl2->TabIndex());
}

void TForm1::N24Click()
{
    commitOpenEdits();
    SaveShownKeywordTree();
    // The backups become a snapshot of the set: a tab without a file is left without a backup.
    // Each copy replaces its backup only once complete, so a failed copy leaves the old one.
    for (int tab = 0; tab < kKeywordTabCount; ++tab)
        snapshotFile(keywordTreeFilePath(companionBase(), tab), keywordTreeBackupPath(companionBase(), tab));
}

void TForm1::N25Click()
{
    // Without a single backup a restore would only delete the three keyword files.
    bool anyBackup = false;
    for (int tab = 0; tab < kKeywordTabCount; ++tab)
        anyBackup = anyBackup || fileExists(keywordTreeBackupPath(companionBase(), tab));
    if (!anyBackup) {
        dialogs().inform(this, QMessageBox::NoIcon, QStringLiteral("キーワードツリーのレストア"),
                         QStringLiteral("キーワードツリーのバックアップがありません。"));
        return;
    }
    commitOpenEdits();
    // The tree on show is not saved: its changes since the last save are dropped.
    for (int tab = 0; tab < kKeywordTabCount; ++tab)
        snapshotFile(keywordTreeBackupPath(companionBase(), tab), keywordTreeFilePath(companionBase(), tab));
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
