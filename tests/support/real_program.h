#pragma once
// The program's windows as the entry builds them, with the real browser pane on an off-the-record
// profile, scripted message boxes and a loopback HTTP server for the pages.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "engine/web_engine_browser.h"
#include "tests/support/form_controls.h"
#include "tests/support/loopback_http_server.h"
#include "tests/support/program_folder.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

class QWebEngineProfile;

class RealProgram : public ::testing::Test {
protected:
    static constexpr int kWaitMs = 30000;

    void SetUp() override;
    void TearDown() override;

    TForm1& form() { return *windows_.form; }
    QString panel(int index) const;

    // Until the pane is idle again on a page whose address begins with prefix.
    bool waitUntilShown(const QString& prefix);
    bool waitForRequest(const QByteArray& line);

    ProgramFolder folder;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    LoopbackHttpServer server;
    WebEngineBrowser* browser = nullptr;  // owned by the form

private:
    QWebEngineProfile* profile_ = nullptr;
    ProgramWindows windows_;
};

// Types the address into the address box and presses 移動, at the main window.
void openAddress(TForm1& form, const QString& address);
