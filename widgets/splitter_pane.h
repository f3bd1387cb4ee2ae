#pragma once
// One pane of a splitter whose size the settings give at start and take at close: the keyword
// pane's width in Splitter1, the watched-auction strip's height in Splitter2.
//
// A splitter lays its panes out only once the window is shown at its real size; until then it
// reports the sizes squeezed into whatever extent it has meanwhile, so a size given before the
// window is shown is reported as given. A pane that is hidden has no size in its splitter at all;
// it reports the size it had when last shown, which is also the size it comes back with.
#include <QObject>

class QSplitter;
class QWidget;

class SplitterPane : public QObject {
public:
    // The pane is the splitter's widget at index; this object lives as long as the splitter.
    SplitterPane(QSplitter* splitter, int index);

    // The pane's extent along the splitter (a width across, a height down).
    int size() const;
    // Any size down to 1 is taken, however small the pane's contents would rather be; 0 and
    // below leave the pane at the smallest its contents allow.
    void setSize(int size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int extentOf(const QWidget* widget) const;

    QSplitter* splitter_;
    QWidget* pane_;
    int index_;
    int pending_ = -1;   // given before the splitter was first shown; -1 once it has been
    int lastShown_ = 0;  // while the pane is hidden
};
