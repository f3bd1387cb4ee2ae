#pragma once
// A window the page asked for (a link with target="_blank", window.open, a middle-click). The
// program has one pane, and a page of a new window would begin a history of its own, so Back
// would no longer lead to the page with the link. This page loads nothing: it only learns the
// address the new window was to show, hands it on and goes away; the pane then loads that address
// as any other navigation.
#include <QWebEnginePage>

// Whether the pane loads url, which a page at opener asked for in a new window, byUser (a click)
// or by its script alone. The pane loads it as if the user had typed it, which would lift the
// engine's limits on what a page may open by itself, and any frame of a page may ask (an
// advertisement's among them); so only addresses the page could have gone to itself are loaded.
bool mayOpenInPane(const QUrl& url, const QUrl& opener, bool byUser);

class NewWindowRequest : public QWebEnginePage {
    Q_OBJECT
public:
    NewWindowRequest(QWebEngineProfile* profile, QObject* parent);

signals:
    void addressLearned(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    bool learned_ = false;
};
