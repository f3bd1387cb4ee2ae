#include "app/session_end.h"

#include "app/main_window.h"
#include "files/companion_file.h"
#include "files/errors.h"
#include "keywords/keyword_tree_view.h"
#include "watched/auction_list_view.h"
#include "widgets/dialogs.h"
#include "widgets/error_box.h"
#include "widgets/open_edits.h"
#include "widgets/write_failure_text.h"

#include <QFile>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStringList>
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

sigset_t endSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kEndSignals)
        sigaddset(&set, signal);
    return set;
}

QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// The error's message, and for a file that could not be written, why (found now, when the error
// does not carry it), with the content that file was to hold.
UnsavedFile unsavedFile(const std::exception& error)
{
    auto* e = dynamic_cast<const WriteError*>(&error);
    if (!e)
        return {errorMessage(error), {}, {}};
    QString text = errorMessage(error);
    if (!writeFailureCauseKnown(*e))
        text += QStringLiteral("（%1）").arg(writeFailureCause(*e));
    return {text, e->path, e->unsaved};
}

}  // namespace

UnsavedFiles::UnsavedFiles(std::vector<UnsavedFile> files)
    : std::runtime_error("files not saved"), files_(std::move(files))
{}

QString UnsavedFiles::message() const
{
    QStringList lines;
    for (const UnsavedFile& file : files_)
        lines << file.failure;
    return lines.join(QStringLiteral("\r\n"));
}

SessionEndWatch::SessionEndWatch(TForm1& form, std::function<void()> endProgram)
    : form_(form), endProgram_(std::move(endProgram))
{
    // The window system's plugin gives no other word when the display goes away than exit().
    static const bool exitHandlerInstalled = std::atexit(&SessionEndWatch::programExiting) == 0;
    (void)exitHandlerInstalled;
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
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { form_.SaveAtSessionEnd(); });
}

void SessionEndWatch::programExiting()
{
    // Only the user-interface thread may read the window; an exit() from another thread (none of
    // the program's own makes one) saves nothing rather than race it.
    SessionEndWatch* watch = exitWatch;
    if (!watch || QThread::currentThread() != watch->thread())
        return;
    exitWatch = nullptr;
    watch->form_.EndSession();
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
    if (form_.sessionEnded())
        return;
    form_.EndSession();
    endProgram_();
}

void TForm1::commitOpenEdits()
{
    commitOpenEdit(*TreeView1);
    commitOpenEdit(*FavAucList);
}

void TForm1::SaveAtSessionEnd()
{
    commitOpenEdits();
    // Nobody may be there to answer a box now: every save is tried, and what failed is logged.
    unattendedSaves_ = true;
    for (const UnsavedFile& file : saveEveryFile())
        qWarning("ribemo: %s", qUtf8Printable(file.failure));
    unattendedSaves_ = false;
    OleUninitialize();
}

std::vector<UnsavedFile> TForm1::saveEveryFile()
{
    std::vector<UnsavedFile> failures;
    const auto attempt = [&](void (TForm1::*save)()) {
        try {
            (this->*save)();
        } catch (const std::exception& error) {
            failures.push_back(unsavedFile(error));
        } catch (...) {
            failures.push_back({QStringLiteral("保存中に不明なエラーが起きました"), {}, {}});
        }
    };
    if (!SettingsReset)
        attempt(&TForm1::SaveSettings);
    attempt(&TForm1::SaveWatchedList);
    attempt(&TForm1::SaveShownKeywordTree);
    return failures;
}

void TForm1::tellOfConflictCopy(const std::string& file, const std::string& copy)
{
    const QString text = QStringLiteral(
                             "ファイル %1 は、読み込んだ後にほかのプログラムで変更されていました。\r\n"
                             "このウィンドウの内容を保存し、ほかのプログラムが書いた内容は %2 に残しました。")
                             .arg(pathText(file), pathText(copy));
    if (unattendedSaves_)
        qWarning("ribemo: %s", qUtf8Printable(text));
    else
        dialogs().inform(this, QMessageBox::Information, QStringLiteral("ファイルの競合"), text);
}

void TForm1::EndSession()
{
    if (sessionEnded_)
        return;
    sessionEnded_ = true;
    // Belt and braces: while the files are written, the end signals wait.
    const sigset_t endSignals = endSignalSet();
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &endSignals, &previous);
    SaveAtSessionEnd();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}
