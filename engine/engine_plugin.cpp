// The engine's module: the plugin the program loads once its window is on screen, which makes the
// program's browser pane with its engine.
#include "browser/engine_plugin.h"

#include "engine/web_engine_browser.h"

#include <QObject>

class WebEnginePlugin : public QObject, public EnginePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RibemoEnginePlugin_iid)
    Q_INTERFACES(EnginePlugin)

public:
    TCppWebBrowser* makeBrowser(const EngineStart& start, QWidget* parent) override
    {
        if (!start.openGlPages)
            drawPagesInSoftware();
        auto* engine = new WebEngineBrowser(persistentBrowserProfile(start.dataFolder), parent);
        engine->setHomeAddress(start.homeAddress);
        return engine;
    }
};

#include "engine_plugin.moc"
