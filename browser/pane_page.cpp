#include "browser/pane_page.h"

PanePage::PanePage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

bool PanePage::acceptNavigationRequest(const QUrl& url, NavigationType, bool)
{
    emit navigationRequested(url);
    return true;
}

QWebEnginePage* PanePage::createWindow(WebWindowType)
{
    // Returning this page makes the engine load the new window's address here.
    return this;
}
