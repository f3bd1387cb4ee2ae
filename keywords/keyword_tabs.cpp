// The keyword tabs and their files: the first tab's tree at start, the save of the tree on show
// at a tab switch, a backup and close (the backup and restore: keywords/keyword_backup.cpp).
#include "app/main_window.h"
#include "files/companion_paths.h"
#include "files/errors.h"
#include "files/file_content.h"
#include "files/file_io.h"
#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

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
        keywordTabs_.fileHeldBack = true;
        throw;
    }
}

void TForm1::showFreshKeywordTree() { showForest(*TreeView1, {{0, toSjis(QStringLiteral("検索キーワード"))}}); }

void TForm1::showKeywordTab(int tab)
{
    const std::string path = keywordTreeFilePath(executablePath(), tab);
    if (!fileExists(path)) {
        showFreshKeywordTree();
        CurrentKeyTab = tab;
        keywordTabs_.fileHeldBack = false;
        keywordTabs_.unplacedLines.clear();
        return;
    }
    // A file that cannot be opened changes nothing: the tree on show and its tab stay.
    const std::string bytes = readWholeFile(path);
    if (startsWithUtf16Mark(bytes)) {
        // Read as Shift-JIS it would be one node of noise, which the next save would delete.
        showFreshKeywordTree();
        CurrentKeyTab = tab;
        keywordTabs_.fileHeldBack = true;
        keywordTabs_.unplacedLines.clear();
        throw NotShiftJisError(path);
    }
    KeywordTreeReadResult read = readKeywordTree(bytes);
    showForest(*TreeView1, read.nodes);
    keywordTabs_.unplacedLines = std::move(read.unplacedLines);
    // From here the tree on show is this tab's, also when the read stopped part-way (at a bad
    // depth or a NUL); then the rest of the file must survive until the user, having seen the
    // error, changes the tree.
    CurrentKeyTab = tab;
    const bool cutShort = hasTextAfterNul(bytes);
    keywordTabs_.fileHeldBack = read.error.has_value() || cutShort;
    if (read.error)
        throw *read.error;
    if (cutShort)
        throw FileCutShortError(path);
}

void TForm1::SaveShownKeywordTree()
{
    if (keywordTabs_.fileHeldBack)
        return;
    const std::string path = keywordTreeFilePath(executablePath(), CurrentKeyTab);
    const KeywordForest nodes = forestOfView(*TreeView1);
    // A tree of the first node alone is not worth a file: the tab shows the fresh tree instead.
    // A file the user made read-only is not deleted either, nor one that holds unplaced lines.
    if (nodes.size() < 2 && keywordTabs_.unplacedLines.empty()) {
        if (isReadOnlyFile(path))
            throw FileCreateError(path);
        removeFile(path);
        return;
    }
    if (!writeFileAtomically(path, writeKeywordTree(nodes, keywordTabs_.unplacedLines)))
        throw FileCreateError(path);
}

void TForm1::TabControl2Change()
{
    // The tab bar has already moved on; CurrentKeyTab still names the tab of the tree on show.
    commitOpenEdits();
    SaveShownKeywordTree();
    showKeywordTab(TabControl2->TabIndex());
}
