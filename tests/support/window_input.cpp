#include "tests/support/window_input.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace input {
namespace {

// The window holding the widget, with the point mapped into it.
QWindow* windowAt(QWidget* widget, QPoint& at)
{
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    QWidget* top = widget->window();
    at = widget->mapTo(top, at);
    return top->windowHandle();
}

void sendToFocus(QInputMethodEvent& event)
{
    QObject* focus = QGuiApplication::focusObject();
    if (focus)
        QApplication::sendEvent(focus, &event);
}

}  // namespace

QWindow* keyboardWindow()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->windowHandle();
    if (QWindow* focus = QGuiApplication::focusWindow())
        return focus;
    // The offscreen platform gives the keyboard back to no window when a popup closes; a desktop
    // gives it back to the window that had it.
    QWidget* active = QApplication::activeWindow();
    return active ? active->windowHandle() : nullptr;
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers) { QTest::keyClick(keyboardWindow(), k, modifiers); }

void type(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x7F)
            QTest::keyClick(keyboardWindow(), char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, keyboardWindow(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void compose(const QString& preedit)
{
    QInputMethodEvent event(preedit, {});
    sendToFocus(event);
}

void commit(const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    sendToFocus(event);
}

void click(QWidget* widget, Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers)
{
    QWindow* window = windowAt(widget, at);
    QTest::mouseClick(window, button, modifiers, at);
}

void doubleClick(QWidget* widget, QPoint at)
{
    QWindow* window = windowAt(widget, at);
    QTest::mouseDClick(window, Qt::LeftButton, {}, at);
}

}  // namespace input
