#include "widgets/tab_rows.h"

#include "widgets/widget_accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>

namespace {
constexpr int kBaseHeight = 2;  // the line the selected tab stands on

// Tells a screen reader about a change of one tab (its accessible child of the same number).
void announceTab(TabRows* tabs, QAccessible::Event change, int index)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(tabs, change);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}
}  // namespace

TabRows::TabRows(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    installWidgetAccessibility();
}

void TabRows::addTab(const QString& caption)
{
    captions_.append(caption);
    if (current_ < 0)
        current_ = 0;
    relayout();
}

void TabRows::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    relayout();
    if (hasFocus())
        announceTab(this, QAccessible::Focus, index);
    announceTab(this, QAccessible::Selection, index);
    emit currentChanged(index);
}

void TabRows::setTabText(int index, const QString& caption)
{
    if (index < 0 || index >= count())
        return;
    captions_[index] = caption;
    relayout();
    announceTab(this, QAccessible::NameChanged, index);
}

QRect TabRows::tabRect(int index) const
{
    return (index < 0 || index >= static_cast<int>(rects_.size())) ? QRect() : rects_[static_cast<size_t>(index)];
}

// The size the style draws a tab of the caption in, asked as the standard tab bar asks it, so a
// caption is never cut by the style's own padding.
QSize TabRows::tabSize(int index) const
{
    QStyleOptionTab tab;
    tab.initFrom(this);
    tab.shape = QTabBar::RoundedNorth;
    tab.text = captions_.at(index);
    const QSize contents(
        fontMetrics().horizontalAdvance(tab.text) + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &tab, this),
        fontMetrics().height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &tab, this));
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &tab, contents, this);
}

int TabRows::tabWidth(int index) const { return tabSize(index).width(); }

int TabRows::rowHeight() const { return count() == 0 ? fontMetrics().height() + 8 : tabSize(0).height(); }

TabRows::Rows TabRows::rowsFor(int width) const
{
    Rows rows;
    int x = 0;
    for (int i = 0; i < count(); ++i) {
        const int w = tabWidth(i);
        // A tab wider than the whole strip still gets a row of its own rather than none.
        if (rows.empty() || (x + w > width && !rows.back().empty())) {
            rows.emplace_back();
            x = 0;
        }
        rows.back().push_back(i);
        x += w;
    }
    // The selected tab's row moves next to the content, so the selected tab touches what it shows.
    auto selected = std::find_if(rows.begin(), rows.end(), [this](const std::vector<int>& row) {
        return std::find(row.begin(), row.end(), current_) != row.end();
    });
    if (selected != rows.end())
        std::rotate(selected, selected + 1, rows.end());
    return rows;
}

int TabRows::heightForWidth(int width) const
{
    return std::max<int>(1, static_cast<int>(rowsFor(width).size())) * rowHeight() + kBaseHeight;
}

QSize TabRows::sizeHint() const
{
    int oneRow = 0;
    for (int i = 0; i < count(); ++i)
        oneRow += tabWidth(i);
    return {oneRow, rowHeight() + kBaseHeight};
}

QSize TabRows::minimumSizeHint() const
{
    // The pane may be narrower than its widest tab; that tab is then cut at the right.
    return {0, heightForWidth(width())};
}

void TabRows::relayout()
{
    const int before = rowCount();
    rows_ = rowsFor(width());
    rects_.assign(static_cast<size_t>(count()), QRect());
    const int h = rowHeight();
    for (size_t r = 0; r < rows_.size(); ++r) {
        int x = 0;
        for (int index : rows_[r]) {
            rects_[static_cast<size_t>(index)] = QRect(x, static_cast<int>(r) * h, tabWidth(index), h);
            x += tabWidth(index);
        }
    }
    if (rowCount() != before)
        updateGeometry();
    update();
}

void TabRows::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void TabRows::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        relayout();
}

void TabRows::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabBarBase base;
    base.initFrom(this);
    base.shape = QTabBar::RoundedNorth;
    base.rect = QRect(0, height() - kBaseHeight, width(), kBaseHeight);
    base.selectedTabRect = tabRect(current_);
    painter.drawPrimitive(QStyle::PE_FrameTabBarBase, base);
    for (size_t r = 0; r < rows_.size(); ++r) {
        const auto& row = rows_[r];
        for (size_t k = 0; k < row.size(); ++k) {
            const int index = row[k];
            QStyleOptionTab tab;
            tab.initFrom(this);
            tab.shape = QTabBar::RoundedNorth;
            tab.rect = tabRect(index);
            tab.text = captions_.at(index);
            tab.row = static_cast<int>(r);
            tab.position = row.size() == 1       ? QStyleOptionTab::OnlyOneTab
                           : k == 0              ? QStyleOptionTab::Beginning
                           : k + 1 == row.size() ? QStyleOptionTab::End
                                                 : QStyleOptionTab::Middle;
            tab.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
            if (index == current_) {
                tab.state |= QStyle::State_Selected;
                if (hasFocus())
                    tab.state |= QStyle::State_HasFocus;
            }
            painter.drawControl(QStyle::CE_TabBarTab, tab);
        }
    }
}

void TabRows::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(event->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    }
}

void TabRows::keyPressEvent(QKeyEvent* event)
{
    int target = current_;
    switch (event->key()) {
        case Qt::Key_Left:
            target = current_ - 1;
            break;
        case Qt::Key_Right:
            target = current_ + 1;
            break;
        case Qt::Key_Home:
            target = 0;
            break;
        case Qt::Key_End:
            target = count() - 1;
            break;
        default:
            return QWidget::keyPressEvent(event);
    }
    setCurrentIndex(std::clamp(target, 0, std::max(0, count() - 1)));
}
