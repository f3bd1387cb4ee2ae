#include "widgets/animate.h"

#include "widgets/widget_accessibility.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QRasterWindow>

namespace {

// Where the frames are drawn: a window of its own, with a backing store of its own.
class FrameWindow : public QRasterWindow {
public:
    explicit FrameWindow(const Animate& owner) : owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        owner_.drawFrame(painter, QRect(QPoint(0, 0), size()));
    }

private:
    const Animate& owner_;
};

}  // namespace

Animate::Animate(QWidget* parent) : QWidget(parent)
{
    installWidgetAccessibility();
    connect(&timer_, &QTimer::timeout, this, [this] { showFrame((frame_ + 1) % frames_.size()); });
    // Verified where it matters, on the X window system: there the window is an X window of
    // its own that the X server shows by itself. Elsewhere (and on the platform the tests run
    // on, which would give the little window the keyboard) the control draws the frames itself.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    frameWindow_ = new FrameWindow(*this);
    // Clicks and focus are the control's as before: the window only shows. The container places
    // the window over this control and shows, hides and moves it with it; no other widget of the
    // program's window becomes a native window for it.
    frameWindow_->setFlags(frameWindow_->flags() | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    QWidget* container = QWidget::createWindowContainer(frameWindow_, this);
    container->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
}

bool Animate::Open(const QString& clipName, int frameWidth, int frameIntervalMs)
{
    const QImage strip(QStringLiteral(":/clips/%1.bmp").arg(clipName));
    frames_.clear();
    if (strip.isNull() || frameWidth <= 0)
        return false;
    for (int x = 0; x + frameWidth <= strip.width(); x += frameWidth)
        frames_.push_back(strip.copy(x, 0, frameWidth, strip.height()));
    timer_.setInterval(frameIntervalMs);
    showFrame(0);
    return !frames_.empty();
}

void Animate::setActive(bool active)
{
    if (active == timer_.isActive() || frames_.empty())
        return;
    if (active) {
        timer_.start();
    } else {
        timer_.stop();
        showFrame(0);
    }
}

void Animate::showFrame(size_t frame)
{
    frame_ = frame;
    if (frameWindow_)
        frameWindow_->update();
    else
        update();
}

void Animate::paintEvent(QPaintEvent*)
{
    if (frameWindow_)
        return;
    QPainter painter(this);
    drawFrame(painter, rect());
}

void Animate::drawFrame(QPainter& painter, const QRect& area) const
{
    painter.fillRect(area, QColor(0, 0, 128));
    if (!frames_.empty()) {
        const QImage& image = frames_[frame_];
        painter.drawImage(
            QPoint(area.x() + (area.width() - image.width()) / 2, area.y() + (area.height() - image.height()) / 2),
            image);
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}
