#include "browser/engine_loader.h"

#include "browser/idle_browser.h"
#include "files/companion_paths.h"
#include "widgets/dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>

constexpr char kModuleName[] = "ribemo-engine.so";

QString engineModulePath(const std::string& exePath)
{
    return QFile::decodeName(QByteArray::fromStdString(programModulePath(exePath, kModuleName)));
}

TCppWebBrowser* loadEngineBrowser(const QString& modulePath, const EngineStart& start, QWidget* parent,
                                  Dialogs& dialogs)
{
    QPluginLoader module(modulePath);
    if (auto* plugin = qobject_cast<EnginePlugin*>(module.instance()))
        return plugin->makeBrowser(start, parent);
    dialogs.inform(parent ? parent->window() : nullptr, QMessageBox::Critical, QStringLiteral("Ribemo"),
                   QStringLiteral("ブラウザ部品を読み込めませんでした。ページは表示できません。\n%1\n%2")
                       .arg(QDir::toNativeSeparators(modulePath), module.errorString()));
    return new IdleBrowser;
}
