#include "engine/pane_page.h"

#include "engine/new_window_request.h"
#include "engine/own_pages.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QWebEngineCertificateError>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// The text Qt gives the leave-page question it routes through javaScriptConfirm, in its own
// words or those of an installed translation.
constexpr const char* kEngineLeaveQuestion =
    "Are you sure you want to leave this page? Changes that you made may not be saved.";

bool isLeaveQuestion(const QString& text)
{
    return text == QLatin1String(kEngineLeaveQuestion) ||
           text == QCoreApplication::translate("QWebEnginePage", kEngineLeaveQuestion);
}

bool isReloadLink(const QUrl& url) { return url.scheme() == u"data" && url.fragment() == kReloadFragment; }

}  // namespace

PanePage::PanePage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), hangWatch_(*this, boxes_)
{
    // A local file is an origin of its own: a saved page may not read the user's other files, nor
    // fetch from the net what it would send there. The help page has only its own anchors.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    connect(this, &QWebEnginePage::newWindowRequested, this, &PanePage::onNewWindow);
    // The engine shows a page's source only in a new window, which the pane has not; loaded in
    // the pane, the source takes the page's own place in the history, so Back would not lead
    // back to it. The menu offers no entry that does nothing.
    action(ViewSource)->setVisible(false);
    connect(this, &QWebEnginePage::renderProcessTerminated, this,
            [this](RenderProcessTerminationStatus status, int) { onProcessEnded(status); });
    // There is no way round a refused certificate: the page says why, and nothing more.
    connect(this, &QWebEnginePage::certificateError, this, [this](const QWebEngineCertificateError& error) {
        refusedUrl_ = error.url();
        refusedType_ = error.type();
        auto copy = error;
        copy.rejectCertificate();
    });
    connect(this, &QWebEnginePage::loadFinished, this, &PanePage::onLoadFinished);
    connect(this, &QWebEnginePage::urlChanged, this, &PanePage::onUrlChanged);
}

void PanePage::setDialogs(Dialogs* dialogs)
{
    dialogs_ = dialogs;
    boxes_.setDialogs(dialogs);
    hangWatch_.setDialogs(dialogs);
}

bool PanePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    // A frame inside the page (an advertisement, a widget) navigates on its own, often after the
    // page has finished; the engine reports no start or finish for it, so reporting its address
    // would leave the status bar on a fetch that never completes.
    if (!isMainFrame)
        return true;
    if (ownPageComing_ && url.scheme() == u"data") {
        ownPageComing_ = false;
        return true;
    }
    if (isReloadLink(url) && failedUrl_.isValid()) {
        load(failedUrl_);
        return false;
    }
    if (type == NavigationTypeFormSubmitted && sendsFormInTheClear(url))
        return false;
    failedUrl_.clear();
    problem_.clear();
    refusedUrl_.clear();
    boxes_.pageLeft();
    emit navigationRequested(url);
    return true;
}

bool PanePage::sendsFormInTheClear(const QUrl& url)
{
    // What the user typed on a page sent safely would go out readable by anyone on the way;
    // browsers ask first.
    if (!dialogs_ || this->url().scheme() != u"https" || url.scheme() != u"http")
        return false;
    const int chosen = dialogs_->choose(dialogOwner(), QMessageBox::Warning, QStringLiteral("安全でないフォーム"),
                                        QStringLiteral("このフォームは暗号化されずに送信されます。\n"
                                                       "入力した内容が第三者に読まれるおそれがあります。"
                                                       "送信しますか？"),
                                        {QStringLiteral("送信"), QStringLiteral("キャンセル")}, 1);
    return chosen != 0;
}

void PanePage::onNewWindow(QWebEngineNewWindowRequest& request)
{
    const QUrl opener = url();
    const bool byUser = request.isUserInitiated();
    const QUrl asked = request.requestedUrl();
    if (!asked.isEmpty() && asked.toString() != u"about:blank") {
        if (mayOpenInPane(asked, opener, byUser))
            load(asked);
        return;
    }
    // A script's empty window names its address later. Only one waits at a time: one that never
    // names it is dropped when the next is asked for.
    if (pendingWindow_)
        pendingWindow_->deleteLater();
    auto* window = new NewWindowRequest(profile(), this);
    connect(window, &NewWindowRequest::addressLearned, this, [this, opener, byUser](const QUrl& address) {
        if (mayOpenInPane(address, opener, byUser))
            load(address);
    });
    pendingWindow_ = window;
    request.openIn(window);
}

void PanePage::onProcessEnded(RenderProcessTerminationStatus status)
{
    std::function<void()> carryOn;
    const bool closedHere = hangWatch_.takeClosed(carryOn);
    if (status == NormalTerminationStatus && !closedHere)
        return;
    const QUrl address = failedUrl_.isValid() ? failedUrl_ : url();
    if (closedHere && carryOn) {
        carryOn();
        return;
    }
    showOwnPage(endedPage(address, closedHere), address,
                closedHere ? QStringLiteral("応答しないページを閉じました")
                           : QStringLiteral("ページを表示できなくなりました（プロセスが終了しました）"));
}

void PanePage::onLoadFinished(bool ok)
{
    if (ok || !refusedUrl_.isValid())
        return;
    const QUrl refused = refusedUrl_;
    refusedUrl_.clear();
    showOwnPage(certificatePage(refused, refusedType_), refused,
                QStringLiteral("安全に接続できません（%1）").arg(certificateCause(refusedType_)));
}

void PanePage::onUrlChanged(const QUrl& url)
{
    // The 再読み込み button of a page of the program's own moves within that page.
    if (isReloadLink(url) && failedUrl_.isValid())
        load(failedUrl_);
}

void PanePage::showOwnPage(const QString& html, const QUrl& failedUrl, const QString& problem)
{
    failedUrl_ = failedUrl;
    problem_ = problem;
    ownPageComing_ = true;
    setHtml(html);
}

QWidget* PanePage::dialogOwner() const { return QWebEngineView::forPage(this); }

void PanePage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg)
{
    if (!boxes_.hasDialogs())
        return QWebEnginePage::javaScriptAlert(securityOrigin, msg);
    boxes_.alert(dialogOwner(), securityOrigin, msg);
}

bool PanePage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    if (!boxes_.hasDialogs())
        return QWebEnginePage::javaScriptConfirm(securityOrigin, msg);
    if (isLeaveQuestion(msg))
        return boxes_.leavePage(dialogOwner(), securityOrigin);
    return boxes_.confirm(dialogOwner(), securityOrigin, msg);
}

bool PanePage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                                QString* result)
{
    if (!boxes_.hasDialogs())
        return QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
    QString text = defaultValue;
    if (!boxes_.prompt(dialogOwner(), securityOrigin, msg, text))
        return false;
    *result = text;
    return true;
}
