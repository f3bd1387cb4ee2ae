#pragma once
// The search bar: the keyword box with its history and 検索, the result tabs that choose between
// closed and open auctions, the Yahoo!オークション and BIDDERS buttons and the six user site
// buttons. Every address is built from the keyword box; the pane is asked to go there.
#include "settings/settings_values.h"
#include "widgets/handler_guard.h"

#include <QObject>
#include <QString>

#include <array>
#include <string>
#include <utility>

class QComboBox;
class QIcon;
class QLabel;
class QPushButton;
class QToolBar;
class QToolButton;
class TabControl;

// The widgets the bar works with, named as the main window's layout names them.
struct SearchBarWidgets {
    QToolBar *ToolBar1, *ToolBar3;  // the bands of the keyword box and of the two auction sites
    QLabel* Label1;
    QComboBox* ComboBox1;                              // the keyword box
    QPushButton* Button1;                              // 検索
    TabControl* TabControl1;                           // the result tabs above the pane
    QToolButton* ToolButton5;                          // Yahoo!オークション
    QToolButton* ToolButton6;                          // BIDDERS
    QToolBar* ToolBar6;                                // the bar of the user site buttons
    std::array<QToolButton*, kSiteCount> SiteButtons;  // ToolButton8..ToolButton13
};

// The bar's bands with their controls; the result tabs belong to the pane's column and are set by
// the window.
SearchBarWidgets buildSearchBar(const QList<QIcon>& navigationPictures, const QList<QIcon>& sitePictures);

class SearchBar : public QObject, private SearchBarWidgets {
    Q_OBJECT
public:
    // settings is the program's one settings model: read at every search, never written here.
    SearchBar(const SearchBarWidgets& widgets, const SettingsValues& settings, const HandlerGuard& guard);

    void Button1Click();
    void TabControl1Change();
    void ComboBox1KeyDown(int key);
    void ToolButton5Click();
    void ToolButton6Click();
    // The user site buttons.
    void ToolButton8Click();
    void ToolButton9Click();
    void ToolButton10Click();
    void ToolButton11Click();
    void ToolButton12Click();
    void ToolButton13Click();
    // The site searches of a keyword chosen elsewhere (the tree's menu): it goes into the box,
    // where it stays, and the site button runs. A composition still open in the box is finished
    // first, so the input method cannot drop its characters into that keyword later.
    void searchYahooFor(const std::string& keyword);
    void searchBiddersFor(const std::string& keyword);
    // ---- Searches of a text chosen elsewhere (the pane menu's selection; search/selection_search.cpp)
    // The text goes into the box, where it stays, and the search runs as its button's would:
    // site is the browser's kClosedAuctions or kOpenAuctions (the result tab is switched to it
    // first) or a number from otherSites.
    void searchSelection(const QString& text, int site);
    // Yahoo!オークション, BIDDERS and each user site on show, by name, with their numbers.
    QList<std::pair<QString, int>> otherSites() const;

    // The address of the template with its first "$KEY$" replaced by the keyword box's text.
    std::string ExpandKeyword(const std::string& addressTemplate) const;
    // The keyword box's text as the program's Shift-JIS bytes, with any composition finished.
    std::string committedKeyword() const;
    std::string keywordText() const;
    void setKeywordText(const std::string& keyword);
    // Puts text into the box as if the user had typed it.
    void showTypedKeyword(const QString& text);

    // The site buttons show the settings' names and visibility.
    void showSettings();
    bool siteButtonShown(size_t k) const;

signals:
    void navigateRequested(const QString& address);
    // The keyword went out other than the box shows it (cut to the site's length, or with "?" for
    // characters Shift-JIS lacks); sent is what the site received.
    void keywordChanged(const QString& sent);

private:
    // User site button k (0..5: ToolButton8..ToolButton13).
    void searchUserSite(size_t k);
    void searchSite(const std::string& addressTemplate);
    // Goes to the template's address for the keyword box, telling keywordChanged when due.
    void searchOn(const std::string& addressTemplate);
    void setSiteButtonShown(size_t k, bool shown);

    const SettingsValues& settings_;
    HandlerGuard guard_;
    // The bytes last put into the box, so a keyword that is not valid Shift-JIS (read from a file
    // and never edited) is searched and registered with its own bytes.
    std::string keywordBytes_;
};
