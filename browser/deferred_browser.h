#pragma once
// The browser pane whose engine starts behind the window. Starting the browser engine (its
// context and first processes) takes longer than building and showing the whole window, so the
// window goes on screen first with this stand-in in the pane's place; right after the window's
// first paint the real browser is made inside it.
//
// Nothing given to the pane is lost meanwhile. What configures the pane (its message boxes, where
// downloads go, the sites the pane menu offers) reaches the engine as it is made, whatever came
// first. What was asked of the pane (the help page, a search typed and sent at once, 戻る) is done
// then, in its order; a Stop drops only the navigations still waiting. And the pane answers as the
// engine will: a navigation asked for is reported as begun, and no page is on show until the
// engine has one.
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

signals:
    // The engine has been made, and what was asked of the pane meanwhile handed to it.
    void engineReady();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Call = std::function<void(TCppWebBrowser&)>;
    // Runs call on the real browser, or keeps it for start; a stop drops a kept navigation.
    void whenStarted(Call call, bool navigation = false);
    void passOnEvents();

    std::function<TCppWebBrowser*(QWidget* parent)> makeBrowser_;
    TCppWebBrowser* browser_ = nullptr;
    struct Kept {
        Call call;
        bool navigation;
    };
    std::vector<Kept> kept_;
    bool loadBegun_ = false;  // before start: a navigation has been asked for and reported begun
    Dialogs* dialogs_ = nullptr;
    QObject* paintWatched_ = nullptr;
};
