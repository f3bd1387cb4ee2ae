#pragma once
// The browser pane's engine, loaded when it is first needed. The engine's libraries are large:
// linked into the program, loading and binding them would come before the window could go on
// screen. The binding to them is a plugin of its own (engine/), a file the program loads once its
// window is on screen: beside the executable when the program runs from a folder of its own (the
// build folder, a copied folder), in the private library folder when installed.
#include "browser/engine_plugin.h"

#include <string>

class Dialogs;

// Where the engine's module is for the program at exePath.
QString engineModulePath(const std::string& exePath);

// The engine's browser pane. A module that cannot be loaded is told in a message box with the
// path tried, and the pane then shows nothing: the keywords and the watched list still work.
TCppWebBrowser* loadEngineBrowser(const QString& modulePath, const EngineStart& start, QWidget* parent,
                                  Dialogs& dialogs);
