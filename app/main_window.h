#pragma once
// TForm1: the main window. The class is declared here once; its handlers are defined in the folder
// of the subsystem they belong to (search/, pane/, help/, keywords/, watched/, settings/), so a
// reader opens a folder and finds the whole of that subsystem, its wiring and its state.
#include "app/program_services.h"
#include "files/companion_paths.h"
#include "keywords/keyword_tabs_state.h"
#include "options/option_values.h"
#include "pane/pane_state.h"
#include "search/keyword_box_state.h"
#include "settings/settings_record.h"
#include "settings/settings_state.h"
#include "watched/watched_list_state.h"

#include <QMainWindow>

#include <array>
#include <string>
#include <vector>

class Animate;
class AuctionListView;
class CoolBar;
class FindBar;
class KeywordTreeView;
class StatusBar;
class TabControl;
struct UnsavedFile;
class TAboutBox;
class TCppWebBrowser;
class TFavAucDlg;
class TOptionDlg;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolBar;
class QToolButton;
class KeywordNode;
class QWidget;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const ProgramServices& services);
    ~TForm1() override;

    // The dialogs are created after the main window and handed over once (the program entry).
    void attachDialogs(TAboutBox* aboutBox, TOptionDlg* optionDlg, TFavAucDlg* favAucDlg);

    // ---- Lifecycle (app/main_window.cpp)
    void FormCreate();
    void FormActivate();
    // Runs the close steps; every save is tried, and when any failed, UnsavedFiles
    // (app/session_end.h) names them all (the window stays open).
    void FormClose();
    void X1Click();
    void N2Click();
    void StatusBar1Resize();

    // ---- The end of the session (app/session_end.cpp)
    // Stores the text of any in-place edit still open in the tree or the strip's list; run before
    // anything reads them.
    void commitOpenEdits();
    // The close sequence's saves with nobody to answer a box: each is tried, failures are logged.
    void SaveAtSessionEnd();
    // Saves once for a signal that ends the program; later closes and signals save nothing more.
    void EndSession();
    bool sessionEnded() const { return sessionEnded_; }

    // ---- Settings store (settings/settings_store.cpp)
    void LoadSettings();
    void SaveSettings();
    // The user accepted changed settings (options dialog): a held-back settings file may now be
    // written.
    void settingsChangedByUser();

    // ---- Search commands and site bars (search/search_commands.cpp)
    void Button1Click();
    void TabControl1Change();
    void ComboBox1KeyDown(int key);
    void ToolButton5Click();
    void ToolButton6Click();
    void ToolButton8Click();
    void ToolButton9Click();
    void ToolButton10Click();
    void ToolButton11Click();
    void ToolButton12Click();
    void ToolButton13Click();
    void Yahoo1Click();
    void Bidders1Click();
    // The address of the template with its first "$KEY$" replaced by the keyword box's text.
    std::string ExpandKeyword(const std::string& addressTemplate) const;

    // ---- Browser pane and navigation (pane/navigation.cpp)
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton7Click();
    void ToolButton3Click();
    void ToolButton4Click();
    void Button2Click();
    void ComboBox2KeyDown(int key);
    void CppWebBrowser1BeforeNavigate2(const QString& url);
    void CppWebBrowser1DownloadBegin();
    void CppWebBrowser1ProgressChange(int progress, int progressMax);
    void CppWebBrowser1DownloadComplete();

    // ---- Outside launches, help and about box (help/launches.cpp)
    void N12Click();
    void N13Click();
    void H2Click();
    void N18Click();
    void V1Click();

    // ---- Keyword tree files (keywords/keyword_tabs.cpp)
    void LoadFirstKeywordTab();
    void SaveShownKeywordTree();
    void TabControl2Change();
    void N24Click();
    void N25Click();

    // ---- Keyword tree editing (keywords/keyword_tree_editing.cpp)
    void TreeView1MouseDown(Qt::MouseButton button, const QPoint& pos);
    void N6Click();
    void N7Click();
    void N8Click();
    void N10Click();
    void TreeView1DblClick();
    bool TreeView1DragOver(const QPoint& pos, bool fromTreeView1);
    void TreeView1DragDrop(const QPoint& pos, bool fromTreeView1);

    // ---- Watched-auction list (watched/watched_list.cpp)
    void LoadWatchedList();
    void SaveWatchedList();
    void A1Click();
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

    // ---- Organize dialog (watched/organize_dialog.cpp)
    void C1Click();

    // ---- Options dialog (app/options_command.cpp)
    void N5Click();
    // The values the options dialog shows, read from the running program, and putting the values
    // taken on OK back (shown: the values the dialog was opened with).
    OptionValues currentOptionValues() const;
    void applyOptionValues(const OptionValues& shown, const OptionValues& taken);

    // ---- Site buttons (search/site_buttons.cpp)
    // Whether user site button k (0..5: ToolButton8..ToolButton13) is shown, and showing or hiding
    // it; the settings load and save use these too.
    bool siteButtonShown(size_t k) const;
    void setSiteButtonShown(size_t k, bool shown);

    // ---- State
    SettingsRecord Settings;
    int CurrentKeyTab = 0;
    bool SettingsReset = false;

    // ---- Controls, named as the layout names them (also their objectNames)
    QMenu* F1;
    QAction *N12, *N13, *N14, *X1;
    QMenu* N1;
    QAction *N2, *N3, *N4, *N16, *N17, *N21, *N20, *N22;
    QMenu* L1;
    QAction *A1, *C1, *N19;
    std::array<QAction*, 10> Fauc;  // Fauc1..Fauc10
    QMenu* T1;
    QAction *N24, *N25, *N23, *N5;
    QMenu* H1;
    QAction *H2, *N18, *N11, *V1;
    QMenu* PopupMenu1;
    QAction *N6, *N7, *N8, *N9, *N10, *N15, *Yahoo1, *Bidders1;

    CoolBar* CoolBar1;
    QToolBar *ToolBar1, *ToolBar2, *ToolBar3, *ToolBar4, *ToolBar5, *ToolBar6;
    QLabel* Label1;
    QComboBox* ComboBox1;
    QPushButton* Button1;
    QToolButton *ToolButton5, *ToolButton6;
    std::array<QToolButton*, 6> SiteButtons;  // ToolButton8..ToolButton13
    Animate* Animate1;
    QToolButton *ToolButton1, *ToolButton2, *ToolButton7, *ToolButton3, *ToolButton4;
    QLabel* Label2;
    QComboBox* ComboBox2;
    QPushButton* Button2;
    FindBar* FindBar1;  // below the pane, hidden until Ctrl+F

    QSplitter* Splitter1;  // between the keyword pane and Panel1
    TabControl* TabControl2;
    KeywordTreeView* TreeView1;
    QWidget* Panel1;
    QSplitter* Splitter2;  // between the browser and the watched-auction strip
    TabControl* TabControl1;
    TCppWebBrowser* CppWebBrowser1;
    QWidget* Panel2;
    AuctionListView* FavAucList;
    QWidget* Panel3;
    QPushButton *Button3, *Button4;
    StatusBar* StatusBar1;
    QProgressBar* ProgressBar1 = nullptr;

    QList<QIcon> ImageList1, ImageList2, ImageList3;

    TAboutBox* AboutBox = nullptr;
    TOptionDlg* OptionDlg = nullptr;
    TFavAucDlg* FavAucDlg = nullptr;

    const ProgramServices& services() const { return services_; }
    Dialogs& dialogs() const { return *services_.dialogs; }
    const std::string& executablePath() const { return services_.executablePath; }
    // What the companion files are named after (files/companion_paths.h).
    std::string companionBase() const { return companionBasePath(services_.executablePath, services_.dataFolder); }

    // Runs a handler through the error guard: what escapes it is shown in the error box.
    template <class Handler>
    bool guarded(Handler&& handler);

    // Connects a signal to a handler of this window through the guard.
    template <class Sender, class Signal>
    void connectHandler(Sender* sender, Signal signal, void (TForm1::*handler)());

    // Finishes an input-method composition still open in the keyword box or the address box, so
    // that what the user sees there is what a command reads (search/search_input.cpp).
    void commitComposition();
    // The keyword box's text as the program's Shift-JIS bytes, and the reverse.
    std::string keywordText() const;
    void setKeywordText(const std::string& keyword);
    void navigateTo(const std::string& address);

    // Width of the keyword pane and height of the watched-auction strip, as the settings see them.
    int treeWidth() const;
    void setTreeWidth(int width);
    int favListHeight() const;
    void setFavListHeight(int height);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void buildMenus();
    void buildBands();
    void buildPanes();
    void buildStatusBar();
    // Each subsystem wires its own handlers once the layout is built; each is defined in its
    // subsystem's folder.
    void setUpLifecycle();    // app/main_window.cpp
    void setUpSearchInput();  // search/search_input.cpp
    void setUpNavigation();   // pane/navigation.cpp
    void setUpBrowserKeys();  // pane/browser_keys.cpp
    void setUpDownloads();    // pane/download_status.cpp
    void setUpLaunches();     // help/launches.cpp
    void setUpKeywordTree();  // keywords/keyword_tree_editing.cpp
    void setUpWatchedList();  // watched/watched_list.cpp
    void setUpOptions();      // app/options_command.cpp

    // ---- Browser keys, find bar and downloads (pane/)
    void focusAddressBox();
    void openFindBar();
    void zoomIn();
    void zoomOut();
    void zoomReset();
    QString CppWebBrowser1DownloadPath(const QString& suggestedFileName);
    void CppWebBrowser1DownloadProgress(const QString& path, qint64 received, qint64 total);
    void CppWebBrowser1DownloadFinished(const QString& path, bool saved, const QString& reason);

    // ---- Keyword tabs and tree (keywords/)
    void showKeywordTab(int tab);
    void showFreshKeywordTree();
    void keywordTreeChanged();
    void OleInitialize() {}    // nothing to do on this platform; kept as the start-up step
    void OleUninitialize() {}  // likewise for the close sequence

    // After a failed close: whether the user chooses to quit without the files that failed.
    bool quitWithoutSaving();
    // The close sequence's saves, each tried also after one failed: what the user reads of each
    // failure and what could not be written (app/session_end.cpp).
    std::vector<UnsavedFile> saveEveryFile();
    // A save kept another program's version of file beside it as copy: the user is told, or,
    // with nobody to answer a box, the log is.
    void tellOfConflictCopy(const std::string& file, const std::string& copy);

    ProgramServices services_;
    bool sessionEnded_ = false;     // the session-end saves have run; the program is ending
    bool unattendedSaves_ = false;  // saving with nobody there to answer a box
    // ---- Each subsystem's own state, declared in its folder
    KeywordBoxState keywordBox_;
    KeywordTabsState keywordTabs_;
    WatchedListState watchedList_;
    SettingsState settingsState_;
    PaneState pane_;
};

#include "widgets/error_box.h"

template <class Handler>
bool TForm1::guarded(Handler&& handler)
{
    return runGuarded(*services_.dialogs, this, std::forward<Handler>(handler));
}

template <class Sender, class Signal>
void TForm1::connectHandler(Sender* sender, Signal signal, void (TForm1::*handler)())
{
    connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}
