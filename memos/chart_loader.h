#pragma once
// The chart's module (memos/price_chart_maker.h), loaded when the memo window first opens.
#include <QString>

#include <string>

class PriceChartMaker;

// The maker of the module beside the executable (the build folder, a copied folder), else in
// the package's private folder <prefix>/lib/<multiarch>/ribemo/. Null when neither loads; problem
// then says why.
PriceChartMaker* loadPriceChartMaker(const std::string& executablePath, QString& problem);
