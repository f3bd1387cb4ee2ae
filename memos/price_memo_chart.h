#pragma once
// The memo window's chart: made by the chart's module, fed with the memos of the keyword on show,
// a line per site, in colours that read on the window's own background.
#include "memos/memo_file.h"

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

class PriceChartMaker;
class QWidget;

// Loads the module (memos/chart_loader.h) and makes the chart in parent; null when the module
// cannot be loaded, with why in problem.
QWidget* makePriceChart(const std::string& executablePath, PriceChartMaker*& maker, QString& problem, QWidget* parent);

// Shows the memos at positions shown (oldest first) on chart.
void showMemosOnChart(PriceChartMaker& maker, QWidget* chart, const std::vector<PriceMemo>& memos,
                      const std::vector<std::size_t>& shown);
