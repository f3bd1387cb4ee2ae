#pragma once
// Text colours that stay readable in the light and the dark theme: a colour chosen for a light
// window (the maroon of a note, the blue of a link) is kept where it reads well and moved towards
// white or black, as little as needed, where it would not.
#include <QColor>

class QWidget;

// WCAG contrast ratio, 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);
// text itself while it keeps 4.5:1 on background, else the nearest colour on its way to white (on a
// dark background) or black (on a light one) that does.
QColor readableOn(const QColor& text, const QColor& background);
// Gives the widget's text the colour, or the readable one near it on the widget's own background.
void setReadableTextColour(QWidget* widget, const QColor& colour);
