#pragma once
// TCppWebBrowser on a QWebEngineView.
#include "browser/web_browser.h"

class QWebEngineProfile;
class QWebEngineView;
class PaneDownloads;
class PanePage;

class WebEngineBrowser : public TCppWebBrowser {
    Q_OBJECT
public:
    // profile: the persistent profile in production, an off-the-record one in tests. Not owned.
    WebEngineBrowser(QWebEngineProfile* profile, QWidget* parent = nullptr);

    void Navigate(const QString& address) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void Refresh() override;
    void Stop() override;
    QString LocationURL() const override;
    QString LocationName() const override;
    QString LocationProblem() const override;
    void Zoom(int steps) override;
    void FindText(const QString& text, bool backward) override;
    void setDialogs(Dialogs* dialogs) override;
    bool DownloadsUnderWay() const override;
    void CancelDownloads() override;

    // Where GoHome goes: the program has no home page of its own, so the owner names one.
    void setHomeAddress(const QString& address) { homeAddress_ = address; }
    QWebEngineView* view() const { return view_; }

private:
    void onUrlChanged(const QUrl& url);

    QWebEngineView* view_;
    PanePage* page_;
    PaneDownloads* downloads_;
    QString homeAddress_;
    bool loading_ = false;  // between the engine's start and finish of a page load
};

// The profile the pane keeps cookies and cache in between runs: its data (cookies, history,
// site storage) in $XDG_DATA_HOME/ribemo/QtWebEngine/ribemo, its cache in
// $XDG_CACHE_HOME/ribemo/QtWebEngine/ribemo; with a folder (the one --data-dir names), both in
// there (keepBrowserDataIn). The first call makes it.
QWebEngineProfile* persistentBrowserProfile(const QString& folder = {});

// Pages drawn in software and handed to the window as pictures (browser/engine_environment.h
// says why). Called before the first view is made.
void drawPagesInSoftware();

// A folder the user chose for the program's files holds the browser's as well:
// FOLDER/QtWebEngine/ribemo and FOLDER/QtWebEngine/cache.
void keepBrowserDataIn(QWebEngineProfile& profile, const QString& folder);
