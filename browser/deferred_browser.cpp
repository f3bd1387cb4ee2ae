#include "browser/deferred_browser.h"

#include "browser/pane_address.h"

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
    if (dialogs_)
        browser_->setDialogs(dialogs_);
    browser_->askDownloadPath = [this](const QString& suggested) {
        return askDownloadPath ? askDownloadPath(suggested) : QString();
    };
    browser_->otherSearchSites = [this] {
        return otherSearchSites ? otherSearchSites() : QList<std::pair<QString, int>>();
    };
    passOnEvents();
    setFocusProxy(browser_);
    loadBegun_ = false;
    for (const Kept& kept : std::exchange(kept_, {}))
        kept.call(*browser_);
    emit engineReady();
}

void DeferredBrowser::passOnEvents()
{
    connect(browser_, &TCppWebBrowser::searchSelectionRequested, this, &TCppWebBrowser::searchSelectionRequested);
    connect(browser_, &TCppWebBrowser::watchLinkRequested, this, &TCppWebBrowser::watchLinkRequested);
    browser_->pricesInSelection = [this](const QString& selection) {
        return pricesInSelection ? pricesInSelection(selection) : QList<std::pair<QString, qint64>>();
    };
    connect(browser_, &TCppWebBrowser::recordPriceRequested, this, &TCppWebBrowser::recordPriceRequested);
    connect(browser_, &TCppWebBrowser::BeforeNavigate2, this, &TCppWebBrowser::BeforeNavigate2);
    connect(browser_, &TCppWebBrowser::DownloadBegin, this, &TCppWebBrowser::DownloadBegin);
    connect(browser_, &TCppWebBrowser::ProgressChange, this, &TCppWebBrowser::ProgressChange);
    connect(browser_, &TCppWebBrowser::DownloadComplete, this, &TCppWebBrowser::DownloadComplete);
    connect(browser_, &TCppWebBrowser::FindTextFinished, this, &TCppWebBrowser::FindTextFinished);
    connect(browser_, &TCppWebBrowser::DownloadProgress, this, &TCppWebBrowser::DownloadProgress);
    connect(browser_, &TCppWebBrowser::DownloadFinished, this, &TCppWebBrowser::DownloadFinished);
    connect(browser_, &TCppWebBrowser::LinkHovered, this, &TCppWebBrowser::LinkHovered);
    connect(browser_, &TCppWebBrowser::PageNote, this, &TCppWebBrowser::PageNote);
}

void DeferredBrowser::whenStarted(Call call, bool navigation)
{
    if (browser_)
        call(*browser_);
    else
        kept_.push_back({std::move(call), navigation});
}

void DeferredBrowser::Navigate(const QString& address)
{
    whenStarted([address](TCppWebBrowser& b) { b.Navigate(address); }, true);
    if (browser_)
        return;
    // The load has begun, as far as the window can tell: the engine takes it up from here.
    loadBegun_ = true;
    emit BeforeNavigate2(paneAddressToUrl(address).toString(QUrl::FullyEncoded));
    emit DownloadBegin();
}

void DeferredBrowser::GoBack()
{
    whenStarted([](TCppWebBrowser& b) { b.GoBack(); }, true);
}

void DeferredBrowser::GoForward()
{
    whenStarted([](TCppWebBrowser& b) { b.GoForward(); }, true);
}

void DeferredBrowser::GoHome()
{
    whenStarted([](TCppWebBrowser& b) { b.GoHome(); }, true);
}

void DeferredBrowser::Refresh()
{
    whenStarted([](TCppWebBrowser& b) { b.Refresh(); }, true);
}

void DeferredBrowser::Stop()
{
    if (browser_) {
        browser_->Stop();
        return;
    }
    // Before the start nothing loads yet: a stop cancels the navigations asked for, and ends the
    // load they began as a stopped load ends.
    std::erase_if(kept_, [](const Kept& kept) { return kept.navigation; });
    if (std::exchange(loadBegun_, false))
        emit DownloadComplete();
}

// Before the start no page is on show. The engine answers the same about its first page until the
// page's first bytes are in: a load asked for changes the address and title only then.
QString DeferredBrowser::LocationURL() const { return browser_ ? browser_->LocationURL() : QString(); }
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
    dialogs_ = dialogs;
    if (browser_)
        browser_->setDialogs(dialogs);
}
