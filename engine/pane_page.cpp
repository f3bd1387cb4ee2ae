#include "engine/pane_page.h"

#include "engine/new_window_request.h"
#include "engine/own_pages.h"
#include "engine/refused_permissions.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QWebEngineCertificateError>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
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

// A page's text in a note of one line.
QString shortened(const QString& text)
{
    constexpr qsizetype kLongest = 40;
    const QString line = text.simplified();
    return line.size() > kLongest ? line.left(kLongest) + QStringLiteral("…") : line;
}

}  // namespace

PanePage::PanePage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent),
      logins_(*this,
              [this](const QString& caption, const QString& text, QString& user, QString& password) {
                  if (!dialogs_ || userInAnotherDialog(text))
                      return false;
                  return dialogs_->askLogin(dialogOwner(), caption, text, user, password);
              }),
      hangWatch_(*this, [this] { return boxes_.boxOpen() || logins_.asking() || askingAboutForm_; })
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
    refusePermissions(*this, [this](const QString& text) { emit note(text); });
    // A command that became a download is done with: the page it left stays as it was.
    connect(profile, &QWebEngineProfile::downloadRequested, this, [this](QWebEngineDownloadRequest* download) {
        if (download->page() != this)
            return;
        hangWatch_.stop();
        askedLoad_.forget();
    });
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
    blockedPopup_.clear();
    boxes_.pageLeft();
    logins_.pageLeft();
    emit navigationRequested(url);
    return true;
}

bool PanePage::sendsFormInTheClear(const QUrl& url)
{
    // What the user typed on a page sent safely would go out readable by anyone on the way;
    // browsers ask first.
    if (!dialogs_ || this->url().scheme() != u"https" || url.scheme() != u"http")
        return false;
    const QString question = QStringLiteral(
        "このフォームは暗号化されずに送信されます。\n"
        "入力した内容が第三者に読まれるおそれがあります。"
        "送信しますか？");
    if (userInAnotherDialog(question))
        return true;
    // Not sending is the default, and Esc's answer too: Enter, pressed out of habit, sends nothing.
    askingAboutForm_ = true;
    const int chosen = dialogs_->choose(dialogOwner(), QMessageBox::Warning, QStringLiteral("安全でないフォーム"),
                                        question, {QStringLiteral("送信しない"), QStringLiteral("送信")}, 0);
    askingAboutForm_ = false;
    return chosen != 1;
}

bool PanePage::userInAnotherDialog(const QString& unasked)
{
    // A box of the page's would stack above that dialog, where it has no business.
    if (!QApplication::activeModalWidget())
        return false;
    emit note(QStringLiteral("ほかのダイアログを表示中のため、ページからのメッセージを表示しませんでした: ") +
              shortened(unasked));
    return true;
}

void PanePage::openBlockedPopup()
{
    const QUrl address = blockedPopup_;
    blockedPopup_.clear();
    if (address.isValid())
        load(address);
}

void PanePage::onNewWindow(QWebEngineNewWindowRequest& request)
{
    const QUrl opener = url();
    const bool byUser = request.isUserInitiated();
    // A window the user did not ask for (a pop-up on load, an advertisement's) would take the
    // page's place in the pane: browsers block it and say so.
    const auto open = [this, opener, byUser](const QUrl& address) {
        if (!mayOpenInPane(address, opener, byUser))
            return;
        if (byUser) {
            load(address);
            return;
        }
        blockedPopup_ = address;
        emit note(QStringLiteral("ポップアップをブロックしました: ") + address.toDisplayString());
    };
    const QUrl asked = request.requestedUrl();
    if (!asked.isEmpty() && asked.toString() != u"about:blank") {
        open(asked);
        return;
    }
    // A script's empty window names its address later. Only one waits at a time: one that never
    // names it is dropped when the next is asked for.
    if (pendingWindow_)
        pendingWindow_->deleteLater();
    auto* window = new NewWindowRequest(profile(), this);
    connect(window, &NewWindowRequest::addressLearned, this, open);
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
    if (!userInAnotherDialog(msg))
        boxes_.alert(dialogOwner(), securityOrigin, msg);
}

bool PanePage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    if (!boxes_.hasDialogs())
        return QWebEnginePage::javaScriptConfirm(securityOrigin, msg);
    // Unasked, the page is kept, and its question is answered no.
    if (userInAnotherDialog(isLeaveQuestion(msg) ? QStringLiteral("このページから移動しますか？") : msg))
        return false;
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
    if (userInAnotherDialog(msg) || !boxes_.prompt(dialogOwner(), securityOrigin, msg, text))
        return false;
    *result = text;
    return true;
}
