#pragma once
// The browser pane and what surrounds it: the navigation buttons, the address box with its
// history, the browser keys of the whole window, the find bar, and the status bar, progress bar
// and busy animation that follow the pane's loads and downloads.
#include "widgets/handler_guard.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

class Animate;
class AddressBox;
class FindBar;
class QComboBox;
class QIcon;
class QLabel;
class QToolBar;
class QProgressBar;
class QPushButton;
class QToolButton;
class StatusBar;
class TCppWebBrowser;

// The widgets around the pane, named as the main window's layout names them.
struct BrowserPaneWidgets {
    QToolBar *ToolBar2, *ToolBar4, *ToolBar5;  // the bands of navigation, address and animation
    QLabel* Label2;
    TCppWebBrowser* CppWebBrowser1;
    QToolButton *ToolButton1, *ToolButton2, *ToolButton7, *ToolButton3, *ToolButton4;  // back .. home
    QComboBox* ComboBox2;                                                              // the address box
    QPushButton* Button2;                                                              // 移動
    FindBar* FindBar1;
    StatusBar* StatusBar1;
    Animate* Animate1;
};

// The bands around the pane with their controls; the pane itself, the find bar and the status bar
// are set by the window.
BrowserPaneWidgets buildBrowserPaneBars(const QList<QIcon>& navigationPictures);
// The status bar with its three panels: the state, the address, and the progress bar's place.
StatusBar* buildPaneStatusBar();

class BrowserPane : public QObject, private BrowserPaneWidgets {
    Q_OBJECT
public:
    // The browser keys work in the whole of window.
    BrowserPane(const BrowserPaneWidgets& widgets, const HandlerGuard& guard, QWidget* window);

    // Opens an address the program chose (a watched auction, the tree's first node, the command
    // line): the pages from here on belong to no search.
    void navigate(const QString& address);
    // Opens a search's result page: keyword stays with it and with the pages followed from it by
    // links, until the program opens an address of its own or the user types one.
    void navigateForKeyword(const QString& address, const std::string& keyword);
    // The keyword of the search that led to the page on show; none when no search did.
    const std::optional<std::string>& pageKeyword() const { return pageKeyword_; }
    // Shows a note about the keyword chosen in the tree in the address panel; an empty note
    // puts the page's address back where a note stood.
    void showKeywordNote(const QString& note);
    QString pageAddress() const;
    QString pageTitle() const;
    // Shows note in the status bar's address panel once a page other than exceptFile (a local
    // file's path) has been shown; the next load's address replaces it.
    void noteOnceShown(const QString& note, const QString& exceptFile);
    // A search went out with the keyword changed on its way: once its page has loaded, the status
    // bar's address panel says so with what was sent, until the next load.
    void noteKeywordChanged(const QString& sent);

signals:
    // Words typed into the address box, to be searched on the statistics site.
    void keywordSearchRequested(const QString& keyword);

public:
    // ---- Navigation (pane/navigation.cpp)
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

    // ---- The progress bar inside the status bar, made hidden at start (pane/navigation.cpp)
    void createProgressBar();
    QProgressBar* progressBar() const { return ProgressBar1; }
    void StatusBar1Resize();
    // At the close: downloads under way are stopped when the user agrees; false when the user
    // keeps them (the window stays open).
    bool mayCloseDuringDownloads();

private:
    void setUpNavigation();
    // ---- Browser keys and find bar (pane/browser_keys.cpp)
    void setUpBrowserKeys(QWidget* window);
    void focusAddressBox();
    void openFindBar();
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // ---- What the status bar says besides the loads (pane/page_notes.cpp)
    void setUpNotes();
    // Shows note in the address panel until the next load; while a page loads, once it has.
    void noteUntilNextLoad(const QString& note);
    // Shows note in the address panel once the next load has ended.
    void noteAfterLoad(const QString& note);
    void showHoveredLink(const QString& url);
    // ---- Downloads (pane/download_status.cpp)
    void setUpDownloads();
    QString CppWebBrowser1DownloadPath(const QString& suggestedFileName);
    void CppWebBrowser1DownloadProgress(const QString& path, qint64 received, qint64 total);
    void CppWebBrowser1DownloadFinished(const QString& path, bool saved, const QString& reason);

    HandlerGuard guard_;
    std::optional<std::string> pageKeyword_;  // Shift-JIS
    QString keywordNote_;                     // the note in the address panel, while it is there
    AddressBox* addressBox_ = nullptr;        // ComboBox2 following the page
    QProgressBar* ProgressBar1 = nullptr;
    // While a link is hovered: its address, and what the address panel showed before.
    QString hoveredLink_, beforeHover_;
};
