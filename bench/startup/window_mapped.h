#pragma once
// For the "start to the window on screen" row: a window that is exposed for the first time ends
// the program, printing the milliseconds since RIBEMO_LAUNCHED_NS (set by bench/numbers.sh just
// before the launch, in nanoseconds of the real-time clock). Without the variable nothing happens.
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

class WindowMappedExit : public QObject {
public:
    explicit WindowMappedExit(long long launchedNs) : launchedNs_(launchedNs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
            std::printf("mapped_ms %lld\n", (ns - launchedNs_) / 1000000);
            std::fflush(stdout);
            ::_exit(0);
        }
        return false;
    }

private:
    long long launchedNs_;
};

inline void endWhenMapped(QWidget& window)
{
    const char* launched = std::getenv("RIBEMO_LAUNCHED_NS");
    if (!launched)
        return;
    window.winId();  // makes the native window, so its expose can be watched
    window.windowHandle()->installEventFilter(new WindowMappedExit(std::atoll(launched)));
}
