#pragma once
// A band container: bands on rows, each band one tool bar behind a grip. The user drags a band by
// its grip to another place or row and drags a band's right edge to resize it. Bands are addressed
// by the ID they got when added (0, 1, ...) and by their position in the current order, which
// counts the bands row by row from 0.
#include <QWidget>

#include <vector>

class CoolBar : public QWidget {
    Q_OBJECT
public:
    explicit CoolBar(QWidget* parent = nullptr);

    // Adds a band carrying child; its ID is the number of bands added before it. A band is shown
    // exactly while its child is not hidden.
    int addBand(QWidget* child, int minHeight, int width, bool breakBefore, bool border);
    // Names the box inside a band's tool bar that follows the band's width: it shrinks from its
    // own width down to minimumWidth before anything else is cut, and takes whatever a wider band
    // gives beyond the bar.
    void setShrinkableBox(int id, QWidget* box, int minimumWidth);

    int bandCount() const { return static_cast<int>(bands_.size()); }
    int bandIdAt(int position) const;
    int positionOfBand(int id) const;
    QWidget* bandChild(int id) const;
    // Moves the band to position; the bands from position up to its old position move one later.
    void moveBand(int id, int position);
    bool breakAt(int position) const;
    void setBreakAt(int position, bool startsRow);
    int widthAt(int position) const;
    void setWidthAt(int position, int width);
    int rowCount() const;
    int bandHeight() const { return rowHeight_; }
    // The band's rectangle in this widget (empty while the band is hidden).
    QRect bandRect(int id) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr int kGripWidth = 10;
    // The zone the user takes a band's right edge by: the last pixels of the band, which its tool
    // bar leaves free, and the first pixels of the next band, before its grip.
    static constexpr int kEdgeInside = 6;
    static constexpr int kEdgeOutside = 3;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Band {
        int id;
        QWidget* child;
        int minHeight;
        int width;
        bool breakBefore;
        bool border;
        QRect rect;
        QWidget* box = nullptr;
        int boxMinimum = 0;
        int barRest = 0;  // what the bar takes besides the box
    };
    enum class Drag { None, Move, Resize };

    void relayout();
    int bandIndexAt(const QPoint& pos) const;
    int edgeBandAt(const QPoint& pos) const;
    int neededWidth(const Band& band, bool last) const;
    void fitBox(Band& band, int innerWidth);
    bool isLastInRow(size_t index) const;
    void dropBand(size_t index, const QPoint& pos);
    std::vector<std::vector<size_t>> visibleRows() const;

    std::vector<Band> bands_;
    int rowHeight_ = 0;
    Drag drag_ = Drag::None;
    int dragBandId_ = -1;
    int dragOffset_ = 0;
    int dragStartX_ = 0;
    int dragStartWidth_ = 0;
};
