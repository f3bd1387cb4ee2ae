#include "widgets/animate.h"

#include "widgets/widget_accessibility.h"

#include <QFile>
#include <QPainter>

#include <utility>

Animate::Animate(QWidget* parent) : QWidget(parent)
{
    installWidgetAccessibility();
    connect(&timer_, &QTimer::timeout, this, [this] { showFrame((frame_ + 1) % frames().size()); });
}

bool Animate::Open(const QString& clipName, int frameWidth, int frameIntervalMs)
{
    // Reading the picture (the first image read of the run) would come before the window is shown.
    const QString path = QStringLiteral(":/clips/%1.bmp").arg(clipName);
    frames_.clear();
    clipPath_.clear();
    if (!QFile::exists(path) || frameWidth <= 0)
        return false;
    clipPath_ = path;
    frameWidth_ = frameWidth;
    timer_.setInterval(frameIntervalMs);
    showFrame(0);
    return true;
}

const std::vector<QImage>& Animate::frames() const
{
    if (!clipPath_.isEmpty()) {
        const QImage strip(std::exchange(clipPath_, {}));
        for (int x = 0; x + frameWidth_ <= strip.width(); x += frameWidth_)
            frames_.push_back(strip.copy(x, 0, frameWidth_, strip.height()));
    }
    return frames_;
}

void Animate::setActive(bool active)
{
    if (active == timer_.isActive() || frames().empty())
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
    if (!frames().empty()) {
        const QImage& image = frames_[frame_];
        painter.drawImage(
            QPoint(area.x() + (area.width() - image.width()) / 2, area.y() + (area.height() - image.height()) / 2),
            image);
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}
