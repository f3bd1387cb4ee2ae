#include "widgets/layout_helpers.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
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

QToolBar* makeToolBar(const char* name)
{
    auto* bar = new QToolBar;
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    // The band draws the frame and the grip; the bar adds no margin of its own (nor, by the
    // program's style, a panel or spacing).
    bar->setContentsMargins(0, 0, 0, 0);
    bar->layout()->setSpacing(0);
    bar->layout()->setContentsMargins(0, 0, 0, 0);
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
