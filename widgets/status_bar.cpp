#include "widgets/status_bar.h"

#include "widgets/widget_accessibility.h"

#include <QAccessible>
#include <QPainter>

StatusBar::StatusBar(QWidget* parent) : QFrame(parent)
{
    setFixedHeight(19);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    installWidgetAccessibility();
}

void StatusBar::addPanel(int width, bool lowered, const QString& text)
{
    panels_.push_back(Panel{width, lowered, text});
    update();
}

QString StatusBar::panelText(int panel) const { return panels_.at(static_cast<size_t>(panel)).text; }

void StatusBar::setPanelText(int panel, const QString& text)
{
    Panel& changed = panels_.at(static_cast<size_t>(panel));
    if (changed.text == text)
        return;
    changed.text = text;
    update();
    // A search that starts or ends, a save that ends, is heard as the bar's panel (and so the bar)
    // changing its name.
    if (QAccessible::isActive()) {
        QAccessibleEvent panelEvent(this, QAccessible::NameChanged);
        panelEvent.setChild(panel);
        QAccessible::updateAccessibility(&panelEvent);
        QAccessibleEvent barEvent(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&barEvent);
    }
}

int StatusBar::panelWidth(int panel) const { return panels_.at(static_cast<size_t>(panel)).width; }

void StatusBar::setPanelWidth(int panel, int width)
{
    panels_.at(static_cast<size_t>(panel)).width = width;
    update();
}

QSize StatusBar::sizeHint() const { return {200, 19}; }

void StatusBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    emit resized();
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    int x = 0;
    for (const auto& panel : panels_) {
        const QRect r(x, 2, panel.width - 2, height() - 2);
        if (panel.lowered) {
            painter.setPen(pal.color(QPalette::Mid));
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.setPen(pal.color(QPalette::Light));
            painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomRight());
        }
        painter.setPen(pal.color(QPalette::WindowText));
        // A panel without bevel has no inner margin, so the state label fits its 65 pixels in
        // the wider Gothic fonts too; a bevelled panel keeps its text inside the bevel.
        const QRect textRect = panel.lowered ? r.adjusted(2, 0, -1, 0) : QRect(x, 2, panel.width + 1, height() - 2);
        painter.save();
        painter.setClipRect(textRect);
        painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, panel.text);
        painter.restore();
        x += panel.width;
    }
}
