#include "watched/removed_entries.h"

#include "watched/auction_list_view.h"

#include <QKeyEvent>

#include <algorithm>

RemovedEntries::RemovedEntries(AuctionListView& list, std::function<void()> changed)
    : QObject(&list), list_(list), changed_(std::move(changed))
{
    list.installEventFilter(this);
}

void RemovedEntries::removeCurrent()
{
    const int row = list_.currentRow();
    if (row < 0 || row >= list_.entryCount())
        return;
    removed_.push_back({row, list_.entry(row)});
    if (removed_.size() > kKept)
        removed_.pop_front();
    list_.removeEntry(row);
    // The next row (or the one above at the end) takes the place, so Delete can go on down.
    const int next = std::min(row, list_.entryCount() - 1);
    if (next >= 0)
        list_.selectRow(next);
    changed_();
}

void RemovedEntries::restoreLast()
{
    if (removed_.empty())
        return;
    const Removed last = std::move(removed_.back());
    removed_.pop_back();
    // Removals before it may have shortened the list since.
    const int row = std::min(last.row, list_.entryCount());
    list_.insertEntry(row, last.entry);
    list_.selectRow(row);
    changed_();
}

bool RemovedEntries::eventFilter(QObject*, QEvent* event)
{
    // An editor open on a title has the keyboard; a key it hands on is not the list's.
    if (event->type() != QEvent::KeyPress || !list_.hasFocus())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo)) {
        restoreLast();
        return true;
    }
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
        if (!key->isAutoRepeat())
            removeCurrent();
        return true;
    }
    return false;
}
