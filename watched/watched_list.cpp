// The watched-auction list in the main window's strip: its file, adding the current page, the ten
// numbered menu entries and opening an entry.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "files/companion_file.h"
#include "files/companion_paths.h"
#include "files/errors.h"
#include "text/single_line.h"
#include "text/sjis_text.h"
#include "watched/auction_list_view.h"
#include "watched/watched_list_file.h"

#include <QAction>
#include <QPushButton>

namespace {

constexpr int kNumberedEntries = 10;

// The address of the entry; an entry read from a line with only a title has none, and asking for
// it fails as asking for the first field after the title.
const std::string& addressOf(const WatchedEntry& entry)
{
    if (entry.size() < 2)
        throw ListIndexError(0);
    return entry[1];
}

// Opens the entry a numbered menu item stands for; a number beyond the list opens nothing.
void openNumberedEntry(TForm1& form, int index)
{
    if (index >= form.FavAucList->entryCount())
        return;
    form.navigateTo(addressOf(form.FavAucList->entry(index)));
}

}  // namespace

void TForm1::setUpWatchedList()
{
    FavAucListResize();
    connectHandler(A1, &QAction::triggered, &TForm1::A1Click);
    connectHandler(Button3, &QPushButton::clicked, &TForm1::A1Click);
    void (TForm1::*openHandlers[10])() = {
        &TForm1::Fauc1Click, &TForm1::Fauc2Click, &TForm1::Fauc3Click, &TForm1::Fauc4Click, &TForm1::Fauc5Click,
        &TForm1::Fauc6Click, &TForm1::Fauc7Click, &TForm1::Fauc8Click, &TForm1::Fauc9Click, &TForm1::Fauc10Click};
    for (size_t n = 0; n < 10; ++n)
        connectHandler(Fauc[n], &QAction::triggered, openHandlers[n]);
    connectHandler(FavAucList, &QTableWidget::itemDoubleClicked, &TForm1::FavAucListDblClick);
    connectHandler(FavAucList, &AuctionListView::resized, &TForm1::FavAucListResize);
    connectHandler(C1, &QAction::triggered, &TForm1::C1Click);
    connectHandler(Button4, &QPushButton::clicked, &TForm1::C1Click);
    // Enter on a row opens it as its double-click does, so the list works from the keyboard.
    connectHandler(FavAucList, &AuctionListView::openRequested, &TForm1::FavAucListDblClick);
}

void TForm1::LoadWatchedList()
{
    CompanionFile file(watchedListFilePath(companionBase()));
    const std::string bytes = file.read();
    // Whatever was read is shown; a file not read whole is held back until the user changes the
    // list, so the close does not write the empty or partial list over it.
    FavAucList->setEntries(readWatchedList(bytes));
    RefreshWatchedMenuCaptions();
    file.setReadContent(writeWatchedList(FavAucList->entries()));
    watchedList_.file = std::move(file);
    watchedList_.file.throwIfNotReadWhole();
}

void TForm1::SaveWatchedList()
{
    CompanionFile& file = watchedList_.file;
    if (file.path().empty())
        file = CompanionFile(watchedListFilePath(companionBase()));
    if (file.save(writeWatchedList(FavAucList->entries())) == CompanionFile::SaveResult::WrittenWithConflictCopy)
        tellOfConflictCopy(file.path(), file.conflictCopy());
}

void TForm1::A1Click()
{
    commitOpenEdits();
    // The file holds one entry per line, so a line break taken from a page would split an entry
    // in two at the next start.
    const std::string title = toSjis(withoutLineBreaks(CppWebBrowser1->LocationName()));
    const std::string address = toSjis(withoutLineBreaks(CppWebBrowser1->LocationURL()));
    FavAucList->insertEntry(0, {title, address});
    RefreshWatchedMenuCaptions();
}

void TForm1::Fauc1Click() { openNumberedEntry(*this, 0); }
void TForm1::Fauc2Click() { openNumberedEntry(*this, 1); }
void TForm1::Fauc3Click() { openNumberedEntry(*this, 2); }
void TForm1::Fauc4Click() { openNumberedEntry(*this, 3); }
void TForm1::Fauc5Click() { openNumberedEntry(*this, 4); }
void TForm1::Fauc6Click() { openNumberedEntry(*this, 5); }
void TForm1::Fauc7Click() { openNumberedEntry(*this, 6); }
void TForm1::Fauc8Click() { openNumberedEntry(*this, 7); }
void TForm1::Fauc9Click() { openNumberedEntry(*this, 8); }
void TForm1::Fauc10Click() { openNumberedEntry(*this, 9); }

void TForm1::FavAucListDblClick()
{
    const int row = FavAucList->selectedRow();
    if (row < 0)
        return;
    navigateTo(addressOf(FavAucList->entry(row)));
}

void TForm1::FavAucListResize() { FavAucList->fitColumns(); }

void TForm1::RefreshWatchedMenuCaptions()
{
    const int count = FavAucList->entryCount();
    for (int n = 1; n <= kNumberedEntries; ++n) {
        QString caption = QStringLiteral("%1.").arg(n);
        if (n <= count)
            caption += fromSjis(FavAucList->title(n - 1));
        Fauc[static_cast<size_t>(n - 1)]->setText(caption);
    }
}
