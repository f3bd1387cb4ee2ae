#pragma once
// The end of the session saves like a close. A SIGTERM, SIGHUP or SIGINT (logout, shutdown, a
// closed terminal, Ctrl+C) is turned into an event of the user-interface thread, which runs the
// close sequence's saves and then ends the program; the desktop session's commit-data request
// (at logout, before it asks the program to quit) runs the same saves. So does the end of the
// display: when the connection to the X server breaks, Qt warns and then ends the program with
// exit() from inside the event loop; the saves run at the warning, or failing that in an exit
// handler (they read the window's state and draw nothing).
#include <QObject>

#include <functional>

class QSocketNotifier;

// What ends with the session: the program's window, which saves like a close.
class EndingSession {
public:
    virtual ~EndingSession() = default;
    // The close sequence's saves with nobody to answer a box (the desktop's commit-data request).
    virtual void SaveAtSessionEnd() = 0;
    // Saves once for a signal that ends the program; later calls save nothing more.
    virtual void EndSession() = 0;
    virtual bool sessionEnded() const = 0;
};

class SessionEndWatch : public QObject {
public:
    // endProgram runs after the saves that a signal started (the program entry passes
    // QCoreApplication::exit). One watch at a time; it takes the three signals over until it is
    // destroyed.
    SessionEndWatch(EndingSession& session, std::function<void()> endProgram);
    ~SessionEndWatch() override;

    // The window system's word that the display has gone: the saves run now, once.
    static void displayEnded();

private:
    void signalArrived();
    static void programExiting();

    EndingSession& session_;
    std::function<void()> endProgram_;
    QSocketNotifier* notifier_ = nullptr;
};

// Runs saves with the end signals held back: a signal that comes meanwhile waits until they end.
void withEndSignalsHeld(const std::function<void()>& saves);
