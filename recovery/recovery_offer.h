#pragma once
// At start: the recovery records that copies of the program left behind when they ended without
// their close (killed, crashed, the power gone), found beside the companion files
// (files/recovery_files.h). One question covers them all:
// - はい (the default): each record's files are taken back, oldest record first, as this run's
//   own unsaved changes, so the close saves them by the usual rules (another copy's later save
//   of a file is kept as a conflict copy); this run's record then holds them, and theirs go;
// - いいえ: they are kept aside under names the user sees (NAME.recovery-YYYYMMDD-HHMMSS).
// A record that cannot be read is kept aside the same way, and the user told so; nothing of it
// is taken. A record whose files hold its content already (its copy was killed right after
// saving) is simply removed, without a question.
#include "files/recovery_record.h"

#include <functional>
#include <string>

class Dialogs;
class RecoveryKeeper;
class QWidget;

struct RecoveryTarget {
    // Whether the entry names a file this window keeps, in the form it keeps.
    std::function<bool(const RecoveryEntry&)> accepts;
    // Takes the entry as this run's unsaved change; throws what went wrong.
    std::function<void(const RecoveryEntry&)> take;
};

// Throws the first error that taking an entry threw, once every record has been dealt with (the
// record whose entry failed is kept aside).
void offerLeftRecoveryRecords(Dialogs& dialogs, QWidget* owner, const std::string& companionBase,
                              const RecoveryTarget& target, RecoveryKeeper& keeper);
