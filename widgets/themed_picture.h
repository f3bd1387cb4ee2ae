#pragma once
// A picture of the desktop's icon theme, with the program's own drawing where the theme has
// none. The theme is looked up when the picture is first drawn: finding a themed icon reads the
// theme's index and folders, milliseconds that would otherwise come before the window is shown.
#include <QIcon>

QIcon themedPicture(const QString& themeName, const QIcon& drawn);
