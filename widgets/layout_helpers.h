#pragma once
// Small helpers for building a window's fixed layout: named controls, menu items, and the tool
// bars that the band container holds.
#include <QIcon>
#include <QString>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;

// Gives widget its name (its objectName, as the layout names it) and returns it.
template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A menu item with its name; hint is kept with the item (the window shows no hints).
QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint = {});
QAction* addMenuSeparator(QMenu* menu, const char* name);
// A checkable item, checked.
QAction* addCheckMenuItem(QMenu* menu, const char* name, const QString& caption);

// A tool bar for a band: no frame, grip or padding of its own.
QToolBar* makeToolBar(const char* name);
// A button of a band's tool bar, 22 pixels high, added to bar.
QToolButton* makeToolButton(QToolBar* bar, const char* name, const QString& caption, const QIcon& icon,
                            Qt::ToolButtonStyle style);
