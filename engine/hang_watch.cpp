#include "engine/hang_watch.h"

#include "widgets/dialogs.h"

#include <QApplication>
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

HangWatch::HangWatch(QWebEnginePage& page, std::function<bool()> userAnswering)
    : QObject(&page), page_(page), userAnswering_(std::move(userAnswering))
{
    tick_.setInterval(kProbeEveryMs);
    connect(&tick_, &QTimer::timeout, this, &HangWatch::tick);
    connect(&page, &QWebEnginePage::loadStarted, this, [this] {
        loading_ = true;
        loadAhead_ = false;
    });
    connect(&page, &QWebEnginePage::loadFinished, this, [this] { loading_ = false; });
}

void HangWatch::watch(std::function<void()> carryOn, const QUrl& target)
{
    carryOn_ = std::move(carryOn);
    target_ = target;
    shownAtWatch_ = page_.url();
    // A command with an address loads it, though the engine may say so only after the page has
    // answered a probe sent before.
    loadAhead_ = target.isValid();
    ++command_;
    sinceAnswer_.start();
    tick_.start();
}

void HangWatch::stop()
{
    tick_.stop();
    carryOn_ = {};
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
    // No process to wait on (one ended and the next is not yet there), the page waits for the
    // user, or the user is in another dialog.
    if (userAnswering_() || page_.renderProcessPid() <= 0 || QApplication::activeModalWidget()) {
        sinceAnswer_.restart();
        return;
    }
    if (sinceAnswer_.elapsed() >= kPatienceMs) {
        ask();
        return;
    }
    // In a world of its own, so the page's scripts neither see nor hinder it.
    const QPointer<HangWatch> self(this);
    const int command = command_;
    page_.runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld, [self, command](const QVariant&) {
        if (!self)
            return;
        self->sinceAnswer_.restart();
        // The page answers and has nothing more to load for this command: it is done with.
        if (!self->loading_ && !self->loadAhead_ && command == self->command_)
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
    const QUrl shown = page_.url();
    const bool commandsOwnPage = shown != shownAtWatch_ || (target_.isValid() && shown == target_);
    closedCarryOn_ = commandsOwnPage ? std::function<void()>() : std::move(carryOn_);
    carryOn_ = {};
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}
