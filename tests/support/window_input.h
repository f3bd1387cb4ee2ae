#pragma once
// Input delivered where the window system delivers it: to a top-level window, so that Qt's own
// routing runs as it does for a user (focus proxies, combo boxes, popups, shortcuts, item
// editors). Widgets only name the place of a click; keys go to the window that has the keyboard.
#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;
class QWindow;

namespace input {

// The window the keyboard belongs to: an open popup (menu, drop-down list) grabs it, otherwise
// the active window.
QWindow* keyboardWindow();

void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void type(const QString& text);

// Text from an input method, sent to the application's focus object as the platform sends it:
// a composition under way (preedit), and the characters the user confirms (commit).
void compose(const QString& preedit);
void commit(const QString& text);

// A click at a point of a widget (its centre by default), delivered to the widget's top-level
// window at the matching place.
void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(-1, -1),
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void doubleClick(QWidget* widget, QPoint at = QPoint(-1, -1));

}  // namespace input
