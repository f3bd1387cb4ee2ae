#pragma once
// A small animation control: plays the frames of a clip from the program's resources. While
// active it shows frames 1 to 4 over and over; made inactive it shows frame 1.
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

class QPainter;

class Animate : public QWidget {
    Q_OBJECT
public:
    explicit Animate(QWidget* parent = nullptr);

    // Takes the named clip ("navi1"): a strip of frames side by side, each as high as the strip.
    // Its picture is read when first needed (to be drawn, played or counted); false when the
    // program has no clip of that name.
    bool Open(const QString& clipName, int frameWidth, int frameIntervalMs);
    void setActive(bool active);
    bool active() const { return timer_.isActive(); }
    // 1-based number of the frame on show; 0 while no clip is loaded.
    int currentFrame() const { return frames().empty() ? 0 : static_cast<int>(frame_) + 1; }
    int frameCount() const { return static_cast<int>(frames().size()); }

    // Draws the frame on show into area: navy ground, the frame in the middle, a border.
    void drawFrame(QPainter& painter, const QRect& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showFrame(size_t frame);
    const std::vector<QImage>& frames() const;

    mutable QString clipPath_;  // the clip taken and not yet read
    int frameWidth_ = 0;
    mutable std::vector<QImage> frames_;
    size_t frame_ = 0;
    QTimer timer_;
};
