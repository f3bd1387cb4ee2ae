#include "widgets/readable_colour.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLeastContrast = 4.5;

double channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double luminance(const QColor& c)
{
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor mix(const QColor& from, const QColor& to, double t)
{
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& text, const QColor& background)
{
    if (contrastRatio(text, background) >= kLeastContrast)
        return text;
    // Towards whichever end contrasts more with the background; that end reaches 4.5:1 on any
    // background (the worst, a middle grey, still gives 4.6:1 with black).
    const QColor end = contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background) ? QColor(Qt::white)
                                                                                                   : QColor(Qt::black);
    for (int step = 1; step < 20; ++step) {
        const QColor candidate = mix(text, end, step / 20.0);
        if (contrastRatio(candidate, background) >= kLeastContrast)
            return candidate;
    }
    return end;
}

namespace {

// Keeps a widget's text colour readable when the theme changes while the program runs: the
// dialogs are made once, at the start.
class ReadableColourKeeper : public QObject {
public:
    ReadableColourKeeper(QWidget* widget, const QColor& wanted) : QObject(widget), widget_(widget), wanted_(wanted)
    {
        widget->installEventFilter(this);
        apply();
    }
    void apply()
    {
        QPalette shades = widget_->palette();
        const QColor readable = readableOn(wanted_, shades.color(widget_->backgroundRole()));
        // Only a real change is set, so the change event this causes ends here.
        if (shades.color(QPalette::WindowText) != readable ||
            !shades.isBrushSet(QPalette::Active, QPalette::WindowText)) {
            shades.setColor(QPalette::WindowText, readable);
            widget_->setPalette(shades);
        }
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    QWidget* widget_;
    QColor wanted_;
};

}  // namespace

void setReadableTextColour(QWidget* widget, const QColor& colour)
{
    delete widget->findChild<ReadableColourKeeper*>(QString(), Qt::FindDirectChildrenOnly);
    new ReadableColourKeeper(widget, colour);
}
