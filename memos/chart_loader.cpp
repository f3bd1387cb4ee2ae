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
    // Letting go of the loader does not unload the module: the toolkit keeps a loaded plugin, and
    // the maker it made, for the rest of the run, so the chart never outlives its code.
    QPluginLoader loader(place);
    if (auto* maker = qobject_cast<PriceChartMaker*>(loader.instance()))
        return maker;
    problem = loader.errorString();
    return nullptr;
}
