// ツール → キーワードツリーのバックアップ / レストア: all three keyword tree files copied as one set.
// Each is all or nothing: every file of the set is written under a temporary name first and only
// put in place once all of them are written, so a full disk or a file that refuses leaves the
// previous set (the backups, or today's trees) exactly as it was.
#include "files/companion_paths.h"
#include "files/file_io.h"
#include "files/save_lock.h"
#include "keywords/keyword_errors.h"
#include "keywords/keyword_tabs.h"
#include "widgets/dialogs.h"
#include "widgets/tab_control.h"

#include <cerrno>
#include <optional>
#include <vector>

namespace {

using Command = KeywordBackupError::Command;

// One file of the set: the file copied from, the file it replaces.
struct SetMember {
    std::string from;
    std::string to;
};

// The content of from, or nothing when there is no such file.
std::optional<std::string> contentOf(Command command, const std::string& from)
{
    if (!fileExists(from))
        return std::nullopt;
    try {
        return readWholeFile(from);
    } catch (const FileOpenError&) {
        throw KeywordBackupError(command, from, true, errno != 0 ? errno : EIO);
    }
}

// Makes every to a copy of its from, and deletes a to whose from does not exist (a tab without a
// file ends up without one). Nothing is replaced or deleted until every copy is written.
void replaceSet(Command command, const std::vector<SetMember>& set)
{
    // The trees' files change here as at a save: another copy's save of the folder waits.
    const SaveLock lock(set.front().to);
    removeLeftoverTemporaries(set.front().to);
    std::vector<StagedFile> staged;
    std::vector<std::string> deleted;
    const auto discardAll = [&staged] {
        for (const StagedFile& file : staged)
            discardStagedFile(file);
    };
    try {
        for (const SetMember& member : set) {
            const std::optional<std::string> content = contentOf(command, member.from);
            if (!content) {
                deleted.push_back(member.to);
                continue;
            }
            StagedFile file;
            if (const int cause = stageFile(member.to, *content, file); cause != 0)
                throw KeywordBackupError(command, member.to, false, cause);
            staged.push_back(file);
        }
    } catch (...) {
        discardAll();
        throw;
    }
    for (size_t i = 0; i < staged.size(); ++i) {
        if (const int cause = commitStagedFile(staged[i]); cause != 0) {
            // Only a rename inside one folder is left to fail here, which hardly happens; the
            // files already renamed stay, the rest keep their old content.
            for (size_t rest = i; rest < staged.size(); ++rest)
                discardStagedFile(staged[rest]);
            throw KeywordBackupError(command, staged[i].target, false, cause);
        }
    }
    // Failed deletions are silent, as the copies of these two commands always were.
    for (const std::string& path : deleted)
        removeFile(path);
}

}  // namespace

void KeywordTabs::N24Click()
{
    commitOpenEdit();
    SaveShownKeywordTree();
    std::vector<SetMember> set;
    for (int tab = 0; tab < static_cast<int>(kKeywordTabCount); ++tab)
        set.push_back({keywordTreeFilePath(companionBase(), tab), keywordTreeBackupPath(companionBase(), tab)});
    replaceSet(Command::Backup, set);
}

void KeywordTabs::N25Click()
{
    // Without a single backup a restore would only delete the three keyword files.
    bool anyBackup = false;
    for (int tab = 0; tab < static_cast<int>(kKeywordTabCount); ++tab)
        anyBackup = anyBackup || fileExists(keywordTreeBackupPath(companionBase(), tab));
    if (!anyBackup) {
        guard_.dialogs().inform(guard_.owner(), QMessageBox::NoIcon, QStringLiteral("キーワードツリーのレストア"),
                                QStringLiteral("キーワードツリーのバックアップがありません。"));
        return;
    }
    commitOpenEdit();
    // The menu items sit next to each other: one slip of the mouse must not replace every tree.
    const auto answer = guard_.dialogs().ask(
        guard_.owner(), QMessageBox::Question, QStringLiteral("キーワードツリーのレストア"),
        QStringLiteral(
            "キーワードツリーをバックアップの内容に戻します。今のキーワードツリーは失われます。よろしいですか？"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // The tree on show is not saved: its changes since the last save are dropped.
    std::vector<SetMember> set;
    for (int tab = 0; tab < static_cast<int>(kKeywordTabCount); ++tab)
        set.push_back({keywordTreeBackupPath(companionBase(), tab), keywordTreeFilePath(companionBase(), tab)});
    replaceSet(Command::Restore, set);
    // The tab bar's tab is shown, and from then on it names the tree on show: after a failed tab
    // switch the two differ, and the restored tree must not be saved into the other tab's file.
    try {
        showKeywordTab(TabControl2->TabIndex());
    } catch (const FileOpenError&) {
        // The tree on show is from before the restore; it must not overwrite the restored file.
        file_.holdBack();
        throw;
    }
}
