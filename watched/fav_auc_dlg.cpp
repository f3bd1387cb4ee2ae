#include "watched/fav_auc_dlg.h"

#include "ui_fav_auc_dlg.h"
#include "watched/auction_list_view.h"
#include "widgets/dialog_placement.h"
#include "widgets/dialogs.h"
#include "widgets/error_box.h"
#include "widgets/open_edits.h"
#include "widgets/readable_colour.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

TFavAucDlg::TFavAucDlg(QWidget* parent, Dialogs& dialogs)
    : QDialog(parent), ui_(std::make_unique<Ui::TFavAucDlg>()), dialogs_(dialogs)
{
    ui_->setupUi(this);
    setFixedSize(646, 342);
    FavAucList = ui_->FavAucList;
    OKBtn = ui_->OKBtn;
    Button1 = ui_->Button1;
    Button2 = ui_->Button2;
    Button3 = ui_->Button3;
    Label1 = ui_->Label1;

    FavAucList->setColumns(QStringLiteral("オークションの表題"), 140);
    setReadableTextColour(Label1, QColor(0x80, 0x00, 0x00));  // maroon, lightened on a dark theme
    FavAucList->setAccessibleName(QStringLiteral("注目のオークション"));
    // The note grows downwards as far as its wrapped text needs, so no line of it is cut off.
    Label1->resize(Label1->width(), std::max(Label1->height(), Label1->heightForWidth(Label1->width())));

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(dialogs_, this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { runGuarded(dialogs_, this, [this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { runGuarded(dialogs_, this, [this] { Button3Click(); }); });
}

TFavAucDlg::~TFavAucDlg() = default;

void TFavAucDlg::showEntries(const std::vector<WatchedEntry>& entries)
{
    FavAucList->setEntries(entries);
    FavAucList->clearSelection();
    shown_ = entries;
}

std::vector<WatchedEntry> TFavAucDlg::takenEntries() const { return FavAucList->entries(); }

void TFavAucDlg::Button1Click()
{
    const int row = FavAucList->selectedRow();
    if (row <= 0)
        return;
    FavAucList->moveEntry(row, row - 1);
}

void TFavAucDlg::Button2Click()
{
    const int row = FavAucList->selectedRow();
    if (row < 0 || row >= FavAucList->entryCount() - 1)
        return;
    FavAucList->moveEntry(row, row + 1);
}

void TFavAucDlg::Button3Click()
{
    const int row = FavAucList->selectedRow();
    if (row < 0)
        return;
    FavAucList->removeEntry(row);
    // The next entry takes its place and the selection, so that 削除 pressed again goes on
    // deleting; the last entry's place goes to the one above it.
    const int count = FavAucList->entryCount();
    if (count == 0)
        FavAucList->clearSelection();
    else
        FavAucList->selectRowInPlace(std::min(row, count - 1));
}

void TFavAucDlg::reject()
{
    // Renames, moves and deletes may be the work of minutes; the close box alone must not throw
    // them away unasked.
    ::commitOpenEdit(*FavAucList);
    if (takenEntries() == shown_) {
        QDialog::reject();
        return;
    }
    const auto answer = dialogs_.ask(this, QMessageBox::Question, windowTitle(), QStringLiteral("変更を保存しますか？"),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        accept();
    else if (answer == QMessageBox::No)
        QDialog::reject();
}

void TFavAucDlg::showEvent(QShowEvent* event)
{
    // Centred on the main window at every opening.
    centreOnParent(*this);
    QDialog::showEvent(event);
}
