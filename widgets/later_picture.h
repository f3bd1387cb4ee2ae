#pragma once
// Pictures made when they are first drawn. Some pictures take milliseconds to make (the desktop's
// icon theme looked up, image files read and decoded), and a window builds many pictures it does
// not draw at once or ever; made before the window is shown, they would keep it from the screen.
#include <QIcon>

#include <functional>

// The picture make returns, made the first time it is drawn or measured.
QIcon laterPicture(std::function<QIcon()> make);

// A picture of the desktop's icon theme, with the program's own drawing where the theme has none.
QIcon themedPicture(const QString& themeName, const QIcon& drawn);
