#pragma once
// A small animation control: plays the frames of a clip from the program's resources. While
// active it shows frames 1 to 4 over and over; made inactive it shows frame 1.
//
// On the X window system the frames are drawn in a small window of their own inside the control. The program's window
// holds the web view, which makes the toolkit compose that whole window through OpenGL on every
// repaint of any widget in it; with software OpenGL that is several milliseconds of processor
// time a frame, ten frames a second while a page loads. A window of its own is drawn and shown
// by itself, 45×20 pixels a frame, and the big window is not touched.
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

class QPainter;
class QRasterWindow;

class Animate : public QWidget {
    Q_OBJECT
public:
    explicit Animate(QWidget* parent = nullptr);

    // Loads the named clip ("navi1"): a strip of frames side by side, each as high as the strip.
    bool Open(const QString& clipName, int frameWidth, int frameIntervalMs);
    void setActive(bool active);
    bool active() const { return timer_.isActive(); }
    // 1-based number of the frame on show; 0 while no clip is loaded.
    int currentFrame() const { return frames_.empty() ? 0 : frame_ + 1; }
    int frameCount() const { return static_cast<int>(frames_.size()); }

    // Draws the frame on show into area: navy ground, the frame in the middle, a border.
    void drawFrame(QPainter& painter, const QRect& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showFrame(size_t frame);

    std::vector<QImage> frames_;
    size_t frame_ = 0;
    QTimer timer_;
    QRasterWindow* frameWindow_ = nullptr;  // on the X window system only
};
