#pragma once
// Builds the program's windows the way the program entry does, in a temporary program folder,
// with the recording browser, scripted message boxes and a recording launcher.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "browser/deferred_browser.h"
#include "tests/support/form_controls.h"
#include "tests/support/program_folder.h"
#include "tests/support/recording_browser.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

class FormFixture : public ::testing::Test {
protected:
    // Files the test wants beside the executable are written before start().
    void start();
    // Runs the close sequence as the window's close box does; false when the window stayed open.
    bool closeWindow();
    // Closes, then starts a fresh program on the same folder.
    void restart();
    // Shows the window and waits until the window system has made it the active window, so that
    // keys delivered to it reach the focus widget as a user's would.
    void showActive();
    void TearDown() override;

    TForm1& form() { return *windows_.form; }
    ProgramWindows& windows() { return windows_; }

    ProgramFolder folder;
    std::string dataFolder;  // set before start() for an installed program's data folder
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    RecordingBrowser* browser = nullptr;  // owned by the form
    // Set before start(): the pane's engine starts only when deferred->start() is called, as the
    // program's starts behind its window; browser stays null until then.
    bool deferEngine = false;
    DeferredBrowser* deferred = nullptr;

private:
    ProgramWindows windows_;
};
