#pragma once
// The browser pane's engine, loaded when it is first needed. The engine's libraries are large:
// linked into the program, loading and binding them would come before the window could go on
// screen. The binding to them is a module of its own (engine/), carried inside the program and
// loaded from memory once the window is on screen, so the program is still one file.
#include "browser/web_browser.h"

class Dialogs;

// What the engine needs to know as it starts.
struct EngineStart {
    QString dataFolder;   // the folder the command line chose for the program's files, if any
    QString homeAddress;  // the pane's home: the program's help page
};

// The module's entry, by this name.
using MakeEngineBrowser = TCppWebBrowser* (*)(const EngineStart& start, QWidget* parent);
inline constexpr char kMakeEngineBrowserName[] = "ribemoMakeEngineBrowser";

// The engine's browser pane. A module that cannot be loaded is told in a message box, and the
// pane then shows nothing: the keywords and the watched list still work.
TCppWebBrowser* loadEngineBrowser(const EngineStart& start, QWidget* parent, Dialogs& dialogs);
