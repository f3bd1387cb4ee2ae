#pragma once
// The program's style: the desktop's own, with two changes.
// - Every tool bar of the program sits in a band, which draws the frame and the grip: the bar
//   itself draws no panel and adds no border, margin or spacing, so the bands keep close to the
//   widths they were laid out with. (A style sheet on each bar would say the same, at the price of
//   a style-sheet pass over every button of it, milliseconds before the window can be shown.)
// - The arrows of the menu bar and the tool bars for what a narrow bar hides are made when first
//   drawn. Each bar makes its arrow button as it is built, and the arrow's picture is read from
//   image files; most bars never show it.
#include <QProxyStyle>

class ProgramStyle : public QProxyStyle {
public:
    // On the style of the given name: the one the application would use otherwise.
    explicit ProgramStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option, const QWidget* widget) const override;
};
