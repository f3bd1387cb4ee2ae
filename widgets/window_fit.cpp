#include "widgets/window_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {
// A title bar and thin borders, as most window managers draw them.
constexpr QMargins kUsualDecoration(4, 30, 4, 4);

int fitExtent(int extent, int available, int minimum) { return std::max(std::min(extent, available), minimum); }

int fitStart(int start, int extent, int availableStart, int availableExtent)
{
    // Too large even when shrunk (the minimum wins): the top or left edge stays reachable.
    if (extent >= availableExtent)
        return availableStart;
    return std::clamp(start, availableStart, availableStart + availableExtent - extent);
}

QScreen* screenUnder(const QRect& frame)
{
    QScreen* best = nullptr;
    long long bestArea = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->geometry().intersected(frame);
        const long long area = static_cast<long long>(overlap.width()) * overlap.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best ? best : QGuiApplication::primaryScreen();
}

class SecondPaneGivesWay : public QObject {
public:
    SecondPaneGivesWay(QSplitter* splitter, int comfortHeight)
        : QObject(splitter), splitter_(splitter), comfort_(comfortHeight)
    {
        splitter->widget(0)->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The pane hears of its new size while the splitter is still laying out; new sizes given
        // then would be overwritten by the rest of that pass, so they wait for its end.
        if (event->type() == QEvent::Resize && splitter_->widget(1)->isVisible() && !pending_) {
            pending_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    pending_ = false;
                    giveWay();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void giveWay()
    {
        QList<int> sizes = splitter_->sizes();
        const int floor = splitter_->widget(1)->minimumSizeHint().height();
        const int give = std::min(comfort_ - sizes[0], sizes[1] - floor);
        if (give <= 0)
            return;
        sizes[0] += give;
        sizes[1] -= give;
        splitter_->setSizes(sizes);
    }

    QSplitter* splitter_;
    int comfort_;
    bool pending_ = false;
};
}  // namespace

QRect fitFrameOnScreen(const QRect& frame, const QRect& available, const QSize& minimum)
{
    if (available.contains(frame))
        return frame;
    const int width = fitExtent(frame.width(), available.width(), minimum.width());
    const int height = fitExtent(frame.height(), available.height(), minimum.height());
    return {fitStart(frame.x(), width, available.x(), available.width()),
            fitStart(frame.y(), height, available.y(), available.height()), width, height};
}

void fitWindowToScreen(QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    const QMargins known = handle ? handle->frameMargins() : QMargins();
    const QMargins decoration = known.isNull() ? kUsualDecoration : known;
    // QWidget::pos() is the frame's corner; size() is without the decoration.
    const QRect frame(window.pos(), window.size().grownBy(decoration));
    const QScreen* screen = screenUnder(frame);
    if (!screen)
        return;
    const QSize minimum = window.minimumSize().expandedTo(window.minimumSizeHint()).grownBy(decoration);
    const QRect fitted = fitFrameOnScreen(frame, screen->availableGeometry(), minimum);
    if (fitted == frame)
        return;
    window.move(fitted.topLeft());
    window.resize(fitted.size().shrunkBy(decoration));
}

void letSecondPaneGiveWay(QSplitter* splitter, int comfortHeight) { new SecondPaneGivesWay(splitter, comfortHeight); }
