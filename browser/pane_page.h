#pragma once
// Page policy of the pane: every navigation of the page itself is reported before it starts; a
// link or script that asks for a new window loads its address in the pane, since the program has
// only the one pane; and the page's script boxes (alert, confirm, prompt) are the program's own
// message boxes.
#include <QPointer>
#include <QWebEnginePage>

class Dialogs;
class NewWindowRequest;

class PanePage : public QWebEnginePage {
    Q_OBJECT
public:
    PanePage(QWebEngineProfile* profile, QObject* parent);

    // Where the page's script boxes are shown; without dialogs the engine's own boxes show them.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }

signals:
    void navigationRequested(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;

private:
    QWidget* dialogOwner() const;

    Dialogs* dialogs_ = nullptr;
    // The last new window asked for that has not yet named its address.
    QPointer<NewWindowRequest> pendingWindow_;
};
