// The one place where the features meet: each gets its widgets, the settings model and the
// services, and what one asks of another is wired here.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "keywords/keyword_filter.h"
#include "keywords/keyword_tabs.h"
#include "memos/memo_texts.h"
#include "memos/price_memos.h"
#include "pane/browser_pane.h"
#include "search/search_bar.h"
#include "settings/settings_store.h"
#include "watched/watched_list.h"

#include <QAction>
#include <QMenu>
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
    watched_ = std::make_unique<WatchedList>(
        WatchedListWidgets{Panel2, FavAucList, Panel3, Button3, Button4, Fauc, A1, C1}, guard_, conflicts_, base);
    pane_ = std::make_unique<BrowserPane>(
        BrowserPaneWidgets{ToolBar2, ToolBar4, ToolBar5, Label2, CppWebBrowser1, ToolButton1, ToolButton2, ToolButton7,
                           ToolButton3, ToolButton4, ComboBox2, Button2, FindBar1, StatusBar1, Animate1},
        guard_, this);
    keepUnsavedChanges();
}

void TForm1::wireFeatures()
{
    for (QAction* item : {N2, N3, N4, N16, N17, N21, N22})
        guard_.connect(item, &QAction::triggered, this, &TForm1::N2Click);
    guard_.connect(X1, &QAction::triggered, this, &TForm1::X1Click);

    // Every feature's addresses go to the one pane; a search's keyword stays with its pages.
    connect(search_.get(), &SearchBar::navigateRequested, this,
            [this](const QString& address) { pane_->navigateForKeyword(address, search_->keywordText()); });
    connect(keywords_.get(), &KeywordTabs::navigateRequested, pane_.get(), &BrowserPane::navigate);
    connect(watched_.get(), &WatchedList::navigateRequested, pane_.get(), &BrowserPane::navigate);
    connect(search_.get(), &SearchBar::keywordChanged, pane_.get(), &BrowserPane::noteKeywordChanged);
    // A keyword chosen in the tree is searched as if typed into the keyword box, and the tree's menu
    // searches it on the two auction sites; the tree registers what the keyword box holds.
    connect(keywords_.get(), &KeywordTabs::searchRequested, this, [this](const std::string& keyword) {
        search_->setKeywordText(keyword);
        search_->Button1Click();
    });
    connect(keywords_.get(), &KeywordTabs::yahooSearchRequested, this,
            [this](const std::string& keyword) { guarded([&] { search_->searchYahooFor(keyword); }); });
    connect(keywords_.get(), &KeywordTabs::biddersSearchRequested, this,
            [this](const std::string& keyword) { guarded([&] { search_->searchBiddersFor(keyword); }); });
    keywords_->keywordBoxText = [this] { return search_->committedKeyword(); };
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
    // 追加 keeps the page on show; 整理 edits the list in the organize dialog, made when first asked for.
    watched_->pageOnShow = [this] { return std::pair(pane_->pageTitle(), pane_->pageAddress()); };
    watched_->organizeDialog = [this] {
        ensureDialogs();
        return FavAucDlg;
    };

    guard_.connect(N5, &QAction::triggered, this, &TForm1::N5Click);
    guard_.connect(N12, &QAction::triggered, this, &TForm1::N12Click);
    guard_.connect(N13, &QAction::triggered, this, &TForm1::N13Click);
    guard_.connect(H2, &QAction::triggered, this, &TForm1::H2Click);
    guard_.connect(N18, &QAction::triggered, this, &TForm1::N18Click);
    guard_.connect(V1, &QAction::triggered, this, &TForm1::V1Click);

    // 相場メモ: prices kept from the pane menu, told of at the keyword tree, shown in a window of
    // their own. Their file is read at start, once the window is on screen.
    auto* memos = new PriceMemos(
        Settings, guard_, conflicts_, [this] { return companionBase(); }, services_.executablePath, this);
    memos->comparableText = &KeywordFilter::comparable;
    CppWebBrowser1->pricesInSelection = &pricesInSelection;
    connect(CppWebBrowser1, &TCppWebBrowser::recordPriceRequested, this,
            [this, memos](qint64 yen, const QString& selection) {
                guarded([&] {
                    const std::string keyword = pane_->pageKeyword().value_or(search_->keywordText());
                    memos->record(yen, selection, keyword, pane_->pageAddress(), pane_->pageTitle());
                });
            });
    keywords_->keywordNote = [memos](const std::string& keyword) {
        // What another copy or a spreadsheet wrote since is told as well.
        memos->takeInChangesIfTouched();
        return memos->summaryOf(keyword);
    };
    connect(keywords_.get(), &KeywordTabs::keywordNoteShown, pane_.get(), &BrowserPane::showKeywordNote);
    connect(keywords_.get(), &KeywordTabs::priceMemosRequested, this,
            [this, memos](const std::string& keyword) { guarded([&] { memos->showWindow(keyword); }); });
    connect(T1->findChild<QAction*>(QStringLiteral("PriceMemos1")), &QAction::triggered, this, [this, memos] {
        // The keyword box's keyword when it has memos (or none has any yet), else the
        // keyword the window showed last.
        const std::string typed = search_->keywordText();
        const bool typedHasMemos = !memos->summaryOf(typed).isEmpty() || memos->memos().empty();
        guarded([&] { memos->showWindow(typedHasMemos ? typed : std::string()); });
    });
    connect(memos, &PriceMemos::navigateRequested, pane_.get(), &BrowserPane::navigate);
    memos->loadAfterFirstPaint(this);
}
