#include "widgets/program_style.h"

#include "widgets/later_picture.h"

QIcon ProgramStyle::standardIcon(StandardPixmap picture, const QStyleOption* option, const QWidget* widget) const
{
    if (picture != SP_ToolBarHorizontalExtensionButton && picture != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(picture, option, widget);
    // The bars ask without a style option: the arrow follows the application's direction.
    return laterPicture([this, picture] { return baseStyle()->standardIcon(picture); });
}
