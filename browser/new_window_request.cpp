#include "browser/new_window_request.h"

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
