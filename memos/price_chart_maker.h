#pragma once
// The memo window's chart, made by a module of its own (memos/chart/): the chart library is large,
// and the program loads it only when the memo window first opens, never before the main window is
// on screen. The module implements this interface; nothing of the program is linked into it.
#include <QColor>
#include <QList>
#include <QString>
#include <QtPlugin>

class QWidget;

struct PriceChartPoint {
    qint64 msecsSinceEpoch = 0;
    qint64 yen = 0;
};

// One site's memos: drawn as points joined by a line, in the colour given.
struct PriceChartSeries {
    QString name;
    QColor colour;
    QList<PriceChartPoint> points;  // oldest first
};

// The window's colours, so that the chart reads as the rest of the window on a light or a dark
// theme.
struct PriceChartLook {
    QColor background, text, grid;
};

class PriceChartMaker {
public:
    virtual ~PriceChartMaker() = default;
    virtual QWidget* makeChart(QWidget* parent) = 0;
    // Shows series on a chart made here: a time axis in dates, a price axis in yen with thousands
    // separators. An empty list clears the chart.
    virtual void showSeries(QWidget* chart, const QList<PriceChartSeries>& series, const PriceChartLook& look) = 0;
};

#define RIBEMO_PRICE_CHART_MAKER_IID "example.ribemo.PriceChartMaker/1.0"
Q_DECLARE_INTERFACE(PriceChartMaker, RIBEMO_PRICE_CHART_MAKER_IID)

// The module's file name, beside the executable or in the package's private folder.
inline constexpr char kPriceChartModuleName[] = "ribemo-price-chart.so";
