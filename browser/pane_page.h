#pragma once
// Page policy of the pane: every navigation of the page itself is reported before it starts, and a
// link that asks for a new window opens in the pane itself, since the program has only the one pane.
#include <QWebEnginePage>

class PanePage : public QWebEnginePage {
    Q_OBJECT
public:
    PanePage(QWebEngineProfile* profile, QObject* parent);

signals:
    void navigationRequested(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
};
