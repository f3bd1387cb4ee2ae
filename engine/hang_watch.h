#pragma once
// A page that does not answer. A script that never ends (while(true){}) holds the page's render
// process, and with it every later load of the same site, Stop and Reload, since each waits for
// that process; the engine here says nothing of it. So while a command of the user's waits on the
// page, a tiny script is sent to the page every second; should none come back for several
// seconds, the user gets the browsers' choice: wait, or close the page, which ends its render
// process and carries on with the command.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class Dialogs;
class QWebEnginePage;
class ScriptBoxes;

class HangWatch : public QObject {
    Q_OBJECT
public:
    // boxes: while one of the page's own boxes is on show, the page waits for the user, not the
    // other way round.
    HangWatch(QWebEnginePage& page, const ScriptBoxes& boxes);

    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    // A command of the user's waits on the page from now; carryOn does it again once the page
    // has been closed (empty: nothing more to do).
    void watch(std::function<void()> carryOn);
    // Whether the render process that has just ended was ended here, and then what to carry on
    // with. Asked once an end.
    bool takeClosed(std::function<void()>& carryOn);

private:
    void tick();
    void ask();

    QWebEnginePage& page_;
    const ScriptBoxes& boxes_;
    Dialogs* dialogs_ = nullptr;
    QTimer tick_;
    QElapsedTimer sinceAnswer_;
    bool loading_ = false;
    bool asking_ = false;
    std::function<void()> carryOn_;
    bool closed_ = false;
    std::function<void()> closedCarryOn_;
};
