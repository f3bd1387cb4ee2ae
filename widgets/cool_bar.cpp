#include "widgets/cool_bar.h"

#include "widgets/widget_accessibility.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {
constexpr int kRowPadding = 6;
constexpr int kMinimumBandWidth = 24;
}  // namespace

CoolBar::CoolBar(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setMouseTracking(true);
    installWidgetAccessibility();
}

int CoolBar::addBand(QWidget* child, int minHeight, int width, bool breakBefore, bool border)
{
    const int id = bandCount();
    child->setParent(this);
    child->installEventFilter(this);
    bands_.push_back(Band{id, child, minHeight, width, breakBefore, border, {}});
    rowHeight_ = std::max(rowHeight_, minHeight + kRowPadding);
    relayout();
    return id;
}

void CoolBar::setShrinkableBox(int id, QWidget* box, int minimumWidth)
{
    const int position = positionOfBand(id);
    if (position < 0)
        return;
    Band& band = bands_[static_cast<size_t>(position)];
    band.box = box;
    band.boxMinimum = std::min(minimumWidth, box->minimumWidth());
    // The bar reports its size hint from its last layout pass, which may not have seen the box's
    // latest width; what the rest of the bar takes does not change, so it is measured once here.
    band.barRest = std::max(0, band.child->sizeHint().width() - box->width());
    relayout();
}

int CoolBar::bandIdAt(int position) const { return bands_.at(static_cast<size_t>(position)).id; }

int CoolBar::positionOfBand(int id) const
{
    for (size_t i = 0; i < bands_.size(); ++i)
        if (bands_[i].id == id)
            return static_cast<int>(i);
    return -1;
}

QWidget* CoolBar::bandChild(int id) const
{
    const int position = positionOfBand(id);
    return position < 0 ? nullptr : bands_[static_cast<size_t>(position)].child;
}

void CoolBar::moveBand(int id, int position)
{
    const int from = positionOfBand(id);
    if (from < 0 || position < 0 || position >= bandCount() || from == position)
        return;
    Band band = bands_[static_cast<size_t>(from)];
    bands_.erase(bands_.begin() + from);
    bands_.insert(bands_.begin() + position, band);
    relayout();
}

bool CoolBar::breakAt(int position) const { return bands_.at(static_cast<size_t>(position)).breakBefore; }

void CoolBar::setBreakAt(int position, bool startsRow)
{
    bands_.at(static_cast<size_t>(position)).breakBefore = startsRow;
    relayout();
}

int CoolBar::widthAt(int position) const { return bands_.at(static_cast<size_t>(position)).width; }

void CoolBar::setWidthAt(int position, int width)
{
    bands_.at(static_cast<size_t>(position)).width = width;
    relayout();
}

QRect CoolBar::bandRect(int id) const
{
    const int position = positionOfBand(id);
    return position < 0 ? QRect() : bands_[static_cast<size_t>(position)].rect;
}

std::vector<std::vector<size_t>> CoolBar::visibleRows() const
{
    std::vector<std::vector<size_t>> rows;
    for (size_t i = 0; i < bands_.size(); ++i) {
        if (bands_[i].child->isHidden())
            continue;
        if (rows.empty() || bands_[i].breakBefore)
            rows.emplace_back();
        rows.back().push_back(i);
    }
    return rows;
}

int CoolBar::rowCount() const { return static_cast<int>(visibleRows().size()); }

bool CoolBar::isLastInRow(size_t index) const
{
    for (const auto& row : visibleRows())
        if (!row.empty() && row.back() == index)
            return true;
    return false;
}

QSize CoolBar::sizeHint() const { return {400, std::max(1, rowCount()) * rowHeight_ + 2}; }

QSize CoolBar::minimumSizeHint() const { return {kMinimumBandWidth, sizeHint().height()}; }

// What the band needs to show its whole tool bar, with its box at the least it may shrink to.
int CoolBar::neededWidth(const Band& band, bool last) const
{
    const int bar = band.box ? band.barRest + band.boxMinimum : band.child->sizeHint().width();
    return bar + kGripWidth + (last ? 2 : kEdgeInside);
}

// Gives the band's box the width that lets the tool bar fill innerWidth, never below its least:
// a band made wider than its bar widens the box, as a browser's address box follows its band. The
// box is only touched when that changes, so the layout request it causes settles on the next pass.
void CoolBar::fitBox(Band& band, int innerWidth)
{
    if (!band.box)
        return;
    const int fitted = std::max(innerWidth - band.barRest, band.boxMinimum);
    if (band.box->width() != fitted)
        band.box->setFixedWidth(fitted);
}

void CoolBar::relayout()
{
    for (auto& band : bands_)
        band.rect = QRect();
    const auto rows = visibleRows();
    const int available = std::max(width(), kMinimumBandWidth);
    int y = 1;
    for (const auto& row : rows) {
        int x = 0;
        for (size_t k = 0; k < row.size(); ++k) {
            Band& band = bands_[row[k]];
            const bool last = (k + 1 == row.size());
            // A band is never narrower than its tool bar needs once its box has given way, as a
            // rebar keeps a band's minimum child width, and what it was given beyond that gives way
            // to what the bands after it in the row need. The stored width stays as the user set it.
            int reserve = 0;
            for (size_t later = k + 1; later < row.size(); ++later)
                reserve += neededWidth(bands_[row[later]], later + 1 == row.size());
            const int needed = neededWidth(band, false);
            int w = last ? available - x : std::clamp(band.width, needed, std::max(needed, available - x - reserve));
            w = std::max(w, kMinimumBandWidth);
            band.rect = QRect(x, y, w, rowHeight_);
            const int inner = std::max(1, w - kGripWidth - (last ? 2 : kEdgeInside));
            fitBox(band, inner);
            const int childHeight = std::min(band.minHeight, rowHeight_ - 2);
            const int childTop = y + (rowHeight_ - childHeight) / 2;
            band.child->setGeometry(x + kGripWidth, childTop, inner, childHeight);
            x += w;
        }
        y += rowHeight_;
    }
    updateGeometry();
    update();
}

bool CoolBar::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) && watched->parent() == this)
        relayout();
    return QWidget::eventFilter(watched, event);
}

bool CoolBar::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        relayout();
    return QWidget::event(event);
}

void CoolBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void CoolBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    for (const auto& band : bands_) {
        if (band.rect.isEmpty())
            continue;
        if (band.border) {
            painter.setPen(pal.color(QPalette::Light));
            painter.drawLine(band.rect.topLeft(), band.rect.topRight());
            painter.drawLine(band.rect.topLeft(), band.rect.bottomLeft());
            painter.setPen(pal.color(QPalette::Mid));
            painter.drawLine(band.rect.bottomLeft(), band.rect.bottomRight());
            painter.drawLine(band.rect.topRight(), band.rect.bottomRight());
        }
        // The grip: two raised lines the user takes the band by.
        const int top = band.rect.top() + 3, bottom = band.rect.bottom() - 3;
        for (int gx : {band.rect.left() + 3, band.rect.left() + 6}) {
            painter.setPen(pal.color(QPalette::Light));
            painter.drawLine(gx, top, gx, bottom);
            painter.setPen(pal.color(QPalette::Dark));
            painter.drawLine(gx + 1, top, gx + 1, bottom);
        }
    }
}

int CoolBar::bandIndexAt(const QPoint& pos) const
{
    for (size_t i = 0; i < bands_.size(); ++i)
        if (bands_[i].rect.contains(pos))
            return static_cast<int>(i);
    return -1;
}

int CoolBar::edgeBandAt(const QPoint& pos) const
{
    for (size_t i = 0; i < bands_.size(); ++i) {
        const QRect& r = bands_[i].rect;
        if (r.isEmpty() || isLastInRow(i) || pos.y() < r.top() || pos.y() > r.bottom())
            continue;
        if (pos.x() > r.right() - kEdgeInside && pos.x() <= r.right() + kEdgeOutside)
            return static_cast<int>(i);
    }
    return -1;
}

void CoolBar::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const int edge = edgeBandAt(pos);
    const int index = edge >= 0 ? edge : bandIndexAt(pos);
    if (event->button() != Qt::LeftButton || index < 0)
        return QWidget::mousePressEvent(event);
    const Band& band = bands_[static_cast<size_t>(index)];
    if (edge >= 0) {
        drag_ = Drag::Resize;
    } else if (pos.x() < band.rect.left() + kGripWidth) {
        drag_ = Drag::Move;
    } else {
        return QWidget::mousePressEvent(event);
    }
    dragBandId_ = band.id;
    dragOffset_ = pos.x() - band.rect.left();
    dragStartX_ = pos.x();
    dragStartWidth_ = band.rect.width();
}

void CoolBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (drag_ == Drag::Resize) {
        const int position = positionOfBand(dragBandId_);
        Band& band = bands_[static_cast<size_t>(position)];
        band.width = std::max(kMinimumBandWidth, dragStartWidth_ + pos.x() - dragStartX_);
        relayout();
        return;
    }
    if (drag_ == Drag::None) {
        const int index = bandIndexAt(pos);
        const bool onEdge = edgeBandAt(pos) >= 0;
        const bool onGrip = index >= 0 && pos.x() < bands_[static_cast<size_t>(index)].rect.left() + kGripWidth;
        setCursor(onEdge ? Qt::SizeHorCursor : onGrip ? Qt::SizeAllCursor : Qt::ArrowCursor);
    }
}

void CoolBar::keyPressEvent(QKeyEvent* event)
{
    // Space presses a focused button of a band, and so does Enter, as in a dialog: outside a dialog
    // the buttons themselves pass Enter on, and it arrives here. What a box passes on stays alone.
    auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !button || !isAncestorOf(button) || !button->isEnabled()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        button->click();
}

void CoolBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (drag_ == Drag::Move && event->button() == Qt::LeftButton)
        dropBand(static_cast<size_t>(positionOfBand(dragBandId_)), event->position().toPoint());
    drag_ = Drag::None;
    dragBandId_ = -1;
}

void CoolBar::dropBand(size_t index, const QPoint& pos)
{
    auto rows = visibleRows();
    const int targetRow = (rowHeight_ > 0 && pos.y() >= 1) ? (pos.y() - 1) / rowHeight_ : 0;

    Band band = bands_[index];
    // The band's old row keeps its start when the band leaves it.
    if (band.breakBefore && index + 1 < bands_.size() && !bands_[index + 1].breakBefore)
        bands_[index + 1].breakBefore = true;
    bands_.erase(bands_.begin() + static_cast<long>(index));

    if (targetRow >= static_cast<int>(rows.size())) {
        // Below the last row: the band opens a new row of its own at the end.
        band.breakBefore = true;
        band.width = std::max(band.width, kMinimumBandWidth);
        bands_.push_back(band);
        relayout();
        return;
    }

    // Recompute the target row without the dragged band, then insert by the pointer's x.
    for (auto& row : rows)
        row.erase(std::remove(row.begin(), row.end(), index), row.end());
    for (auto& row : rows)
        for (auto& i : row)
            if (i > index)
                --i;
    const auto& row = rows[static_cast<size_t>(targetRow)];
    if (row.empty()) {
        band.breakBefore = true;
        bands_.insert(bands_.begin() + static_cast<long>(std::min(index, bands_.size())), band);
        relayout();
        return;
    }
    size_t insertAt = row.back() + 1;
    bool atRowStart = false;
    for (size_t k = 0; k < row.size(); ++k) {
        const QRect r = bands_[row[k]].rect;
        if (pos.x() - dragOffset_ < r.center().x()) {
            insertAt = row[k];
            atRowStart = (k == 0);
            break;
        }
    }
    band.breakBefore = atRowStart;
    if (atRowStart)
        bands_[insertAt].breakBefore = false;
    bands_.insert(bands_.begin() + static_cast<long>(insertAt), band);
    relayout();
}
