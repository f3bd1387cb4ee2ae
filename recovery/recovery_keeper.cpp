#include "recovery/recovery_keeper.h"

#include "files/errors.h"
#include "files/recovery_files.h"
#include "widgets/write_failure_text.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// The thread that writes the record. It holds at most one set of entries waiting: a newer one
// replaces it, since only the newest matters.
class RecoveryKeeper::Writer {
public:
    Writer(const std::string& companionBase, std::function<void(int)> done)
        : record_(companionBase), done_(std::move(done)), thread_([this] { run(); })
    {}

    ~Writer() { stop(true); }

    void submit(std::vector<RecoveryEntry> entries)
    {
        const std::lock_guard hold(mutex_);
        waiting_ = std::move(entries);
        changed_.notify_all();
    }

    int waitUntilIdle()
    {
        std::unique_lock hold(mutex_);
        changed_.wait(hold, [this] { return !waiting_ && !busy_; });
        return lastCause_;
    }

    // Ends the thread after the write under way; what waits is written first when asked to.
    void stop(bool writeWaiting)
    {
        {
            std::unique_lock hold(mutex_);
            if (!writeWaiting)
                waiting_.reset();
            changed_.wait(hold, [this] { return !waiting_ && !busy_; });
            stopping_ = true;
            changed_.notify_all();
        }
        if (thread_.joinable())
            thread_.join();
    }

    // After stop(): the record and its lock go.
    void removeRecord() { record_.remove(); }

private:
    void run()
    {
        std::unique_lock hold(mutex_);
        for (;;) {
            changed_.wait(hold, [this] { return waiting_ || stopping_; });
            if (stopping_)
                return;
            std::vector<RecoveryEntry> entries = std::move(*waiting_);
            waiting_.reset();
            busy_ = true;
            hold.unlock();
            int cause = 0;
            if (entries.empty())
                record_.clear();
            else
                cause = record_.write(writeRecoveryRecord(entries));
            done_(cause);
            hold.lock();
            busy_ = false;
            lastCause_ = cause;
            changed_.notify_all();
        }
    }

    OwnRecoveryRecord record_;  // touched by the thread alone, and by removeRecord after stop
    std::function<void(int)> done_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::vector<RecoveryEntry>> waiting_;
    bool busy_ = false;
    bool stopping_ = false;
    int lastCause_ = 0;
    std::thread thread_;  // last: starts once everything above is made
};

RecoveryKeeper::RecoveryKeeper(std::string companionBase, Unsaved unsaved, std::function<void(const QString&)> tell)
    : companionBase_(std::move(companionBase)), unsaved_(std::move(unsaved)), tell_(std::move(tell))
{
    wait_.setSingleShot(true);
    wait_.setInterval(kDelayMs);
    connect(&wait_, &QTimer::timeout, this, &RecoveryKeeper::takeSnapshot);
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::start() { keeping_ = true; }

void RecoveryKeeper::noteChange()
{
    if (keeping_ && !wait_.isActive())
        wait_.start();
}

void RecoveryKeeper::takeSnapshot()
{
    wait_.stop();
    if (!keeping_)
        return;
    // The thread is made for the first change, not at start, where every moment counts.
    if (!writer_) {
        // The answer comes back to the window's thread; one that arrives after the keeper is gone
        // is dropped with it.
        writer_ = std::make_unique<Writer>(companionBase_, [this](int cause) {
            QMetaObject::invokeMethod(
                this, [this, cause] { writeDone(cause); }, Qt::QueuedConnection);
        });
    }
    writer_->submit(unsaved_());
}

bool RecoveryKeeper::keepNow()
{
    takeSnapshot();
    return waitUntilWritten() == 0;
}

int RecoveryKeeper::waitUntilWritten() { return writer_ ? writer_->waitUntilIdle() : 0; }

void RecoveryKeeper::finish()
{
    wait_.stop();
    keeping_ = false;
    if (!writer_)
        return;
    writer_->stop(false);
    writer_->removeRecord();
}

void RecoveryKeeper::writeDone(int cause)
{
    if (cause == 0) {
        failureTold_ = false;
        return;
    }
    if (failureTold_)
        return;
    failureTold_ = true;
    // Named after a record that may not exist yet: what the folder shows tells why.
    const FileCreateError failure(companionBase_ + ".recovery", cause);
    tell_(QStringLiteral("変更の記録を書き込めません（%1）。変更は終了するときに保存します。")
              .arg(writeFailureCause(failure)));
}
