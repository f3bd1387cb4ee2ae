#pragma once
// Page policy of the pane: every navigation of the page itself is reported before it starts; a
// link that asks for a new window loads its address in the pane, since the program has only the
// one pane, where the page could have gone itself, while a window a script opens without the
// user's click is blocked (and offered in the pane menu); the page's script boxes and logins are
// the program's own boxes, which never come up over another dialog; what a page asks of the
// machine (the location, the camera) is refused; and where the engine has nothing to show (the
// page's process ended, the site's certificate was refused) the pane shows a page of the
// program's own.
#include "engine/asked_load.h"
#include "engine/hang_watch.h"
#include "engine/page_logins.h"
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
    // to be closed for not answering, unless the page that hangs is the command's own (target).
    void userWaits(std::function<void()> carryOn, const QUrl& target = {})
    {
        askedLoad_.forget();
        hangWatch_.watch(std::move(carryOn), target);
    }
    // Loads the address the user asked for, which the page makes sure the engine takes up.
    void loadAsked(const QUrl& url)
    {
        askedLoad_.asked(url);
        load(url);
    }

    // The last window a script of the page on show opened by itself, which was not let through;
    // empty when there is none.
    QUrl blockedPopup() const { return blockedPopup_; }
    // The user asks for it after all.
    void openBlockedPopup();

    // While a page of the program's own is on show: the address it stands for, and what went
    // wrong there in a few words. Empty otherwise.
    QUrl failedUrl() const { return failedUrl_; }
    QString problem() const { return problem_; }

signals:
    void navigationRequested(const QUrl& url);
    // Something the user should know about the page on show, in a few words (a window blocked, a
    // permission refused, a box not shown).
    void note(const QString& text);

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
    // Whether the user is in another dialog of the program, where the page's question must not
    // come up; what was not asked is noted.
    bool userInAnotherDialog(const QString& unasked);

    Dialogs* dialogs_ = nullptr;
    ScriptBoxes boxes_;
    PageLogins logins_;
    HangWatch hangWatch_;
    AskedLoad askedLoad_{*this};
    QUrl blockedPopup_;
    bool askingAboutForm_ = false;
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
