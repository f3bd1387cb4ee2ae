#pragma once
// The pane menu's own entries, put in front of the engine's: over selected text, searches of it
// (the statistics site's closed and open auctions, and a submenu of the other sites) and keeping
// the prices it holds in the price memos; over a link, keeping it in the watched list. What they ask goes out through
// the pane's contract.
#include <QString>

class QWebEngineView;
class TCppWebBrowser;

// Shows the view's menu with these entries from now on.
void addPaneMenuEntries(QWebEngineView& view, TCppWebBrowser& browser);

// A selection as a keyword: on one line, without blanks at its ends.
QString selectionAsKeyword(const QString& selection);
// The captions of the entries, access keys included, as the menu shows them over keyword (or a
// link): the closed and the open auctions' search, the submenu of the other sites, the link's,
// and keeping price in the price memos (without a price: the submenu of several).
struct PaneMenuCaptions {
    QString closedSearch, openSearch, otherSites, watchLink, recordPrice;
};
PaneMenuCaptions paneMenuCaptions(const QString& keyword, const QString& price = {});

// The keyword as a menu caption shows it: cut after 20 characters, with 「…」.
QString selectionCaption(const QString& keyword);
