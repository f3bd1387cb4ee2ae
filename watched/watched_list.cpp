// The watched-auction list in the main window's strip: its file, adding the current page, the ten
// numbered menu entries and opening an entry.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "files/companion_paths.h"
#include "files/errors.h"
#include "files/file_content.h"
#include "files/file_io.h"
#include "text/single_line.h"
#include "text/sjis_text.h"
#include "watched/auction_list_view.h"
#include "watched/watched_list_file.h"

#include <QAction>

#include <filesystem>

namespace {

constexpr int kNumberedEntries = 10;

// Nothing at all at the path means a first start; anything there that is not a readable file is
// reported rather than taken for an empty list, so the user hears of it before the close replaces it.
bool nothingAt(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return status.type() == std::filesystem::file_type::not_found;
}

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

void TForm1::setUpWatchedList() { FavAucListResize(); }

void TForm1::LoadWatchedList()
{
    const std::string path = watchedListFilePath(companionBase());
    if (nothingAt(path)) {
        RefreshWatchedMenuCaptions();
        return;
    }
    // Until the file has been read whole, the close must not write the (empty or partial) list
    // over it; that holds until the user changes the list.
    watchedFileHeldBack_ = true;
    heldWatchedEntries_.clear();
    // A directory, a pipe or a device at the path is no file to read: opening a pipe would block.
    if (!fileExists(path))
        throw FileOpenError(path);
    const std::string bytes = readWholeFile(path);
    FavAucList->setEntries(readWatchedList(bytes));
    RefreshWatchedMenuCaptions();
    if (hasTextAfterNul(bytes)) {
        heldWatchedEntries_ = FavAucList->entries();
        throw FileCutShortError(path);
    }
    watchedFileHeldBack_ = false;
}

void TForm1::SaveWatchedList()
{
    const std::vector<WatchedEntry> entries = FavAucList->entries();
    if (watchedFileHeldBack_ && entries == heldWatchedEntries_)
        return;
    const std::string path = watchedListFilePath(companionBase());
    if (!writeFileAtomically(path, writeWatchedList(entries)))
        throw FileCreateError(path);
    watchedFileHeldBack_ = false;
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
