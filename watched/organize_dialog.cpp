// Opening the organize dialog from the main window: it edits a copy, and only OK puts the copy
// back into the strip's list. The file is written at close, as for every other change.
#include "app/main_window.h"
#include "watched/auction_list_view.h"
#include "watched/fav_auc_dlg.h"
#include "widgets/open_edits.h"

void TForm1::C1Click()
{
    if (!FavAucDlg)
        return;
    // A title being edited in the strip belongs in the copy; one being edited in the dialog when
    // OK is chosen belongs in what is taken back.
    commitOpenEdits();
    FavAucDlg->showEntries(FavAucList->entries());
    if (FavAucDlg->exec() != QDialog::Accepted)
        return;
    commitOpenEdit(*FavAucDlg->FavAucList);
    FavAucList->setEntries(FavAucDlg->takenEntries());
    FavAucList->clearSelection();
    RefreshWatchedMenuCaptions();
}
