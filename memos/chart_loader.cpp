#include "memos/chart_loader.h"

#include "files/companion_paths.h"
#include "memos/price_chart_maker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>

PriceChartMaker* loadPriceChartMaker(const std::string& executablePath, QString& problem)
{
    const QString place =
        QFile::decodeName(QByteArray::fromStdString(programModulePath(executablePath, kPriceChartModuleName)));
    if (!QFileInfo::exists(place)) {
        problem = QStringLiteral("%1 が見つかりません").arg(place);
        return nullptr;
    }
    // The loader stays for the run: the module is not to be unloaded under its chart.
    auto* loader = new QPluginLoader(place);
    if (auto* maker = qobject_cast<PriceChartMaker*>(loader->instance()))
        return maker;
    problem = loader->errorString();
    delete loader;
    return nullptr;
}
