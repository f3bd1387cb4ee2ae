// The keyword tabs and their files: the first tab's tree at start, the save of the tree on show
// at a tab switch, a backup and close (the backup and restore: keywords/keyword_backup.cpp).
#include "keywords/keyword_tabs.h"

#include "files/companion_file.h"
#include "files/companion_paths.h"
#include "files/file_io.h"
#include "keywords/keyword_error_messages.h"
#include "keywords/keyword_errors.h"
#include "keywords/keyword_filter.h"
#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "text/sjis_text.h"
#include "widgets/conflict_notice.h"
#include "widgets/error_box.h"
#include "widgets/tab_control.h"

#include <QLineEdit>

#include <optional>

namespace {

// The tree's errors reach the error box in the user's words from the program's start on.
[[maybe_unused]] const bool messagesAdded = addErrorMessages(&keywordErrorMessage);
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

KeywordTabs::KeywordTabs(const KeywordTabsWidgets& widgets, const SettingsValues& settings, const HandlerGuard& guard,
                         ConflictNotice& conflicts, std::function<std::string()> companionBase)
    : KeywordTabsWidgets(widgets),
      settings_(settings),
      guard_(guard),
      conflicts_(conflicts),
      companionBase_(std::move(companionBase)),
      filter_(new KeywordFilter(*TabControl2->findChild<QLineEdit*>(QStringLiteral("KeywordFilter")), *TreeView1,
                                [this] { guard_([this] { TreeView1DblClick(); }); }))
{
    setUpEditing();
    connect(TreeView1, &KeywordTreeView::nodesChanged, this, &KeywordTabs::contentChanged);
    setUpKeywordNotes();
}

void KeywordTabs::LoadFirstKeywordTab()
{
    // Without a file the tab shows the fresh tree, which is the content the window was built with.
    try {
        showKeywordTab(0);
    } catch (const FileOpenError& error) {
        // The built-in tree now stands in for tab 0; saving it at close would replace (or, being
        // a single node, delete) a file the user has never seen.
        file_ = CompanionFile(error.path);
        unplacedLines_.clear();
        file_.setReadContent(shownTreeFileContent(*TreeView1, {}));
        file_.holdBack();
        unchangedAt_ = TreeView1->changeCount();
        throw;
    }
}

void KeywordTabs::showFreshKeywordTree() { showForest(*TreeView1, {{0, toSjis(QStringLiteral("検索キーワード"))}}); }

void KeywordTabs::showKeywordTab(int tab)
{
    // Whatever shows next, a deletion from the tree on show now cannot be undone into it.
    removed_.clear();
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
    currentKeyTab_ = tab;
    filter_->treeReplaced();
    if (depthError)
        file.holdBack();
    file_ = std::move(file);
    unplacedLines_ = std::move(unplacedLines);
    unchangedAt_ = TreeView1->changeCount();
    if (depthError)
        throw *depthError;
    if (!notAFile)
        file_.throwIfNotReadWhole();
}

void KeywordTabs::SaveShownKeywordTree()
{
    // The tab of the tree on show names the file: after a failed tab switch the tab bar already shows another.
    if (file_.path() != keywordTreeFilePath(companionBase(), currentKeyTab_)) {
        file_ = CompanionFile(keywordTreeFilePath(companionBase(), currentKeyTab_));
        unplacedLines_.clear();
        unchangedAt_.reset();
    }
    // A tab only looked at, whose file is in the form a save writes: the save would write nothing.
    if (unchangedAt_ == TreeView1->changeCount() && file_.onDiskAsHeld())
        return;
    const auto result = file_.save(shownTreeFileContent(*TreeView1, unplacedLines_));
    unchangedAt_ = TreeView1->changeCount();
    emit contentChanged();
    if (result == CompanionFile::SaveResult::WrittenWithConflictCopy)
        conflicts_.tell(file_.path(), file_.conflictCopy());
}

std::optional<RecoveryEntry> KeywordTabs::unsavedChange() const
{
    if (unchangedAt_ == TreeView1->changeCount())
        return std::nullopt;
    const std::string path = keywordTreeFilePath(companionBase(), currentKeyTab_);
    std::optional<std::string> content = shownTreeFileContent(*TreeView1, unplacedLines_);
    // After a failed tab switch file_ may still be another tab's; the save then knows nothing of
    // the file either.
    const bool known = file_.path() == path;
    if (known && !file_.changedByThisWindow(content))
        return std::nullopt;
    return RecoveryEntry{fileNameOf(path), known ? file_.lastKnownOnDisk() : std::nullopt, std::move(content)};
}

std::optional<int> KeywordTabs::tabOfFile(const std::string& name) const
{
    for (int tab = 0; tab < static_cast<int>(kKeywordTabCount); ++tab)
        if (fileNameOf(keywordTreeFilePath(companionBase(), tab)) == name)
            return tab;
    return std::nullopt;
}

void KeywordTabs::takeUnsavedChange(int tab, const RecoveryEntry& entry)
{
    // A tree taken before (from an older record) is saved now, as its copy's close would have
    // saved it: the later change then goes over it by the usual rules.
    if (unchangedAt_ != TreeView1->changeCount())
        SaveShownKeywordTree();
    removed_.clear();
    unplacedLines_.clear();
    if (entry.content)
        unplacedLines_ = showTreeFile(*TreeView1, *entry.content).unplacedLines;
    else
        showFreshKeywordTree();
    {
        const QSignalBlocker quiet(TabControl2);  // no tab switch: nothing of the tree on show is saved
        TabControl2->setTabIndex(tab);
    }
    currentKeyTab_ = tab;
    filter_->treeReplaced();
    file_ = CompanionFile(keywordTreeFilePath(companionBase(), tab));
    file_.takeUnsavedChange(entry.base);
    unchangedAt_.reset();
}

void KeywordTabs::TabControl2Change()
{
    // The tab bar has already moved on; currentKeyTab_ still names the tab of the tree on show.
    commitOpenEdit();
    SaveShownKeywordTree();
    showKeywordTab(TabControl2->TabIndex());
}

void KeywordTabs::showSettings()
{
    for (size_t tab = 0; tab < kKeywordTabCount; ++tab)
        TabControl2->setTabCaption(static_cast<int>(tab), fromSjis(settings_.TabName[tab]));
    N24->setEnabled(settings_.KeyTreeBackupN24);
    N25->setEnabled(settings_.KeyTreeBackupN25);
}
