#pragma once
// The program's style: the desktop's own, except that the arrows of the menu bar and the tool bars
// for what a narrow bar hides are made when first drawn. Each bar makes its arrow button as it is
// built, and the arrow's picture is read from image files; most bars never show it.
#include <QProxyStyle>

class ProgramStyle : public QProxyStyle {
public:
    // On the style of the given name: the one the application would use otherwise.
    explicit ProgramStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option, const QWidget* widget) const override;
};
