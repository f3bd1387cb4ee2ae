#include "engine/request_first.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWidget>

#include <utility>

namespace {

// A navigation the engine drops reports nothing; the window draws again after this long at the
// most. The request itself leaves within milliseconds, or within a good part of a second on a
// machine loaded to the full, and drawing before it would only hold it back further.
constexpr int kBoundMs = 1000;

// Sees every request of the page as the engine passes it on to the network.
class PageRequests : public QWebEngineUrlRequestInterceptor {
public:
    PageRequests(RequestFirst& owner, void (RequestFirst::*sent)())
        : QWebEngineUrlRequestInterceptor(&owner), owner_(owner), sent_(sent)
    {}

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        // Queued: the engine finishes its step (the hand-over) before anything is drawn.
        if (info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame)
            QMetaObject::invokeMethod(&owner_, sent_, Qt::QueuedConnection);
    }

private:
    RequestFirst& owner_;
    void (RequestFirst::*sent_)();
};

}  // namespace

RequestFirst::RequestFirst(QWebEnginePage& page, QWidget& pane) : QObject(&pane), pane_(pane)
{
    page.setUrlRequestInterceptor(new PageRequests(*this, &RequestFirst::requestSent));
    connect(this, &RequestFirst::requestSent, this, &RequestFirst::release);
    connect(&page, &QWebEnginePage::loadFinished, this, &RequestFirst::release);
    bound_.setSingleShot(true);
    bound_.setInterval(kBoundMs);
    connect(&bound_, &QTimer::timeout, this, &RequestFirst::release);
}

void RequestFirst::hold()
{
    QWidget* window = pane_.window();
    if (window_ != window) {
        release();
        window_ = window;
        window_->installEventFilter(this);
    }
    bound_.start();
}

bool RequestFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_ || event->type() != QEvent::UpdateRequest)
        return false;
    // The window keeps what needs drawing and asks no more until this request is answered.
    repaintAsked_ = true;
    return true;
}

void RequestFirst::release()
{
    bound_.stop();
    if (!window_)
        return;
    window_->removeEventFilter(this);
    if (std::exchange(repaintAsked_, false))
        QCoreApplication::postEvent(window_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    window_ = nullptr;
}
