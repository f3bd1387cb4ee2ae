// The chart's module: Qt Charts behind the program's PriceChartMaker. The program loads it when
// the memo window first draws a chart, so the chart library never loads before that.
#include "memos/price_chart_maker.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QObject>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kDayMs = 24 * 60 * 60 * 1000;

// The time axis spans at least a day either side of a single moment, and a little more than the
// memos elsewhere, so that no point sits on the chart's edge.
std::pair<qint64, qint64> timeRange(qint64 first, qint64 last)
{
    const qint64 margin = std::max<qint64>((last - first) / 20, kDayMs);
    return {first - margin, last + margin};
}

std::pair<qint64, qint64> priceRange(qint64 lowest, qint64 highest)
{
    const qint64 margin = std::max<qint64>((highest - lowest) / 10, std::max<qint64>(highest / 10, 1));
    return {std::max<qint64>(lowest - margin, 0), highest + margin};
}

void colourAxis(QAbstractAxis* axis, const PriceChartLook& look)
{
    axis->setLabelsColor(look.text);
    axis->setTitleBrush(look.text);
    axis->setLinePenColor(look.grid);
    axis->setGridLineColor(look.grid);
}

}  // namespace

class PriceChartModule : public QObject, public PriceChartMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RIBEMO_PRICE_CHART_MAKER_IID)
    Q_INTERFACES(PriceChartMaker)

public:
    QWidget* makeChart(QWidget* parent) override
    {
        auto* view = new QChartView(parent);
        view->setRenderHint(QPainter::Antialiasing);
        // A line's markers reach beyond what the chart counts as the line's area, so a partial
        // repaint after the axes move leaves pieces of them behind; the chart is small enough to
        // be drawn whole.
        view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
        QChart* chart = view->chart();
        // Prices in yen with the thousands separator of the Japanese locale: 12,345.
        chart->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
        chart->setLocalizeNumbers(true);
        chart->legend()->setAlignment(Qt::AlignBottom);
        chart->setMargins(QMargins(4, 4, 4, 4));
        return view;
    }

    void showSeries(QWidget* widget, const QList<PriceChartSeries>& series, const PriceChartLook& look) override
    {
        auto* view = qobject_cast<QChartView*>(widget);
        if (!view)
            return;
        QChart* chart = view->chart();
        chart->removeAllSeries();
        for (QAbstractAxis* axis : chart->axes()) {
            chart->removeAxis(axis);
            delete axis;
        }
        chart->setBackgroundBrush(look.background);
        view->setBackgroundBrush(look.background);
        chart->legend()->setLabelColor(look.text);
        chart->legend()->setVisible(series.size() > 1);
        if (series.isEmpty())
            return;

        qint64 first = std::numeric_limits<qint64>::max(), last = std::numeric_limits<qint64>::min();
        qint64 lowest = first, highest = last;
        auto* time = new QDateTimeAxis;
        auto* price = new QValueAxis;
        chart->addAxis(time, Qt::AlignBottom);
        chart->addAxis(price, Qt::AlignLeft);
        for (const PriceChartSeries& s : series) {
            auto* line = new QLineSeries;
            line->setName(s.name);
            QPen pen(s.colour);
            pen.setWidthF(2);
            line->setPen(pen);
            line->setPointsVisible(true);
            line->setMarkerSize(8);
            for (const PriceChartPoint& point : s.points) {
                line->append(static_cast<qreal>(point.msecsSinceEpoch), static_cast<qreal>(point.yen));
                first = std::min(first, point.msecsSinceEpoch);
                last = std::max(last, point.msecsSinceEpoch);
                lowest = std::min(lowest, point.yen);
                highest = std::max(highest, point.yen);
            }
            chart->addSeries(line);
            line->attachAxis(time);
            line->attachAxis(price);
        }
        const auto [from, to] = timeRange(first, last);
        time->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(to));
        // The year is shown when the memos span more than one.
        const bool years =
            QDateTime::fromMSecsSinceEpoch(from).date().year() != QDateTime::fromMSecsSinceEpoch(to).date().year();
        time->setFormat(years ? QStringLiteral("yyyy/MM/dd") : QStringLiteral("MM/dd"));
        time->setTickCount(std::clamp(static_cast<int>((to - from) / kDayMs) + 1, 2, 6));
        time->setTitleText(QStringLiteral("日付"));
        const auto [bottom, top] = priceRange(lowest, highest);
        price->setRange(static_cast<qreal>(bottom), static_cast<qreal>(top));
        price->applyNiceNumbers();
        // Whole yen; the chart's locale adds the separators.
        price->setLabelFormat(QStringLiteral("%.0f"));
        price->setTitleText(QStringLiteral("価格（円）"));
        colourAxis(time, look);
        colourAxis(price, look);
    }
};

#include "price_chart_module.moc"
