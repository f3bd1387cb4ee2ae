#include "widgets/splitter_pane.h"

#include <QEvent>
#include <QSplitter>

#include <algorithm>

namespace {
// The room left to the other pane when the splitter is still smaller than the size asked for;
// it only has to keep the two sizes in proportion until the real layout.
constexpr int kRoomForTheOtherPane = 200;
}  // namespace

SplitterPane::SplitterPane(QSplitter* splitter, int index)
    : QObject(splitter), splitter_(splitter), pane_(splitter->widget(index)), index_(index)
{
    lastShown_ = size();
    splitter_->installEventFilter(this);
    pane_->installEventFilter(this);
    splitter_->handle(std::max(1, index))
        ->setAccessibleName(splitter_->orientation() == Qt::Horizontal ? QStringLiteral("左右の区切り")
                                                                       : QStringLiteral("上下の区切り"));
}

int SplitterPane::extentOf(const QWidget* widget) const
{
    return splitter_->orientation() == Qt::Horizontal ? widget->width() : widget->height();
}

int SplitterPane::size() const
{
    if (pending_ >= 0)
        return pending_;
    if (pane_->isHidden())
        return lastShown_;
    return splitter_->sizes().value(index_);
}

void SplitterPane::setSize(int size)
{
    size = std::clamp(size, 0, QWIDGETSIZE_MAX);
    // A saved size may be smaller than the pane's contents ask for; the splitter would refuse it.
    if (splitter_->orientation() == Qt::Horizontal)
        pane_->setMinimumWidth(std::min(size, pane_->minimumSizeHint().width()));
    else
        pane_->setMinimumHeight(std::min(size, pane_->minimumSizeHint().height()));
    pending_ = splitter_->isVisible() ? -1 : size;
    lastShown_ = size;
    // setSizes shares the splitter out in proportion to the sizes given, so the two add up to the
    // splitter's own extent for the pane to get exactly its size.
    const int total = std::max(extentOf(splitter_), size + kRoomForTheOtherPane);
    const int other = total - size - splitter_->handleWidth();
    splitter_->setSizes(index_ == 0 ? QList<int>{size, other} : QList<int>{other, size});
}

bool SplitterPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == splitter_ && event->type() == QEvent::Show) {
        // Laid out at its real extent now; the splitter kept the size given as the pane's own.
        pending_ = -1;
    } else if (watched == pane_ && event->type() == QEvent::Resize && pending_ < 0 && !pane_->isHidden()) {
        lastShown_ = extentOf(pane_);
    }
    return QObject::eventFilter(watched, event);
}
