#include "recovery/recovery_offer.h"

#include "files/companion_paths.h"
#include "files/errors.h"
#include "files/file_io.h"
#include "files/recovery_files.h"
#include "recovery/recovery_keeper.h"
#include "widgets/dialogs.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <exception>
#include <optional>
#include <vector>

namespace {

const QString kCaption = QStringLiteral("変更の復元");

struct Offered {
    LeftRecoveryRecord record;
    std::vector<RecoveryEntry> entries;
    bool failed = false;
};

QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('/') + 1); }

// The file holds the entry's content already (its copy was killed right after a save). Only an
// entry whose file's earlier state is known counts: the settings' entry is the values changed,
// not the file.
bool alreadyOnDisk(const std::string& folder, const RecoveryEntry& entry)
{
    if (!entry.base)
        return false;
    const std::string path = folder + entry.file;
    if (!entry.content)
        return !fileExists(path) && notAFileAt(path) == NotAFile::None;
    try {
        return fileExists(path) && readWholeFile(path) == *entry.content;
    } catch (const FileOpenError&) {
        return false;
    }
}

// The entries of the record, or nullopt when it cannot be read or names a file this window
// does not keep: nothing of such a record is taken.
std::optional<std::vector<RecoveryEntry>> entriesOf(const LeftRecoveryRecord& record, const RecoveryTarget& target)
{
    std::optional<std::vector<RecoveryEntry>> entries;
    try {
        entries = readRecoveryRecord(record.read());
    } catch (const FileOpenError&) {
        return std::nullopt;
    }
    if (entries && !std::all_of(entries->begin(), entries->end(), target.accepts))
        return std::nullopt;
    return entries;
}

QString keptAsideName(LeftRecoveryRecord& record, const std::string& companionBase)
{
    const std::string aside = record.keepAside(companionBase);
    return pathText(aside.empty() ? record.path() : aside);
}

}  // namespace

void offerLeftRecoveryRecords(Dialogs& dialogs, QWidget* owner, const std::string& companionBase,
                              const RecoveryTarget& target, RecoveryKeeper& keeper)
{
    const std::string folder = folderOf(companionBase);
    std::vector<Offered> offered;
    QStringList unreadable;
    for (LeftRecoveryRecord& record : findLeftRecoveryRecords(companionBase)) {
        std::optional<std::vector<RecoveryEntry>> entries = entriesOf(record, target);
        if (!entries) {
            unreadable << keptAsideName(record, companionBase);
            continue;
        }
        std::erase_if(*entries, [&](const RecoveryEntry& entry) { return alreadyOnDisk(folder, entry); });
        if (entries->empty())
            record.remove();
        else
            offered.push_back({std::move(record), std::move(*entries)});
    }
    if (!unreadable.isEmpty())
        dialogs.inform(owner, QMessageBox::Warning, kCaption,
                       QStringLiteral("保存されていない変更の記録が壊れていたため、復元できませんでした。\r\n"
                                      "記録は次の名前で残してあります。\r\n") +
                           unreadable.join(QStringLiteral("\r\n")));
    if (offered.empty())
        return;

    const auto answer = dialogs.ask(
        owner, QMessageBox::Question, kCaption,
        QStringLiteral("前回 Ribemo が正しく終了しなかったため、保存されていない変更が残っています。復元しますか？"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) {
        for (Offered& one : offered)
            keptAsideName(one.record, companionBase);
        return;
    }
    std::exception_ptr failure;
    for (Offered& one : offered) {
        try {
            for (const RecoveryEntry& entry : one.entries)
                target.take(entry);
        } catch (...) {
            one.failed = true;
            if (!failure)
                failure = std::current_exception();
        }
    }
    // Their content lives on in this run's record before theirs go; where this run's cannot be
    // written, theirs are kept aside rather than lost.
    const bool kept = keeper.keepNow();
    for (Offered& one : offered) {
        if (kept && !one.failed)
            one.record.remove();
        else
            keptAsideName(one.record, companionBase);
    }
    if (failure)
        std::rethrow_exception(failure);
}
