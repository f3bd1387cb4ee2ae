#pragma once
// A browser pane that loads nothing: where the engine's module could not be loaded, and in the
// programs that build the windows without showing a page (the benchmarks and the screenshots of
// the dialogs).
#include "browser/web_browser.h"

class IdleBrowser : public TCppWebBrowser {
public:
    void Navigate(const QString&) override {}
    void GoBack() override {}
    void GoForward() override {}
    void GoHome() override {}
    void Refresh() override {}
    void Stop() override {}
    QString LocationURL() const override { return {}; }
    QString LocationName() const override { return {}; }
    QString LocationProblem() const override { return {}; }
    void Zoom(int) override {}
    void FindText(const QString&, bool) override {}
    bool DownloadsUnderWay() const override { return false; }
    void CancelDownloads() override {}
    void setDialogs(Dialogs*) override {}
};
