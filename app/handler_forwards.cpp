// The handlers named after the main window's controls, each forwarded to the feature that owns the
// control; the few that take something from a second feature say so.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "help/about_box.h"
#include "help/launches.h"
#include "keywords/keyword_tabs.h"
#include "pane/browser_pane.h"
#include "search/box_input.h"
#include "search/search_bar.h"
#include "watched/fav_auc_dlg.h"
#include "watched/watched_list.h"

void TForm1::Button1Click() { search_->Button1Click(); }
void TForm1::TabControl1Change() { search_->TabControl1Change(); }
void TForm1::ComboBox1KeyDown(int key) { search_->ComboBox1KeyDown(key); }
void TForm1::ToolButton5Click() { search_->ToolButton5Click(); }
void TForm1::ToolButton6Click() { search_->ToolButton6Click(); }
void TForm1::ToolButton8Click() { search_->searchUserSite(0); }
void TForm1::ToolButton9Click() { search_->searchUserSite(1); }
void TForm1::ToolButton10Click() { search_->searchUserSite(2); }
void TForm1::ToolButton11Click() { search_->searchUserSite(3); }
void TForm1::ToolButton12Click() { search_->searchUserSite(4); }
void TForm1::ToolButton13Click() { search_->searchUserSite(5); }
std::string TForm1::ExpandKeyword(const std::string& addressTemplate) const
{
    return search_->ExpandKeyword(addressTemplate);
}
std::string TForm1::keywordText() const { return search_->keywordText(); }
void TForm1::setKeywordText(const std::string& keyword) { search_->setKeywordText(keyword); }
bool TForm1::siteButtonShown(size_t k) const { return search_->siteButtonShown(k); }

// The tree's menu searches: a composition still open is finished first, so the input method cannot
// drop its characters into the node's keyword later.
void TForm1::Yahoo1Click()
{
    commitBoxCompositions();
    if (const auto keyword = keywords_->chosenKeyword())
        search_->searchYahooFor(*keyword);
}

void TForm1::Bidders1Click()
{
    commitBoxCompositions();
    if (const auto keyword = keywords_->chosenKeyword())
        search_->searchBiddersFor(*keyword);
}

void TForm1::ToolButton1Click() { pane_->ToolButton1Click(); }
void TForm1::ToolButton2Click() { pane_->ToolButton2Click(); }
void TForm1::ToolButton7Click() { pane_->ToolButton7Click(); }
void TForm1::ToolButton3Click() { pane_->ToolButton3Click(); }
void TForm1::ToolButton4Click() { pane_->ToolButton4Click(); }
void TForm1::Button2Click() { pane_->Button2Click(); }
void TForm1::ComboBox2KeyDown(int key) { pane_->ComboBox2KeyDown(key); }
void TForm1::CppWebBrowser1BeforeNavigate2(const QString& url) { pane_->CppWebBrowser1BeforeNavigate2(url); }
void TForm1::CppWebBrowser1DownloadBegin() { pane_->CppWebBrowser1DownloadBegin(); }
void TForm1::CppWebBrowser1ProgressChange(int progress, int progressMax)
{
    pane_->CppWebBrowser1ProgressChange(progress, progressMax);
}
void TForm1::CppWebBrowser1DownloadComplete() { pane_->CppWebBrowser1DownloadComplete(); }

void TForm1::N12Click() { startAnotherCopy(*services_.launcher, executablePath(), services_.dataFolder); }
void TForm1::N13Click() { openInDefaultBrowser(*services_.launcher, dialogs(), this, pane_->pageAddress()); }
void TForm1::H2Click() { pane_->navigate(helpPageAddress(executablePath())); }
void TForm1::N18Click() { pane_->navigate(makerHomePage()); }
void TForm1::V1Click()
{
    ensureDialogs();
    AboutBox->exec();
}

void TForm1::LoadFirstKeywordTab() { keywords_->LoadFirstKeywordTab(); }
void TForm1::SaveShownKeywordTree() { keywords_->SaveShownKeywordTree(); }
void TForm1::TabControl2Change() { keywords_->TabControl2Change(); }
void TForm1::N24Click() { keywords_->N24Click(); }
void TForm1::N25Click() { keywords_->N25Click(); }
void TForm1::TreeView1MouseDown(Qt::MouseButton button, const QPoint& pos)
{
    keywords_->TreeView1MouseDown(button, pos);
}
void TForm1::N6Click() { keywords_->registerKeyword(search_->committedKeyword()); }
void TForm1::N7Click() { keywords_->N7Click(); }
void TForm1::N8Click() { keywords_->N8Click(); }
void TForm1::N10Click() { keywords_->N10Click(); }
void TForm1::TreeView1DblClick() { keywords_->TreeView1DblClick(); }
bool TForm1::TreeView1DragOver(const QPoint& pos, bool fromTreeView1)
{
    return keywords_->TreeView1DragOver(pos, fromTreeView1);
}
void TForm1::TreeView1DragDrop(const QPoint& pos, bool fromTreeView1)
{
    keywords_->TreeView1DragDrop(pos, fromTreeView1);
}
int TForm1::CurrentKeyTab() const { return keywords_->currentTab(); }

void TForm1::LoadWatchedList() { watched_->LoadWatchedList(); }
void TForm1::SaveWatchedList() { watched_->SaveWatchedList(); }
void TForm1::A1Click()
{
    commitOpenEdits();
    watched_->addPage(pane_->pageTitle(), pane_->pageAddress());
}
void TForm1::Fauc1Click() { watched_->openNumberedEntry(0); }
void TForm1::Fauc2Click() { watched_->openNumberedEntry(1); }
void TForm1::Fauc3Click() { watched_->openNumberedEntry(2); }
void TForm1::Fauc4Click() { watched_->openNumberedEntry(3); }
void TForm1::Fauc5Click() { watched_->openNumberedEntry(4); }
void TForm1::Fauc6Click() { watched_->openNumberedEntry(5); }
void TForm1::Fauc7Click() { watched_->openNumberedEntry(6); }
void TForm1::Fauc8Click() { watched_->openNumberedEntry(7); }
void TForm1::Fauc9Click() { watched_->openNumberedEntry(8); }
void TForm1::Fauc10Click() { watched_->openNumberedEntry(9); }
void TForm1::FavAucListDblClick() { watched_->FavAucListDblClick(); }
void TForm1::FavAucListResize() { watched_->FavAucListResize(); }
void TForm1::RefreshWatchedMenuCaptions() { watched_->RefreshWatchedMenuCaptions(); }
void TForm1::C1Click()
{
    ensureDialogs();
    if (FavAucDlg)
        watched_->organize(*FavAucDlg);
}
