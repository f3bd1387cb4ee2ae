// The one place where the features meet: each gets its widgets, the settings model and the
// services, and what one asks of another is wired here.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "keywords/keyword_tabs.h"
#include "pane/browser_pane.h"
#include "search/search_bar.h"
#include "settings/settings_store.h"
#include "watched/watched_list.h"
#include "widgets/status_bar.h"

#include <QAction>
#include <QPushButton>

void TForm1::createFeatures()
{
    const auto base = [this] { return companionBase(); };
    settingsStore_ = std::make_unique<SettingsStore>(base);
    search_ = std::make_unique<SearchBar>(SearchBarWidgets{ToolBar1, ToolBar3, Label1, ComboBox1, Button1, TabControl1,
                                                           ToolButton5, ToolButton6, ToolBar6, SiteButtons},
                                          Settings, guard_);
    keywords_ = std::make_unique<KeywordTabs>(
        KeywordTabsWidgets{TabControl2, TreeView1, PopupMenu1, N6, N7, N8, N10, N9, N15, Yahoo1, Bidders1, N24, N25},
        Settings, guard_, conflicts_, base);
    watched_ = std::make_unique<WatchedList>(WatchedListWidgets{Panel2, FavAucList, Panel3, Button3, Button4, Fauc},
                                             guard_, conflicts_, base);
    pane_ = std::make_unique<BrowserPane>(
        BrowserPaneWidgets{ToolBar2, ToolBar4, ToolBar5, Label2, CppWebBrowser1, ToolButton1, ToolButton2, ToolButton7,
                           ToolButton3, ToolButton4, ComboBox2, Button2, FindBar1, StatusBar1, Animate1},
        guard_, this);
}

void TForm1::wireFeatures()
{
    for (QAction* item : {N2, N3, N4, N16, N17, N21, N22})
        guard_.connect(item, &QAction::triggered, this, &TForm1::N2Click);
    guard_.connect(X1, &QAction::triggered, this, &TForm1::X1Click);
    guard_.connect(StatusBar1, &StatusBar::resized, this, &TForm1::StatusBar1Resize);

    // Every feature's addresses go to the one pane.
    connect(search_.get(), &SearchBar::navigateRequested, pane_.get(), &BrowserPane::navigate);
    connect(keywords_.get(), &KeywordTabs::navigateRequested, pane_.get(), &BrowserPane::navigate);
    connect(watched_.get(), &WatchedList::navigateRequested, pane_.get(), &BrowserPane::navigate);
    connect(search_.get(), &SearchBar::keywordChanged, pane_.get(), &BrowserPane::noteKeywordChanged);
    // A keyword chosen in the tree is searched as if typed into the keyword box.
    connect(keywords_.get(), &KeywordTabs::searchRequested, this, [this](const std::string& keyword) {
        search_->setKeywordText(keyword);
        search_->Button1Click();
    });
    // The pane menu searches a selection with the bar, and keeps a link in the watched list.
    CppWebBrowser1->otherSearchSites = [this] { return search_->otherSites(); };
    connect(CppWebBrowser1, &TCppWebBrowser::searchSelectionRequested, this,
            [this](const QString& text, int site) { guarded([&] { search_->searchSelection(text, site); }); });
    // Words typed into the address box are searched as the pane menu searches a selection.
    connect(pane_.get(), &BrowserPane::keywordSearchRequested, this, [this](const QString& keyword) {
        guarded([&] { search_->searchSelection(keyword, TCppWebBrowser::kClosedAuctions); });
    });
    connect(
        CppWebBrowser1, &TCppWebBrowser::watchLinkRequested, this,
        [this](const QString& title, const QString& address) { guarded([&] { watched_->addPage(title, address); }); });
    connect(keywords_.get(), &KeywordTabs::registerRequested, this, [this] { guarded([this] { N6Click(); }); });
    guard_.connect(Yahoo1, &QAction::triggered, this, &TForm1::Yahoo1Click);
    guard_.connect(Bidders1, &QAction::triggered, this, &TForm1::Bidders1Click);

    guard_.connect(A1, &QAction::triggered, this, &TForm1::A1Click);
    guard_.connect(Button3, &QPushButton::clicked, this, &TForm1::A1Click);
    guard_.connect(C1, &QAction::triggered, this, &TForm1::C1Click);
    guard_.connect(Button4, &QPushButton::clicked, this, &TForm1::C1Click);

    guard_.connect(N5, &QAction::triggered, this, &TForm1::N5Click);
    guard_.connect(N12, &QAction::triggered, this, &TForm1::N12Click);
    guard_.connect(N13, &QAction::triggered, this, &TForm1::N13Click);
    guard_.connect(H2, &QAction::triggered, this, &TForm1::H2Click);
    guard_.connect(N18, &QAction::triggered, this, &TForm1::N18Click);
    guard_.connect(V1, &QAction::triggered, this, &TForm1::V1Click);
}
