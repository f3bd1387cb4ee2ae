// Test main for the window and end-to-end tests: one QApplication for the whole run, on the
// offscreen platform unless the caller chose another.
#include "browser/engine_environment.h"
#include "engine/web_engine_browser.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The engine's background services would only knock on the closed network of a test machine.
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                "--disable-gpu --disable-background-networking --disable-component-update --no-first-run");
    prepareBrowserEngine(false);
    // The engine is linked into the tests, not loaded later: its pages are drawn as in the program.
    drawPagesInSoftware();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
