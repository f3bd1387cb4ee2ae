#pragma once
// Delete on a row of the strip's list takes the entry out; Ctrl+Z brings back the entry removed
// last at its old place. The entries are kept for the run.
#include "watched/watched_list_file.h"

#include <QObject>

#include <deque>
#include <functional>

class AuctionListView;

class RemovedEntries : public QObject {
public:
    // changed runs after every removal and every return, so the numbered menu can follow.
    RemovedEntries(AuctionListView& list, std::function<void()> changed);

    void removeCurrent();
    void restoreLast();

    // How many removals can be undone; older ones are forgotten.
    static constexpr size_t kKept = 20;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Removed {
        int row;
        WatchedEntry entry;
    };
    AuctionListView& list_;
    std::function<void()> changed_;
    std::deque<Removed> removed_;
};
