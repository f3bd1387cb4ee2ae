#pragma once
// The keyword tabs: three tabs of saved keywords over one tree view, each tab's tree in a file of
// its own. The tab on show is read when it is shown and written when another is shown, at a
// backup and at close; its tree is edited through the tree's menu, its keys and drag and drop
// (keywords/keyword_tree_editing.cpp), and the backup and restore copy all three files as one set
// (keywords/keyword_backup.cpp).
#include "files/companion_file.h"
#include "keywords/removed_nodes.h"
#include "settings/settings_values.h"
#include "widgets/handler_guard.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class ConflictNotice;
class KeywordFilter;
class KeywordTreeView;
class QAction;
class QIcon;
class QMenu;
class TabControl;

// The widgets of the keyword pane, named as the main window's layout names them.
struct KeywordTabsWidgets {
    TabControl* TabControl2;
    KeywordTreeView* TreeView1;
    QMenu* PopupMenu1;
    QAction *N6, *N7, *N8, *N10;            // register, new, delete, sort
    QAction *N9, *N15, *Yahoo1, *Bidders1;  // the menu's separators and its two site searches
    QAction *N24, *N25;                     // the Tools menu's backup and restore
};

// The tabs over the tree, and the tree's menu (owned by window); the backup items belong to the
// Tools menu and are set by the window.
KeywordTabsWidgets buildKeywordPane(QWidget* window, const QList<QIcon>& treePictures,
                                    const QList<QIcon>& navigationPictures);

class KeywordTabs : public QObject, private KeywordTabsWidgets {
    Q_OBJECT
public:
    // companionBase names the companion files afresh at each use (files/companion_paths.h).
    KeywordTabs(const KeywordTabsWidgets& widgets, const SettingsValues& settings, const HandlerGuard& guard,
                ConflictNotice& conflicts, std::function<std::string()> companionBase);

    // ---- Tabs and their files (keywords/keyword_tabs.cpp)
    void LoadFirstKeywordTab();
    void SaveShownKeywordTree();
    void TabControl2Change();
    // The index 0..2 of the tab whose tree is on show.
    int CurrentKeyTab() const { return currentKeyTab_; }
    // The tab captions and the backup items show the settings.
    void showSettings();

    // ---- Backup and restore (keywords/keyword_backup.cpp)
    void N24Click();
    void N25Click();

    // ---- Editing (keywords/keyword_tree_editing.cpp)
    // The keyword box's text, with any composition finished, which 現在のキーワードを登録する
    // registers; set by the window.
    std::function<std::string()> keywordBoxText;
    void TreeView1MouseDown(Qt::MouseButton button, const QPoint& pos);
    // Registers the keyword box's text under the selected node.
    void N6Click();
    void N7Click();
    void N8Click();
    // Ctrl+Z: the subtree deleted last comes back where it stood.
    void undoRemoval();
    void N10Click();
    void TreeView1DblClick();
    bool TreeView1DragOver(const QPoint& pos, bool fromTreeView1);
    void TreeView1DragDrop(const QPoint& pos, bool fromTreeView1);
    // The menu's site searches of the chosen node's keyword.
    void Yahoo1Click();
    void Bidders1Click();
    // Stores the text of an in-place edit still open in the tree; run before anything reads it.
    void commitOpenEdit();

signals:
    // A keyword was chosen to be searched (a double-click, Enter on a node).
    void searchRequested(const std::string& keyword);
    void navigateRequested(const QString& address);
    // The chosen node's keyword is to be searched on Yahoo!オークション or BIDDERS.
    void yahooSearchRequested(const std::string& keyword);
    void biddersSearchRequested(const std::string& keyword);

private:
    void setUpEditing();
    // The keyword of the chosen node, for the menu's site searches; none without one.
    std::optional<std::string> chosenKeyword() const;
    void showKeywordTab(int tab);
    void showFreshKeywordTree();
    void keywordTreeChanged();
    std::string companionBase() const { return companionBase_(); }

    const SettingsValues& settings_;
    HandlerGuard guard_;
    ConflictNotice& conflicts_;
    std::function<std::string()> companionBase_;
    KeywordFilter* filter_;  // the box's, which owns it
    // The index 0..2 of the tab whose tree is on show.
    int currentKeyTab_ = 0;
    // The file of the tab on show: what its last read found and what the tree on show was then.
    CompanionFile file_;
    // The lines of the file on show from a depth error on: not in the tree, written after it.
    std::string unplacedLines_;
    // The tree view's change count when the tree on show was last what file holds for this window
    // (read or saved): while the count stays, a save has nothing new to write.
    std::optional<quint64> unchangedAt_;
    // What was deleted from the tree on show, for Ctrl+Z.
    RemovedNodes removed_;
};
