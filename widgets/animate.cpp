#include "widgets/animate.h"

#include "widgets/widget_accessibility.h"

#include <QPainter>

Animate::Animate(QWidget* parent) : QWidget(parent)
{
    installWidgetAccessibility();
    connect(&timer_, &QTimer::timeout, this, [this] { showFrame((frame_ + 1) % frames_.size()); });
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
    update();
}

void Animate::paintEvent(QPaintEvent*)
{
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
