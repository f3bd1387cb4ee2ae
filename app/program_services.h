#pragma once
// What the windows are given from outside instead of reaching for globals: the browser pane, the
// message boxes, the launcher and the executable's own path.
#include <string>

class Dialogs;
class Launcher;
class TCppWebBrowser;

struct ProgramServices {
    TCppWebBrowser* browser = nullptr;  // the main window takes it over as its browser pane
    Dialogs* dialogs = nullptr;
    Launcher* launcher = nullptr;
    // The executable's full path; every companion file is named after it, built afresh each time.
    std::string executablePath;
    // Where the companion files live when not beside the executable (an installed program, or a
    // folder chosen on the command line); empty for beside it.
    std::string dataFolder{};
};
