// The module's entry: the program's browser pane with its engine, made once the window is on
// screen.
#include "browser/engine_loader.h"
#include "engine/web_engine_browser.h"

extern "C" Q_DECL_EXPORT TCppWebBrowser* ribemoMakeEngineBrowser(const EngineStart& start, QWidget* parent)
{
    drawPagesInSoftware();
    auto* engine = new WebEngineBrowser(persistentBrowserProfile(start.dataFolder), parent);
    engine->setHomeAddress(start.homeAddress);
    return engine;
}
