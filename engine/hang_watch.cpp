#include "engine/hang_watch.h"

#include "engine/script_boxes.h"
#include "widgets/dialogs.h"

#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <csignal>

namespace {

constexpr int kProbeEveryMs = 1000;
// Browsers ask after about this long; shorter, a page busy with a heavy but finite script would
// be offered for closing.
constexpr qint64 kPatienceMs = 4000;

}  // namespace

HangWatch::HangWatch(QWebEnginePage& page, const ScriptBoxes& boxes) : QObject(&page), page_(page), boxes_(boxes)
{
    tick_.setInterval(kProbeEveryMs);
    connect(&tick_, &QTimer::timeout, this, &HangWatch::tick);
    connect(&page, &QWebEnginePage::loadStarted, this, [this] { loading_ = true; });
    connect(&page, &QWebEnginePage::loadFinished, this, [this] { loading_ = false; });
}

void HangWatch::watch(std::function<void()> carryOn)
{
    carryOn_ = std::move(carryOn);
    sinceAnswer_.start();
    tick_.start();
}

bool HangWatch::takeClosed(std::function<void()>& carryOn)
{
    if (!closed_)
        return false;
    closed_ = false;
    carryOn = std::move(closedCarryOn_);
    return true;
}

void HangWatch::tick()
{
    if (asking_)
        return;
    // No process to wait on (one ended and the next is not yet there), or the page waits for the
    // user at one of its boxes.
    if (boxes_.boxOpen() || page_.renderProcessPid() <= 0) {
        sinceAnswer_.restart();
        return;
    }
    if (sinceAnswer_.elapsed() >= kPatienceMs) {
        ask();
        return;
    }
    // In a world of its own, so the page's scripts neither see nor hinder it.
    const QPointer<HangWatch> self(this);
    page_.runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld, [self](const QVariant&) {
        if (!self)
            return;
        self->sinceAnswer_.restart();
        // The page answers and has nothing more to load: the command is done with.
        if (!self->loading_)
            self->tick_.stop();
    });
}

void HangWatch::ask()
{
    if (!dialogs_) {
        tick_.stop();
        return;
    }
    asking_ = true;
    const int chosen =
        dialogs_->choose(QWebEngineView::forPage(&page_), QMessageBox::Warning, QStringLiteral("ページが応答しません"),
                         QStringLiteral("このページは応答していません。\n"
                                        "応答するまで待つか、ページを閉じることができます。"),
                         {QStringLiteral("待つ"), QStringLiteral("ページを閉じる")}, 0);
    asking_ = false;
    sinceAnswer_.restart();
    if (chosen != 1)
        return;
    tick_.stop();
    const qint64 pid = page_.renderProcessPid();
    if (pid <= 0)
        return;
    closed_ = true;
    closedCarryOn_ = std::move(carryOn_);
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}
