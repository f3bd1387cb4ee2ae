#pragma once
// Keeps this copy's recovery record (files/recovery_files.h) a moment behind the user. A change
// starts a short wait; then what the features hold unsaved is taken on the window's thread (the
// file bytes of a 100,000-node tree take a few milliseconds) and written whole, synced and renamed
// into place on a thread of the keeper's own, so no key the user types waits for the disk. The
// wait gathers a burst of changes into one write, and a write that is still going when the next
// is ready is simply followed by the newest.
//
// A record that cannot be written (a full disk, a read-only folder) is told once in the status
// bar; the run goes on, and the close saves the files as always.
#include "files/recovery_record.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // What the features hold that their files do not, taken on the window's thread.
    using Unsaved = std::function<std::vector<RecoveryEntry>()>;
    // tell shows a text in the status bar.
    RecoveryKeeper(std::string companionBase, Unsaved unsaved, std::function<void(const QString&)> tell);
    // A write under way, or waiting, is finished first; the record stays on disk (only finish()
    // removes it), so that a run ending without its close leaves it for the next start.
    ~RecoveryKeeper() override;

    // From a change to the record on disk: the wait, then the write.
    static constexpr int kDelayMs = 200;

    // From now on every change is kept (called once the start has read the files).
    void start();
    // Something the user keeps changed (or was saved): the record follows within a moment.
    void noteChange();
    // The window's thread's whole share of keeping: takes what is unsaved and hands it to the
    // writing thread.
    void takeSnapshot();
    // Takes what is unsaved and waits until it is on disk; whether it got there.
    bool keepNow();
    // Waits until the writing thread has nothing left to do; 0 or why its last write failed.
    int waitUntilWritten();
    // A clean close, every save done: no write more, and the record goes with its lock.
    void finish();

private:
    class Writer;
    void writeDone(int cause);

    std::string companionBase_;
    Unsaved unsaved_;
    std::function<void(const QString&)> tell_;
    QTimer wait_;
    bool keeping_ = false;
    bool failureTold_ = false;
    std::unique_ptr<Writer> writer_;
};
