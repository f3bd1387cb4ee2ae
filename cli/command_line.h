#pragma once
// The command line: `ribemo KEYWORD…` searches as 検索 does, `ribemo URL` opens an http or https
// address in the pane and `ribemo FILE` a local file, --data-dir chooses the folder of the user's
// files. It is read before the application object exists, so --help, --version and a mistake are
// answered without a display, in Japanese like the window.
#include <QString>
#include <QStringList>

struct CommandLine {
    // Set when the program is to print and end instead of starting its window.
    bool exitNow = false;
    int exitStatus = 0;
    QString output;  // for standard output
    QString error;   // for standard error

    QString dataFolder;        // as given, not yet made absolute
    QString keyword;           // the words, joined by single spaces
    QString address;           // an http or https address, or a local file's absolute path
    int addressesLeftOut = 0;  // further addresses or files given, not opened
    bool openGlPages = false;  // --opengl: pages composed through OpenGL, not drawn in software
};

// arguments[0] is the program's name, as in argv.
CommandLine parseCommandLine(const QStringList& arguments);
