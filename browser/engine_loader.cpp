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
    const QFileInfo exe(QFile::decodeName(QByteArray::fromStdString(exePath)));
    // Installed, the module lies in the package's private library folder, named relative to the
    // install prefix: <prefix>/bin/ribemo finds <prefix>/lib/<multiarch>/ribemo/.
    const QString folder = isInstalledProgram(exePath)
                               ? exe.absolutePath() + QStringLiteral("/../") + QStringLiteral(RIBEMO_ENGINE_MODULE_DIR)
                               : exe.absolutePath();
    return QDir::cleanPath(folder + u'/' + QLatin1String(kModuleName));
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
