#pragma once
// Which site a memo's page belongs to: the name of a site the program searches (Yahoo!オークション,
// BIDDERS, the user's sites) when the page lies on it, otherwise the page's host.
#include <string>
#include <string_view>
#include <vector>

struct KnownSite {
    std::string name;             // Shift-JIS
    std::string addressTemplate;  // the site's search address, with its "$KEY$"
};

// The host of an address, lower-cased, without user, password and port; empty when it has none.
std::string hostOf(std::string_view address);

// The first known site whose search address has the page's host, "www." aside; a site's pages
// may also lie on a neighbour of its search host under the same parent domain of three or more
// labels (search.auctions.example.jp and page.auctions.example.jp). Otherwise the host.
std::string siteOf(std::string_view address, const std::vector<KnownSite>& sites);
