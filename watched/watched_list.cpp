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
    const std::array<void (WatchedList::*)(), kNumberedEntries> numbered{
        &WatchedList::Fauc1Click, &WatchedList::Fauc2Click, &WatchedList::Fauc3Click, &WatchedList::Fauc4Click,
        &WatchedList::Fauc5Click, &WatchedList::Fauc6Click, &WatchedList::Fauc7Click, &WatchedList::Fauc8Click,
        &WatchedList::Fauc9Click, &WatchedList::Fauc10Click};
    for (size_t n = 0; n < Fauc.size(); ++n)
        guard_.connect(Fauc[n], &QAction::triggered, this, numbered[n]);
    guard_.connect(A1, &QAction::triggered, this, &WatchedList::A1Click);
    guard_.connect(Button3, &QPushButton::clicked, this, &WatchedList::A1Click);
    guard_.connect(C1, &QAction::triggered, this, &WatchedList::C1Click);
    guard_.connect(Button4, &QPushButton::clicked, this, &WatchedList::C1Click);
    guard_.connect(FavAucList, &QTableWidget::itemDoubleClicked, this, &WatchedList::FavAucListDblClick);
    guard_.connect(FavAucList, &AuctionListView::resized, this, &WatchedList::FavAucListResize);
    // Enter on a row opens it as its double-click does, so the list works from the keyboard.
    guard_.connect(FavAucList, &AuctionListView::openRequested, this, &WatchedList::FavAucListDblClick);
    new RemovedEntries(*FavAucList, [this] { RefreshWatchedMenuCaptions(); });
    connect(FavAucList, &AuctionListView::entriesChanged, this, &WatchedList::contentChanged);
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
    unchangedAt_ = FavAucList->changeCount();
    file_.throwIfNotReadWhole();
}

void WatchedList::SaveWatchedList()
{
    CompanionFile& file = file_;
    if (file.path().empty())
        file = CompanionFile(watchedListFilePath(companionBase_()));
    const auto result = file.save(writeWatchedList(FavAucList->entries()));
    unchangedAt_ = FavAucList->changeCount();
    emit contentChanged();
    if (result == CompanionFile::SaveResult::WrittenWithConflictCopy)
        conflicts_.tell(file.path(), file.conflictCopy());
}

void WatchedList::A1Click()
{
    // A title being edited in the list is taken first, so the new row does not take its place.
    commitOpenEdit();
    const auto [title, address] = pageOnShow();
    addPage(title, address);
}

void WatchedList::C1Click()
{
    if (TFavAucDlg* dialog = organizeDialog())
        organize(*dialog);
}

std::string WatchedList::fileName() const { return fileNameOf(watchedListFilePath(companionBase_())); }

std::optional<RecoveryEntry> WatchedList::unsavedChange() const
{
    if (unchangedAt_ == FavAucList->changeCount())
        return std::nullopt;
    std::string content = writeWatchedList(FavAucList->entries());
    if (!file_.changedByThisWindow(content))
        return std::nullopt;
    return RecoveryEntry{fileName(), file_.lastKnownOnDisk(), std::move(content)};
}

void WatchedList::takeUnsavedChange(const RecoveryEntry& entry)
{
    // A list taken before (from an older record) is saved now, as its copy's close would have
    // saved it: the later change then goes over it by the usual rules.
    if (unchangedAt_ != FavAucList->changeCount())
        SaveWatchedList();
    FavAucList->setEntries(readWatchedList(entry.content.value_or(std::string())));
    RefreshWatchedMenuCaptions();
    if (file_.path().empty())
        file_ = CompanionFile(watchedListFilePath(companionBase_()));
    file_.takeUnsavedChange(entry.base);
    unchangedAt_.reset();
}

void WatchedList::addPage(const QString& title, const QString& address)
{
    // The file holds one entry per line, so a line break taken from a page would split an entry
    // in two at the next start.
    FavAucList->insertEntry(0, {toSjis(withoutLineBreaks(title)), toSjis(withoutLineBreaks(address))});
    RefreshWatchedMenuCaptions();
}

void WatchedList::Fauc1Click() { openNumberedEntry(0); }
void WatchedList::Fauc2Click() { openNumberedEntry(1); }
void WatchedList::Fauc3Click() { openNumberedEntry(2); }
void WatchedList::Fauc4Click() { openNumberedEntry(3); }
void WatchedList::Fauc5Click() { openNumberedEntry(4); }
void WatchedList::Fauc6Click() { openNumberedEntry(5); }
void WatchedList::Fauc7Click() { openNumberedEntry(6); }
void WatchedList::Fauc8Click() { openNumberedEntry(7); }
void WatchedList::Fauc9Click() { openNumberedEntry(8); }
void WatchedList::Fauc10Click() { openNumberedEntry(9); }

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
