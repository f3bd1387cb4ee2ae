#include "widgets/program_style.h"

#include "widgets/later_picture.h"

#include <QToolBar>

namespace {

bool isToolBar(const QWidget* widget) { return qobject_cast<const QToolBar*>(widget) != nullptr; }

}  // namespace

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const bool barSpacing =
        metric == PM_ToolBarFrameWidth || metric == PM_ToolBarItemMargin || metric == PM_ToolBarItemSpacing;
    return barSpacing && isToolBar(widget) ? 0 : QProxyStyle::pixelMetric(metric, option, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    if (element != CE_ToolBar || !isToolBar(widget))
        QProxyStyle::drawControl(element, option, painter, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (element != PE_PanelToolBar || !isToolBar(widget))
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QIcon ProgramStyle::standardIcon(StandardPixmap picture, const QStyleOption* option, const QWidget* widget) const
{
    if (picture != SP_ToolBarHorizontalExtensionButton && picture != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(picture, option, widget);
    // The bars ask without a style option: the arrow follows the application's direction.
    return laterPicture([this, picture] { return baseStyle()->standardIcon(picture); });
}
