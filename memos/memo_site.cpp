#include "memos/memo_site.h"

#include <algorithm>

namespace {

std::string_view withoutWww(std::string_view host)
{
    if (host.starts_with("www."))
        host.remove_prefix(4);
    return host;
}

// The host without its first label, when what is left still has three labels or more: a shorter
// parent ("example.jp", "co.jp") may be shared by sites that have nothing to do with each other.
std::string_view parentDomain(std::string_view host)
{
    const std::size_t dot = host.find('.');
    if (dot == std::string_view::npos)
        return {};
    const std::string_view parent = host.substr(dot + 1);
    return std::count(parent.begin(), parent.end(), '.') >= 2 ? parent : std::string_view();
}

bool sameSite(std::string_view pageHost, std::string_view siteHost)
{
    if (pageHost.empty() || siteHost.empty())
        return false;
    if (withoutWww(pageHost) == withoutWww(siteHost))
        return true;
    const std::string_view parent = parentDomain(siteHost);
    return !parent.empty() && pageHost.size() > parent.size() && pageHost.ends_with(parent) &&
           pageHost[pageHost.size() - parent.size() - 1] == '.';
}

}  // namespace

std::string hostOf(std::string_view address)
{
    const std::size_t scheme = address.find("://");
    if (scheme == std::string_view::npos)
        return {};
    std::string_view rest = address.substr(scheme + 3);
    rest = rest.substr(0, rest.find_first_of("/?#"));
    if (const std::size_t at = rest.rfind('@'); at != std::string_view::npos)
        rest.remove_prefix(at + 1);
    // An IPv6 address keeps its brackets; a port follows the last colon outside them.
    const std::size_t colon = rest.rfind(':');
    if (colon != std::string_view::npos && rest.find(']', colon) == std::string_view::npos)
        rest = rest.substr(0, colon);
    std::string host(rest);
    std::transform(host.begin(), host.end(), host.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return host;
}

std::string siteOf(std::string_view address, const std::vector<KnownSite>& sites)
{
    const std::string host = hostOf(address);
    for (const KnownSite& site : sites) {
        if (sameSite(host, hostOf(site.addressTemplate)))
            return site.name;
    }
    return host;
}
