#include "browser/pane_page.h"

#include "browser/new_window_request.h"
#include "widgets/dialogs.h"

#include <QWebEngineView>

namespace {

// The boxes say which site speaks, as browsers do, so a page cannot pass its text off as the
// program's. A local file has no host.
QString captionFor(const QUrl& securityOrigin)
{
    const QString host = securityOrigin.host();
    return host.isEmpty() ? QStringLiteral("このページからのメッセージ") : host + QStringLiteral(" からのメッセージ");
}

// The pane loads a new window's address as if the user had typed it, which would lift the
// engine's limits on what a page may open by itself. Any frame of a page may ask for a window (an
// advertisement's among them), so only addresses a page may open anyway are loaded: no script to
// run in the page on show (javascript:), no made-up page (data:), no local file unless the page on
// show is one (the help page). The engine refuses most of these before they get here; this holds
// should one come through.
bool mayOpenInPane(const QUrl& url, const QUrl& shown)
{
    const QString scheme = url.scheme();
    return scheme == u"http" || scheme == u"https" || (scheme == u"file" && shown.isLocalFile());
}

}  // namespace

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
    // Only one request waits at a time: a window that never named its address (a script's empty
    // window) is dropped when the next one is asked for.
    if (pendingWindow_)
        pendingWindow_->deleteLater();
    auto* request = new NewWindowRequest(profile(), this);
    connect(request, &NewWindowRequest::addressLearned, this, [this](const QUrl& url) {
        if (mayOpenInPane(url, this->url()))
            load(url);
    });
    pendingWindow_ = request;
    return request;
}

QWidget* PanePage::dialogOwner() const { return QWebEngineView::forPage(this); }

void PanePage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg)
{
    if (!dialogs_)
        return QWebEnginePage::javaScriptAlert(securityOrigin, msg);
    dialogs_->inform(dialogOwner(), QMessageBox::Information, captionFor(securityOrigin), msg);
}

bool PanePage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    if (!dialogs_)
        return QWebEnginePage::javaScriptConfirm(securityOrigin, msg);
    return dialogs_->ask(dialogOwner(), QMessageBox::Question, captionFor(securityOrigin), msg,
                         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

bool PanePage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                                QString* result)
{
    if (!dialogs_)
        return QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
    QString text = defaultValue;
    if (!dialogs_->askText(dialogOwner(), captionFor(securityOrigin), msg, text))
        return false;
    *result = text;
    return true;
}
