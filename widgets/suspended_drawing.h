#pragma once
#include <QWidget>

// Suspends a widget's drawing for a scope and resumes it once at the end, also when the scope is
// left by an error.
class SuspendedDrawing {
public:
    explicit SuspendedDrawing(QWidget& widget) : widget_(widget), wasEnabled_(widget.updatesEnabled())
    {
        widget_.setUpdatesEnabled(false);
    }
    ~SuspendedDrawing() { widget_.setUpdatesEnabled(wasEnabled_); }
    SuspendedDrawing(const SuspendedDrawing&) = delete;
    SuspendedDrawing& operator=(const SuspendedDrawing&) = delete;

private:
    QWidget& widget_;
    bool wasEnabled_;
};
