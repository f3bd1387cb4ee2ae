#include "memos/price_memo_chart.h"

#include "memos/chart_loader.h"
#include "memos/memo_texts.h"
#include "memos/price_chart_maker.h"
#include "text/sjis_text.h"
#include "widgets/readable_colour.h"

#include <QPalette>
#include <QWidget>

#include <array>
#include <map>

namespace {

// The lines' colours, in the order the sites first appear; each is moved towards white or black
// where the background would swallow it.
constexpr std::array<QRgb, 7> kLineColours = {0x1f5fbf, 0xc0392b, 0x2e8b57, 0xd35400, 0x8e44ad, 0x16a085, 0x8b5a2b};

QColor between(const QColor& a, const QColor& b, float t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

}  // namespace

QWidget* makePriceChart(const std::string& executablePath, PriceChartMaker*& maker, QString& problem, QWidget* parent)
{
    maker = loadPriceChartMaker(executablePath, problem);
    if (!maker)
        return nullptr;
    QWidget* chart = maker->makeChart(parent);
    chart->setObjectName(QStringLiteral("MemoChart"));
    chart->setAccessibleName(QStringLiteral("相場メモのグラフ"));
    return chart;
}

void showMemosOnChart(PriceChartMaker& maker, QWidget* chart, const std::vector<PriceMemo>& memos,
                      const std::vector<std::size_t>& shown)
{
    const QPalette& palette = chart->palette();
    const QColor background = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    QList<PriceChartSeries> series;
    std::map<std::string, qsizetype> lineOfSite;
    for (const std::size_t n : shown) {
        const PriceMemo& memo = memos[n];
        auto [line, added] = lineOfSite.try_emplace(memo.site, series.size());
        if (added) {
            const QColor colour(kLineColours[static_cast<std::size_t>(series.size()) % kLineColours.size()]);
            series.push_back({memo.site.empty() ? QStringLiteral("（サイトなし）") : fromSjis(memo.site),
                              readableOn(colour, background),
                              {}});
        }
        series[line->second].points.push_back({dateTimeOf(memo.time).toMSecsSinceEpoch(), memo.price});
    }
    maker.showSeries(chart, series, {background, text, between(background, text, 0.25f)});
    chart->setAccessibleDescription(QStringLiteral("価格の推移: %1 点").arg(shown.size()));
}
