#include "browser/deferred_browser.h"

#include <QEvent>
#include <QTimer>
#include <QVBoxLayout>

DeferredBrowser::DeferredBrowser(std::function<TCppWebBrowser*(QWidget* parent)> makeBrowser, QWidget* parent)
    : TCppWebBrowser(parent), makeBrowser_(std::move(makeBrowser))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void DeferredBrowser::startAfterFirstPaint(QWidget* window)
{
    // The window's own first paint comes after its expose; the engine starts on the next turn of
    // the event loop, so the paint is on screen before the engine's start holds the loop up.
    window->installEventFilter(this);
    paintWatched_ = window;
}

bool DeferredBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == paintWatched_ && (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest)) {
        watched->removeEventFilter(this);
        paintWatched_ = nullptr;
        QTimer::singleShot(0, this, &DeferredBrowser::start);
    }
    return TCppWebBrowser::eventFilter(watched, event);
}

void DeferredBrowser::start()
{
    if (browser_)
        return;
    if (paintWatched_) {
        paintWatched_->removeEventFilter(this);
        paintWatched_ = nullptr;
    }
    browser_ = makeBrowser_(this);
    browser_->setObjectName(objectName() + QStringLiteral("Engine"));
    layout()->addWidget(browser_);
    browser_->askDownloadPath = [this](const QString& suggested) {
        return askDownloadPath ? askDownloadPath(suggested) : QString();
    };
    browser_->otherSearchSites = [this] {
        return otherSearchSites ? otherSearchSites() : QList<std::pair<QString, int>>();
    };
    connect(browser_, &TCppWebBrowser::searchSelectionRequested, this, &TCppWebBrowser::searchSelectionRequested);
    connect(browser_, &TCppWebBrowser::watchLinkRequested, this, &TCppWebBrowser::watchLinkRequested);
    connect(browser_, &TCppWebBrowser::BeforeNavigate2, this, &TCppWebBrowser::BeforeNavigate2);
    connect(browser_, &TCppWebBrowser::DownloadBegin, this, &TCppWebBrowser::DownloadBegin);
    connect(browser_, &TCppWebBrowser::ProgressChange, this, &TCppWebBrowser::ProgressChange);
    connect(browser_, &TCppWebBrowser::DownloadComplete, this, &TCppWebBrowser::DownloadComplete);
    connect(browser_, &TCppWebBrowser::FindTextFinished, this, &TCppWebBrowser::FindTextFinished);
    connect(browser_, &TCppWebBrowser::DownloadProgress, this, &TCppWebBrowser::DownloadProgress);
    connect(browser_, &TCppWebBrowser::DownloadFinished, this, &TCppWebBrowser::DownloadFinished);
    connect(browser_, &TCppWebBrowser::LinkHovered, this, &TCppWebBrowser::LinkHovered);
    connect(browser_, &TCppWebBrowser::PageNote, this, &TCppWebBrowser::PageNote);
    setFocusProxy(browser_);
    for (const auto& call : std::exchange(pending_, {}))
        call(*browser_);
    pendingAddress_.clear();
}

void DeferredBrowser::whenStarted(std::function<void(TCppWebBrowser&)> call)
{
    if (browser_)
        call(*browser_);
    else
        pending_.push_back(std::move(call));
}

void DeferredBrowser::Navigate(const QString& address)
{
    if (!browser_)
        pendingAddress_ = address;
    whenStarted([address](TCppWebBrowser& b) { b.Navigate(address); });
}

void DeferredBrowser::GoBack()
{
    whenStarted([](TCppWebBrowser& b) { b.GoBack(); });
}

void DeferredBrowser::GoForward()
{
    whenStarted([](TCppWebBrowser& b) { b.GoForward(); });
}

void DeferredBrowser::GoHome()
{
    whenStarted([](TCppWebBrowser& b) { b.GoHome(); });
}

void DeferredBrowser::Refresh()
{
    whenStarted([](TCppWebBrowser& b) { b.Refresh(); });
}

void DeferredBrowser::Stop()
{
    // Before the start nothing loads: a stop then cancels what was asked for.
    if (!browser_) {
        pending_.clear();
        pendingAddress_.clear();
        return;
    }
    browser_->Stop();
}

QString DeferredBrowser::LocationURL() const { return browser_ ? browser_->LocationURL() : pendingAddress_; }
QString DeferredBrowser::LocationName() const { return browser_ ? browser_->LocationName() : QString(); }

QString DeferredBrowser::LocationProblem() const { return browser_ ? browser_->LocationProblem() : QString(); }
bool DeferredBrowser::DownloadsUnderWay() const { return browser_ && browser_->DownloadsUnderWay(); }

void DeferredBrowser::CancelDownloads()
{
    if (browser_)
        browser_->CancelDownloads();
}

void DeferredBrowser::Zoom(int steps)
{
    whenStarted([steps](TCppWebBrowser& b) { b.Zoom(steps); });
}

void DeferredBrowser::FindText(const QString& text, bool backward)
{
    whenStarted([text, backward](TCppWebBrowser& b) { b.FindText(text, backward); });
}

void DeferredBrowser::setDialogs(Dialogs* dialogs)
{
    whenStarted([dialogs](TCppWebBrowser& b) { b.setDialogs(dialogs); });
}
