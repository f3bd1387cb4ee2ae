#pragma once
// Every handler of a feature runs through the error box guard: what escapes it is shown over the
// feature's window and the program goes on with the next event. A feature keeps one of these and
// connects its widgets' signals through it.
#include "widgets/error_box.h"

#include <QObject>

#include <utility>

class HandlerGuard {
public:
    HandlerGuard(Dialogs& dialogs, QWidget* owner) : dialogs_(&dialogs), owner_(owner) {}

    // Runs handler; false when an error escaped it (it has been shown).
    template <class Handler>
    bool operator()(Handler&& handler) const
    {
        return runGuarded(*dialogs_, owner_, std::forward<Handler>(handler));
    }

    // Connects signal of sender to receiver's handler, through the guard.
    template <class Sender, class Signal, class Receiver>
    void connect(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)()) const
    {
        QObject::connect(sender, signal, receiver,
                         [guard = *this, receiver, handler] { guard([&] { (receiver->*handler)(); }); });
    }

    Dialogs& dialogs() const { return *dialogs_; }
    QWidget* owner() const { return owner_; }

private:
    Dialogs* dialogs_;
    QWidget* owner_;
};
