#pragma once
// The end of the session saves like a close. A SIGTERM, SIGHUP or SIGINT (logout, shutdown, a
// closed terminal, Ctrl+C) is turned into an event of the user-interface thread, which runs the
// close sequence's saves and then ends the program; the desktop session's commit-data request
// (at logout, before it asks the program to quit) runs the same saves. So does the end of the
// display: when the connection to the X server breaks, Qt ends the program with exit() from
// inside the event loop, and an exit handler runs the saves first (they read the window's state
// and draw nothing).
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class QSocketNotifier;
class TForm1;

class SessionEndWatch : public QObject {
public:
    // endProgram runs after the saves that a signal started (the program entry passes
    // QCoreApplication::exit). One watch at a time; it takes the three signals over until it is
    // destroyed.
    SessionEndWatch(TForm1& form, std::function<void()> endProgram);
    ~SessionEndWatch() override;

private:
    void signalArrived();
    static void programExiting();

    TForm1& form_;
    std::function<void()> endProgram_;
    QSocketNotifier* notifier_ = nullptr;
};

// One file the close could not write: what the user reads of the failure, and the content it
// was to hold (none when it was to be deleted, or the failure was no failed write).
struct UnsavedFile {
    QString failure;
    std::string path;
    std::optional<std::string> content;
};

// The close could not write every file: one message for all of them, a line each with why.
class UnsavedFiles : public std::runtime_error {
public:
    explicit UnsavedFiles(std::vector<UnsavedFile> files);
    QString message() const;
    const std::vector<UnsavedFile>& files() const { return files_; }

private:
    std::vector<UnsavedFile> files_;
};
