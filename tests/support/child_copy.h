#pragma once
// A copy of the program in a process of its own, for tests that end one the hard way (SIGKILL,
// a signal) or run two on one folder: the test binary runs again with one child test selected,
// told its folder and whatever else through the environment; the child builds the windows as the
// program entry does and says on its output how far it got.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "tests/support/recording_browser.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"

#include <QProcess>

#include <utility>
#include <vector>

// The child's side: the windows on folder, with a recording browser and scripted boxes.
struct ChildCopy {
    explicit ChildCopy(const QByteArray& folder);
    // Tells the test how far the child got.
    static void say(const char* word);

    bool applicationReady;
    RecordingBrowser* browser;  // owned by the form
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    ProgramWindows windows;
};

// The test's side: runs the child tests that filter selects, with environment added to this one.
void startChildCopy(QProcess& child, const char* filter, const std::vector<std::pair<QString, QString>>& environment);
// Waits until the child has said word that many times; false when it ends or falls silent first.
bool waitUntilSaid(QProcess& child, const QByteArray& word, int times = 1);
