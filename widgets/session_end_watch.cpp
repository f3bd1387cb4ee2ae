#include "widgets/session_end_watch.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kEndSignals = {SIGTERM, SIGHUP, SIGINT};

// The handler may only do what is safe inside a signal: it writes one byte, and the notifier on
// the other end wakes the user-interface thread. The handler stays installed during the saves, so
// a second signal only adds a byte and cannot end the program in the middle of writing a file.
int wakeFds[2] = {-1, -1};
std::array<struct sigaction, kEndSignals.size()> previousActions;

void onEndSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wakeFds[0], &byte, 1);
    errno = saved;
}

// The watch whose window is alive; an exit() while it is set comes from inside the event loop.
SessionEndWatch* exitWatch = nullptr;

// The window system's plugin says that the display has gone just before it calls exit(). The
// saves run at that word, while everything is still in place: by the time exit() comes to the
// program's own handler, the handlers of the libraries loaded later (the browser engine's among
// them) have run and may have taken down what the saves read. The exit handler stays for an end
// that comes without the word.
QtMessageHandler passOn = nullptr;

void watchForDisplayEnd(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (passOn)
        passOn(type, context, message);
    if (type == QtWarningMsg && message.startsWith(QLatin1String("The X11 connection broke")))
        SessionEndWatch::displayEnded();
}

sigset_t endSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kEndSignals)
        sigaddset(&set, signal);
    return set;
}

}  // namespace

SessionEndWatch::SessionEndWatch(EndingSession& session, std::function<void()> endProgram)
    : session_(session), endProgram_(std::move(endProgram))
{
    // The window system's plugin gives no other word when the display goes away than a warning
    // and exit().
    static const bool exitHandlerInstalled = std::atexit(&SessionEndWatch::programExiting) == 0;
    (void)exitHandlerInstalled;
    static const QtMessageHandler previousHandler = qInstallMessageHandler(&watchForDisplayEnd);
    passOn = previousHandler;
    exitWatch = this;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeFds) != 0)
        return;
    notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndWatch::signalArrived);
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kEndSignals.size(); ++i)
        ::sigaction(kEndSignals[i], &action, &previousActions[i]);

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { session_.SaveAtSessionEnd(); });
}

void SessionEndWatch::displayEnded() { programExiting(); }

void SessionEndWatch::programExiting()
{
    // Only the user-interface thread may read the window; an exit() from another thread (none of
    // the program's own makes one) saves nothing rather than race it.
    SessionEndWatch* watch = exitWatch;
    if (!watch || QThread::currentThread() != watch->thread())
        return;
    exitWatch = nullptr;
    watch->session_.EndSession();
}

SessionEndWatch::~SessionEndWatch()
{
    if (exitWatch == this)
        exitWatch = nullptr;
    if (!notifier_)
        return;
    for (size_t i = 0; i < kEndSignals.size(); ++i)
        ::sigaction(kEndSignals[i], &previousActions[i], nullptr);
    delete notifier_;
    ::close(wakeFds[0]);
    ::close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

void SessionEndWatch::signalArrived()
{
    char bytes[64];
    while (::read(wakeFds[1], bytes, sizeof bytes) > 0) {
    }
    if (session_.sessionEnded())
        return;
    session_.EndSession();
    endProgram_();
}

void withEndSignalsHeld(const std::function<void()>& saves)
{
    const sigset_t endSignals = endSignalSet();
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &endSignals, &previous);
    saves();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}
