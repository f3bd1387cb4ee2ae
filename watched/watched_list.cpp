// The watched-auction list in the main window's strip: its file, adding the current page, the ten
// numbered menu entries and opening an entry.
#include "watched/watched_list.h"

#include "files/companion_file.h"
#include "files/companion_paths.h"
#include "text/single_line.h"
#include "text/sjis_text.h"
#include "watched/auction_list_view.h"
#include "watched/removed_entries.h"
#include "watched/watched_errors.h"
#include "watched/watched_list_file.h"
#include "widgets/conflict_notice.h"
#include "widgets/error_box.h"
#include "widgets/open_edits.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

namespace {

std::optional<QString> watchedListErrorMessage(const std::exception& error)
{
    if (auto* e = dynamic_cast<const ListIndexError*>(&error))
        return QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(e->index);
    return std::nullopt;
}

// The list's error reaches the error box in the user's words from the program's start on.
[[maybe_unused]] const bool messagesAdded = addErrorMessages(&watchedListErrorMessage);

constexpr int kNumberedEntries = 10;

// The menu that shows item.
QMenu* menuOf(const QAction& item)
{
    for (QObject* shown : item.associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(shown))
            return menu;
    return nullptr;
}

// A page's title may be as long as it likes; its menu entry is shortened in its middle, so that
// the menu keeps to half the screen and still shows how the title begins and ends.
QString titleForMenu(const QString& title, const QMenu* menu)
{
    if (!menu)
        return title;
    const QScreen* screen = menu->screen();
    const int widest = screen ? screen->availableGeometry().width() / 2 : 640;
    return menu->fontMetrics().elidedText(title, Qt::ElideMiddle, widest);
}

// The address of the entry; an entry read from a line with only a title has none, and asking for
// it fails as asking for the first field after the title.
const std::string& addressOf(const WatchedEntry& entry)
{
    if (entry.size() < 2)
        throw ListIndexError(0);
    return entry[1];
}

}  // namespace

WatchedList::WatchedList(const WatchedListWidgets& widgets, const HandlerGuard& guard, ConflictNotice& conflicts,
                         std::function<std::string()> companionBase)
    : WatchedListWidgets(widgets), guard_(guard), conflicts_(conflicts), companionBase_(std::move(companionBase))
{
    FavAucListResize();
    for (size_t n = 0; n < Fauc.size(); ++n)
        connect(Fauc[n], &QAction::triggered, this,
                [this, n] { guard_([&] { openNumberedEntry(static_cast<int>(n)); }); });
    guard_.connect(FavAucList, &QTableWidget::itemDoubleClicked, this, &WatchedList::FavAucListDblClick);
    guard_.connect(FavAucList, &AuctionListView::resized, this, &WatchedList::FavAucListResize);
    // Enter on a row opens it as its double-click does, so the list works from the keyboard.
    guard_.connect(FavAucList, &AuctionListView::openRequested, this, &WatchedList::FavAucListDblClick);
    new RemovedEntries(*FavAucList, [this] { RefreshWatchedMenuCaptions(); });
}

void WatchedList::LoadWatchedList()
{
    CompanionFile file(watchedListFilePath(companionBase_()));
    const std::string bytes = file.read();
    // Whatever was read is shown; a file not read whole is held back until the user changes the
    // list, so the close does not write the empty or partial list over it.
    FavAucList->setEntries(readWatchedList(bytes));
    RefreshWatchedMenuCaptions();
    file.setReadContent(writeWatchedList(FavAucList->entries()));
    file_ = std::move(file);
    file_.throwIfNotReadWhole();
}

void WatchedList::SaveWatchedList()
{
    CompanionFile& file = file_;
    if (file.path().empty())
        file = CompanionFile(watchedListFilePath(companionBase_()));
    if (file.save(writeWatchedList(FavAucList->entries())) == CompanionFile::SaveResult::WrittenWithConflictCopy)
        conflicts_.tell(file.path(), file.conflictCopy());
}

void WatchedList::addPage(const QString& title, const QString& address)
{
    // The file holds one entry per line, so a line break taken from a page would split an entry
    // in two at the next start.
    FavAucList->insertEntry(0, {toSjis(withoutLineBreaks(title)), toSjis(withoutLineBreaks(address))});
    RefreshWatchedMenuCaptions();
}

void WatchedList::openNumberedEntry(int index)
{
    if (index >= FavAucList->entryCount())
        return;
    emit navigateRequested(fromSjis(addressOf(FavAucList->entry(index))));
}

void WatchedList::FavAucListDblClick()
{
    const int row = FavAucList->selectedRow();
    if (row < 0)
        return;
    emit navigateRequested(fromSjis(addressOf(FavAucList->entry(row))));
}

void WatchedList::FavAucListResize() { FavAucList->fitColumns(); }

void WatchedList::RefreshWatchedMenuCaptions()
{
    const int count = FavAucList->entryCount();
    for (int n = 1; n <= kNumberedEntries; ++n) {
        // The number's last digit is the item's access key (1..9, then 0 for 10); an "&" of the
        // title is shown as itself.
        QString caption = QStringLiteral("%1.").arg(n);
        caption.insert(caption.size() - 2, u'&');
        QAction* item = Fauc[static_cast<size_t>(n - 1)];
        QMenu* menu = menuOf(*item);
        const QString title = n <= count ? fromSjis(FavAucList->title(n - 1)) : QString();
        caption += titleForMenu(title, menu).replace(u'&', QStringLiteral("&&"));
        item->setText(caption);
        // The whole title, where the entry shows only part of it.
        item->setToolTip(title);
        if (menu)
            menu->setToolTipsVisible(true);
        // An item with no entry behind it opens nothing, and shows so.
        item->setEnabled(n <= count);
    }
}

void WatchedList::commitOpenEdit() { ::commitOpenEdit(*FavAucList); }
