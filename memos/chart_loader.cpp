#include "memos/chart_loader.h"

#include "memos/price_chart_maker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>

PriceChartMaker* loadPriceChartMaker(const std::string& executablePath, QString& problem)
{
    const QDir folder = QFileInfo(QFile::decodeName(QByteArray::fromStdString(executablePath))).absoluteDir();
    const QString name = QString::fromLatin1(kPriceChartModuleName);
    const QStringList places{folder.filePath(name),
                             folder.filePath(QStringLiteral("../lib/" RIBEMO_LIBRARY_ARCHITECTURE "/ribemo/") + name)};
    for (const QString& place : places) {
        if (!QFileInfo::exists(place))
            continue;
        // The loader stays for the run: the module is not to be unloaded under its chart.
        auto* loader = new QPluginLoader(QDir::cleanPath(place));
        if (auto* maker = qobject_cast<PriceChartMaker*>(loader->instance()))
            return maker;
        problem = loader->errorString();
        delete loader;
        return nullptr;
    }
    problem = QStringLiteral("%1 が見つかりません").arg(name);
    return nullptr;
}
