#pragma once
// TForm1: the main window, a thin shell. It builds the layout (app/main_window_layout.cpp), hands
// each feature its widgets, the settings model and the services, and wires the features to each
// other in one place (app/feature_wiring.cpp). The handlers named after a control and its event
// live on the feature that owns the control; the window keeps its own: the lifecycle, the View
// menu, the File and Help menus and the options.
#include "app/program_services.h"
#include "files/companion_paths.h"
#include "options/option_values.h"
#include "settings/settings_values.h"
#include "widgets/conflict_notice.h"
#include "widgets/handler_guard.h"
#include "widgets/session_end_watch.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Animate;
class AuctionListView;
class BrowserPane;
class CoolBar;
class FindBar;
class KeywordTabs;
class KeywordTreeView;
class SearchBar;
class SettingsStore;
class SplitterPane;
struct UnsavedFile;
struct WindowSettingsWidgets;
class StatusBar;
class TabControl;
class TAboutBox;
class TCppWebBrowser;
class TFavAucDlg;
class TOptionDlg;
class WatchedList;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolBar;
class QToolButton;
class QWidget;

class TForm1 : public QMainWindow, public EndingSession {
    Q_OBJECT
public:
    explicit TForm1(const ProgramServices& services);
    ~TForm1() override;

    // The dialogs are made the first time one is needed (app/program_windows.h): make runs then,
    // once, and hands them over with attachDialogs.
    void makeDialogsWhenAsked(std::function<void()> make) { makeDialogs_ = std::move(make); }
    void ensureDialogs();
    void attachDialogs(TAboutBox* aboutBox, TOptionDlg* optionDlg, TFavAucDlg* favAucDlg);

    // ---- Lifecycle (app/main_window.cpp)
    void FormCreate();
    void FormActivate();
    // Runs the close steps; every save is tried, and when any failed, UnsavedFiles
    // (app/session_end.h) names them all (the window stays open).
    void FormClose();
    void X1Click();
    void N2Click();

    // ---- The end of the session (app/session_end.cpp)
    // Stores the text of any in-place edit still open in the tree or the strip's list; run before
    // anything reads them.
    void commitOpenEdits();
    // The close sequence's saves with nobody to answer a box: each is tried, failures are logged.
    void SaveAtSessionEnd() override;
    // Saves once for a signal that ends the program; later closes and signals save nothing more.
    void EndSession() override;
    bool sessionEnded() const override { return sessionEnded_; }

    // ---- Settings (app/window_settings.cpp)
    void LoadSettings();
    void SaveSettings();
    // The width of the keyword pane and the height of the watched-auction strip, as the settings
    // see them.
    int treeWidth() const;
    int favListHeight() const;

    // ---- Options dialog (app/options_command.cpp)
    void N5Click();
    // The values the options dialog shows, and putting the values taken on OK back.
    OptionValues currentOptionValues() const;
    void applyOptionValues(const OptionValues& taken);

    // ---- The File and Help menus (app/menu_commands.cpp)
    void N12Click();
    void N13Click();
    void H2Click();
    void N18Click();
    void V1Click();

    // ---- State
    // The settings model: loaded and saved by the store, shown by the features' widgets, edited
    // by the options dialog as a copy.
    SettingsValues Settings;
    bool SettingsReset = false;

    QList<QIcon> ImageList1, ImageList2, ImageList3;

    TAboutBox* AboutBox = nullptr;
    TOptionDlg* OptionDlg = nullptr;
    TFavAucDlg* FavAucDlg = nullptr;

    SearchBar& searchBar() const { return *search_; }
    KeywordTabs& keywordTabs() const { return *keywords_; }
    WatchedList& watchedList() const { return *watched_; }
    BrowserPane& browserPane() const { return *pane_; }

    const ProgramServices& services() const { return services_; }
    Dialogs& dialogs() const { return *services_.dialogs; }
    const std::string& executablePath() const { return services_.executablePath; }
    // What the companion files are named after (files/companion_paths.h).
    std::string companionBase() const { return companionBasePath(services_.executablePath, services_.dataFolder); }

    // Runs a handler through the error guard: what escapes it is shown in the error box.
    template <class Handler>
    bool guarded(Handler&& handler)
    {
        return guard_(std::forward<Handler>(handler));
    }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void buildMenus();
    void buildBands();
    void buildPanes();
    // The features get their widgets once the layout is built, and are wired to each other.
    void createFeatures();
    void wireFeatures();
    void OleInitialize() {}    // nothing to do on this platform; kept as the start-up step
    void OleUninitialize() {}  // likewise for the close sequence

    // The window's own part of the settings (app/window_settings.cpp).
    WindowSettingsWidgets windowSettingsWidgets();

    // After a failed close: whether the user chooses to quit without the files that failed.
    bool quitWithoutSaving();
    // The close sequence's saves, each tried also after one failed: what the user reads of each
    // failure (app/session_end.cpp).
    std::vector<UnsavedFile> saveEveryFile();

    ProgramServices services_;
    std::function<void()> makeDialogs_;
    HandlerGuard guard_;
    ConflictNotice conflicts_;
    bool sessionEnded_ = false;      // the session-end saves have run; the program is ending
    bool viewMarksApplied_ = false;  // the first activation has put the View marks on the bars

    std::unique_ptr<SettingsStore> settingsStore_;
    std::unique_ptr<SearchBar> search_;
    std::unique_ptr<KeywordTabs> keywords_;
    std::unique_ptr<WatchedList> watched_;
    std::unique_ptr<BrowserPane> pane_;

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
    SplitterPane* treePane_;     // TabControl2's width (widgets/splitter_pane.h)
    SplitterPane* favListPane_;  // Panel2's height
};
