#include "engine/new_window_request.h"

bool mayOpenInPane(const QUrl& url, const QUrl& opener, bool byUser)
{
    // No script to run in the page on show (javascript:), no made-up page (data:). A local file
    // is its own origin: its script alone may send nothing to a site, nor open another file; the
    // user's click on its link may (the help page's links).
    const QString scheme = url.scheme();
    const bool web = scheme == u"http" || scheme == u"https";
    if (opener.isLocalFile())
        return byUser && (web || url.isLocalFile());
    const QString from = opener.scheme();
    return web && (from == u"http" || from == u"https");
}

NewWindowRequest::NewWindowRequest(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent)
{
    // A script may close the window it opened before giving it an address.
    connect(this, &QWebEnginePage::windowCloseRequested, this, &QObject::deleteLater);
}

bool NewWindowRequest::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame)
{
    // A script that opens an empty window and writes into it or sets its address later starts at
    // about:blank; that is let through, and the address it sets afterwards is the one learned.
    if (!isMainFrame || url.isEmpty() || url.toString() == u"about:blank")
        return true;
    if (!learned_) {
        learned_ = true;
        emit addressLearned(url);
        deleteLater();
    }
    return false;
}
