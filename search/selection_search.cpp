#include "browser/web_browser.h"
#include "search/search_bar.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QSignalBlocker>

namespace {

// The numbers of the other sites: a user site by its index, then the two auction sites.
constexpr int kYahoo = static_cast<int>(kSiteCount);
constexpr int kBidders = kYahoo + 1;

}  // namespace

void SearchBar::searchSelection(const QString& text, int site)
{
    showTypedKeyword(text);
    if (site == TCppWebBrowser::kClosedAuctions || site == TCppWebBrowser::kOpenAuctions) {
        // The tab the search belongs to is shown, without the search a switch by hand runs: the
        // search below is the one request.
        const QSignalBlocker quiet(TabControl1);
        TabControl1->setTabIndex(site == TCppWebBrowser::kClosedAuctions ? 0 : 1);
        Button1Click();
    } else if (site == kYahoo) {
        ToolButton5Click();
    } else if (site == kBidders) {
        ToolButton6Click();
    } else if (site >= 0 && site < kYahoo) {
        searchUserSite(static_cast<size_t>(site));
    }
}

QList<std::pair<QString, int>> SearchBar::otherSites() const
{
    QList<std::pair<QString, int>> sites{{QStringLiteral("Yahoo!オークション"), kYahoo},
                                         {QStringLiteral("BIDDERS"), kBidders}};
    for (size_t k = 0; k < kSiteCount; ++k) {
        if (!siteButtonShown(k))
            continue;
        // A site the user left unnamed goes by its address.
        const std::string& name = settings_.SiteName[k].empty() ? settings_.SiteURL[k] : settings_.SiteName[k];
        sites.push_back({fromSjis(name), static_cast<int>(k)});
    }
    return sites;
}
