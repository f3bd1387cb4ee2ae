#include "widgets/layout_helpers.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QToolBar>
#include <QToolButton>

QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);  // kept with the item; the window shows no hints
    return action;
}

QAction* addMenuSeparator(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* addCheckMenuItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = addMenuItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

namespace {

// The style of the bands' tool bars: the band draws the frame and the grip, so the bar itself draws
// no panel and adds no border, margin or spacing, and the bands keep close to the widths they were
// laid out with. (A style sheet would say the same, at the price of a style-sheet pass over every
// button of the bar, milliseconds before the window can be shown.)
class BandBarStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_ToolBarFrameWidth || metric == PM_ToolBarItemMargin || metric == PM_ToolBarItemSpacing)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element != CE_ToolBar)
            QProxyStyle::drawControl(element, option, painter, widget);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_PanelToolBar)
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

QStyle* bandBarStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new BandBarStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

QToolBar* makeToolBar(const char* name)
{
    auto* bar = new QToolBar;
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setContentsMargins(0, 0, 0, 0);
    bar->layout()->setSpacing(0);
    bar->layout()->setContentsMargins(0, 0, 0, 0);
    bar->setStyle(bandBarStyle());
    // The button that shows what a narrowed bar hides.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("その他のボタン"));
    return bar;
}

QToolButton* makeToolButton(QToolBar* bar, const char* name, const QString& caption, const QIcon& icon,
                            Qt::ToolButtonStyle style)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(icon);
    button->setToolButtonStyle(style);
    button->setAutoRaise(true);
    button->setFixedHeight(22);
    bar->addWidget(button);
    return button;
}
