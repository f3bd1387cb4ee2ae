#pragma once
// What the engine's module offers the program: an ordinary Qt plugin (engine/engine_plugin.cpp)
// that makes the browser pane's engine. The program loads it once its window is on screen
// (browser/engine_loader.h).
#include "browser/web_browser.h"

#include <QtPlugin>

// What the engine needs to know as it starts.
struct EngineStart {
    QString dataFolder;        // the folder the command line chose for the program's files, if any
    QString homeAddress;       // the pane's home: the program's help page
    bool openGlPages = false;  // pages composed through OpenGL rather than drawn in software
};

class EnginePlugin {
public:
    virtual ~EnginePlugin() = default;
    // The pane's browser with its engine, made in parent.
    virtual TCppWebBrowser* makeBrowser(const EngineStart& start, QWidget* parent) = 0;
};

#define RibemoEnginePlugin_iid "example.ribemo.EnginePlugin/1"
Q_DECLARE_INTERFACE(EnginePlugin, RibemoEnginePlugin_iid)
