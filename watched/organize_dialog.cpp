// Opening the organize dialog from the main window: it edits a copy, and only OK puts the copy
// back into the strip's list. The file is written at close, as for every other change.
#include "watched/auction_list_view.h"
#include "watched/fav_auc_dlg.h"
#include "watched/watched_list.h"
#include "widgets/open_edits.h"

void WatchedList::organize(TFavAucDlg& dialog)
{
    // A title being edited in the strip belongs in the copy; one being edited in the dialog when
    // OK is chosen belongs in what is taken back.
    commitOpenEdit();
    dialog.showEntries(FavAucList->entries());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ::commitOpenEdit(*dialog.FavAucList);
    FavAucList->setEntries(dialog.takenEntries());
    FavAucList->clearSelection();
    RefreshWatchedMenuCaptions();
}
