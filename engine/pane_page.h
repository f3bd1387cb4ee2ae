#pragma once
// Page policy of the pane: every navigation of the page itself is reported before it starts; a
// link or script that asks for a new window loads its address in the pane, since the program has
// only the one pane, where the page could have gone itself; the page's script boxes are the
// program's own message boxes; and where the engine has nothing to show (the page's process
// ended, the site's certificate was refused) the pane shows a page of the program's own.
#include "engine/hang_watch.h"
#include "engine/script_boxes.h"

#include <QPointer>
#include <QWebEnginePage>

class Dialogs;
class NewWindowRequest;
class QWebEngineCertificateError;
class QWebEngineNewWindowRequest;

class PanePage : public QWebEnginePage {
    Q_OBJECT
public:
    PanePage(QWebEngineProfile* profile, QObject* parent);

    // Where the page's script boxes and the page's questions are shown; without dialogs the
    // engine's own boxes show them.
    void setDialogs(Dialogs* dialogs);

    // A command of the user's now waits on the page; carryOn does it again should the page have
    // to be closed for not answering.
    void userWaits(std::function<void()> carryOn) { hangWatch_.watch(std::move(carryOn)); }

    // While a page of the program's own is on show: the address it stands for, and what went
    // wrong there in a few words. Empty otherwise.
    QUrl failedUrl() const { return failedUrl_; }
    QString problem() const { return problem_; }

signals:
    void navigationRequested(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;

private:
    QWidget* dialogOwner() const;
    void onNewWindow(QWebEngineNewWindowRequest& request);
    void onProcessEnded(RenderProcessTerminationStatus status);
    void onLoadFinished(bool ok);
    void onUrlChanged(const QUrl& url);
    void showOwnPage(const QString& html, const QUrl& failedUrl, const QString& problem);
    bool sendsFormInTheClear(const QUrl& url);

    Dialogs* dialogs_ = nullptr;
    ScriptBoxes boxes_;
    HangWatch hangWatch_;
    // The last new window asked for that has not yet named its address.
    QPointer<NewWindowRequest> pendingWindow_;
    // A certificate the engine refused for the load under way: its address and the error's type.
    QUrl refusedUrl_;
    int refusedType_ = 0;
    // The page of the program's own on show, or about to be.
    QUrl failedUrl_;
    QString problem_;
    bool ownPageComing_ = false;
};
