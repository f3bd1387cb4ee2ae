#pragma once
// The browser pane whose engine starts behind the window. Starting the browser engine (its
// context and first processes) takes longer than building and showing the whole window, so the
// window goes on screen first with this stand-in in the pane's place; right after the window's
// first paint the real browser is made inside it, and what was asked of the pane meanwhile (the
// help page, a search typed and sent at once, 戻る) is done then, in its order.
#include "browser/web_browser.h"

#include <functional>
#include <vector>

class DeferredBrowser : public TCppWebBrowser {
    Q_OBJECT
public:
    explicit DeferredBrowser(std::function<TCppWebBrowser*(QWidget* parent)> makeBrowser, QWidget* parent = nullptr);

    // Makes the real browser once window has been painted for the first time.
    void startAfterFirstPaint(QWidget* window);
    // Makes the real browser now (once; later calls do nothing).
    void start();
    // The real browser, or null before start.
    TCppWebBrowser* browser() const { return browser_; }

    void Navigate(const QString& address) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void Refresh() override;
    void Stop() override;
    QString LocationURL() const override;
    QString LocationName() const override;
    QString LocationProblem() const override;
    bool DownloadsUnderWay() const override;
    void CancelDownloads() override;
    void Zoom(int steps) override;
    void FindText(const QString& text, bool backward) override;
    void setDialogs(Dialogs* dialogs) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs call on the real browser, or keeps it for start.
    void whenStarted(std::function<void(TCppWebBrowser&)> call);

    std::function<TCppWebBrowser*(QWidget* parent)> makeBrowser_;
    TCppWebBrowser* browser_ = nullptr;
    std::vector<std::function<void(TCppWebBrowser&)>> pending_;
    QString pendingAddress_;  // the last address asked for before start, reported as the location
    QObject* paintWatched_ = nullptr;
};
