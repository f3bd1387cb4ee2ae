#pragma once
// The organize dialog: reorders, deletes and retitles a copy of the watched-auction list. It never
// touches the main window's list itself; the opener takes the copy back on OK.
#include "watched/watched_list_file.h"

#include <QDialog>

#include <memory>
#include <vector>

class AuctionListView;
class Dialogs;
class QLabel;
class QPushButton;
namespace Ui {
class TFavAucDlg;
}

class TFavAucDlg : public QDialog {
    Q_OBJECT
public:
    TFavAucDlg(QWidget* parent, Dialogs& dialogs);
    ~TFavAucDlg() override;

    // Fills the list with a copy of entries, none selected.
    void showEntries(const std::vector<WatchedEntry>& entries);
    std::vector<WatchedEntry> takenEntries() const;

    void Button1Click();  // move up
    void Button2Click();  // move down
    void Button3Click();  // delete

    // The close box and Esc (once no title is being edited): with nothing changed the dialog ends
    // as cancelled; otherwise the user is asked whether to keep the changes (はい is OK, いいえ
    // drops them, キャンセル stays).
    void reject() override;

    AuctionListView* FavAucList;
    QPushButton* OKBtn;
    QPushButton *Button1, *Button2, *Button3;
    QLabel* Label1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TFavAucDlg> ui_;
    Dialogs& dialogs_;
    // What the dialog was opened with, to tell whether anything was changed.
    std::vector<WatchedEntry> shown_;
};
