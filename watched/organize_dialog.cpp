// Opening the organize dialog from the main window: it edits a copy, and only OK puts the copy
// back into the strip's list. The file is written at close, as for every other change.
#include "app/main_window.h"

#include "watched/auction_list_view.h"
#include "watched/fav_auc_dlg.h"

void TForm1::C1Click()
{
    if (!FavAucDlg)
        return;
    FavAucDlg->showEntries(FavAucList->entries());
    if (FavAucDlg->exec() != QDialog::Accepted)
        return;
    FavAucList->setEntries(FavAucDlg->takenEntries());
    FavAucList->clearSelection();
    RefreshWatchedMenuCaptions();
}
