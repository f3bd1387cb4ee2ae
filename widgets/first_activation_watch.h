#pragma once
// Sets a flag once a window has been activated for the first time.
#include <QEvent>
#include <QObject>

class FirstActivationWatch : public QObject {
public:
    FirstActivationWatch(QObject* window, bool& activated) : QObject(window), activated_(activated)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            activated_ = true;
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool& activated_;
};
