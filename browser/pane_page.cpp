#include "browser/pane_page.h"

PanePage::PanePage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

bool PanePage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame)
{
    // A frame inside the page (an advertisement, a widget) navigates on its own, often after the
    // page has finished; the engine reports no start or finish for it, so reporting its address
    // would leave the status bar on a fetch that never completes.
    if (isMainFrame)
        emit navigationRequested(url);
    return true;
}

QWebEnginePage* PanePage::createWindow(WebWindowType)
{
    // Returning this page makes the engine load the new window's address here.
    return this;
}
