#pragma once
// Closing the window while a download is being written would drop it without a word.
class Dialogs;
class QWidget;
class TCppWebBrowser;

// True when the window may close: no download is under way, or the user chose to stop them (they
// are then stopped, and nothing of them is left). False: the user keeps the program running.
bool mayCloseDuringDownloads(TCppWebBrowser& pane, Dialogs& dialogs, QWidget* owner);
