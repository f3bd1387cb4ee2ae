#pragma once
// The watched auctions in the main window's strip: their file, adding the page on show, the ten
// numbered entries of the menu, opening an entry, and the organize dialog, which edits a copy.
#include "files/companion_file.h"
#include "widgets/handler_guard.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <string>
#include <utility>

class AuctionListView;
class ConflictNotice;
class QAction;
class QPushButton;
class QWidget;
class TFavAucDlg;

// The strip's list and the menu entries that open its first ten rows.
struct WatchedListWidgets {
    QWidget* Panel2;  // the strip
    AuctionListView* FavAucList;
    QWidget* Panel3;                 // the buttons' column
    QPushButton *Button3, *Button4;  // 追加, 整理
    std::array<QAction*, 10> Fauc;   // Fauc1..Fauc10, set by the window's menu
    QAction *A1, *C1;                // the menu's 追加 and 整理, set by the window's menu
};

// The strip with its list and buttons.
WatchedListWidgets buildWatchedStrip();

class WatchedList : public QObject, private WatchedListWidgets {
    Q_OBJECT
public:
    // companionBase names the companion files afresh at each use (files/companion_paths.h).
    WatchedList(const WatchedListWidgets& widgets, const HandlerGuard& guard, ConflictNotice& conflicts,
                std::function<std::string()> companionBase);

    // The title and address of the page on show, which 追加 keeps; set by the window.
    std::function<std::pair<QString, QString>()> pageOnShow;
    // The organize dialog, made the first time it is asked for; set by the window.
    std::function<TFavAucDlg*()> organizeDialog;

    void LoadWatchedList();
    void SaveWatchedList();
    // 注目のオークションに追加 and the strip's 追加: the page on show goes to the top of the list.
    void A1Click();
    // 注目のオークションの整理 and the strip's 整理.
    void C1Click();
    // Puts a page at the top of the list.
    void addPage(const QString& title, const QString& address);
    // The numbered menu entries open their row; a number beyond the list opens nothing.
    void Fauc1Click();
    void Fauc2Click();
    void Fauc3Click();
    void Fauc4Click();
    void Fauc5Click();
    void Fauc6Click();
    void Fauc7Click();
    void Fauc8Click();
    void Fauc9Click();
    void Fauc10Click();
    void FavAucListDblClick();
    void FavAucListResize();
    void RefreshWatchedMenuCaptions();
    // 注目のオークションの整理: dialog edits a copy; OK puts it back.
    void organize(TFavAucDlg& dialog);
    // Stores the text of an in-place edit still open in the list; run before anything reads it.
    void commitOpenEdit();

signals:
    void navigateRequested(const QString& address);

private:
    void openNumberedEntry(int index);

    HandlerGuard guard_;
    ConflictNotice& conflicts_;
    std::function<std::string()> companionBase_;
    // The watched-auction file: what the load found and what the list was then.
    CompanionFile file_;
};
