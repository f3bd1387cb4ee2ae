#pragma once
// A page that does not answer. A script that never ends (while(true){}) holds the page's render
// process, and with it every later load of the same site, Stop and Reload, since each waits for
// that process; the engine here says nothing of it. So while a command of the user's waits on the
// page, a tiny script is sent to the page every second; should none come back for several
// seconds, the user gets the browsers' choice: wait, or close the page, which ends its render
// process and carries on with the command. A page that hangs is asked about only while the
// program has no other dialog up: the user is busy there, and a dialog run from inside the engine
// (a download's save dialog) holds the page's answers back until it closes.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <functional>

class Dialogs;
class QWebEnginePage;

class HangWatch : public QObject {
    Q_OBJECT
public:
    // userAnswering: while the page asks the user something (one of its boxes, a login), the page
    // waits for the user, not the other way round.
    HangWatch(QWebEnginePage& page, std::function<bool()> userAnswering);

    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    // A command of the user's waits on the page from now; carryOn does it again once the page
    // has been closed (empty: nothing more to do). target is the address the command opens, when
    // known. A command whose page is the one that hangs (it has been shown since, or is target)
    // is not carried on: the page would only hang again.
    void watch(std::function<void()> carryOn, const QUrl& target = {});
    // The command waits no longer (it became a download).
    void stop();
    // Whether the render process that has just ended was ended here, and then what to carry on
    // with. Asked once an end.
    bool takeClosed(std::function<void()>& carryOn);

private:
    void tick();
    void ask();

    QWebEnginePage& page_;
    std::function<bool()> userAnswering_;
    Dialogs* dialogs_ = nullptr;
    QTimer tick_;
    QElapsedTimer sinceAnswer_;
    bool loading_ = false;
    bool loadAhead_ = false;  // the command's load has yet to start
    int command_ = 0;         // counts the commands, so that a late answer is told from a new one
    bool asking_ = false;
    std::function<void()> carryOn_;
    QUrl target_;
    QUrl shownAtWatch_;  // the page on show when the command was given
    bool closed_ = false;
    std::function<void()> closedCarryOn_;
};
