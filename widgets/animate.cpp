#include "widgets/animate.h"

#include <QPainter>

Animate::Animate(QWidget* parent) : QWidget(parent)
{
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % frames_.size();
        update();
    });
}

bool Animate::Open(const QString& clipName, int frameWidth, int frameIntervalMs)
{
    const QImage strip(QStringLiteral(":/clips/%1.bmp").arg(clipName));
    frames_.clear();
    if (strip.isNull() || frameWidth <= 0)
        return false;
    for (int x = 0; x + frameWidth <= strip.width(); x += frameWidth)
        frames_.push_back(strip.copy(x, 0, frameWidth, strip.height()));
    frame_ = 0;
    timer_.setInterval(frameIntervalMs);
    update();
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
        frame_ = 0;
        update();
    }
}

void Animate::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 128));
    if (!frames_.empty()) {
        const QImage& image = frames_[frame_];
        painter.drawImage(QPoint((width() - image.width()) / 2, (height() - image.height()) / 2), image);
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
