#pragma once
// A stand-in browser pane for window tests: records every operation and lets the test raise the
// pane's events and set what LocationURL and LocationName report.
#include "browser/web_browser.h"

#include <QStringList>

class RecordingBrowser : public TCppWebBrowser {
    Q_OBJECT
public:
    using TCppWebBrowser::TCppWebBrowser;

    void Navigate(const QString& address) override { navigations.push_back(address); }
    void GoBack() override { operations.push_back(QStringLiteral("GoBack")); }
    void GoForward() override { operations.push_back(QStringLiteral("GoForward")); }
    void GoHome() override { operations.push_back(QStringLiteral("GoHome")); }
    void Refresh() override { operations.push_back(QStringLiteral("Refresh")); }
    void Stop() override { operations.push_back(QStringLiteral("Stop")); }
    QString LocationURL() const override { return locationUrl; }
    QString LocationName() const override { return locationName; }
    QString LocationProblem() const override { return {}; }
    void Zoom(int) override {}
    void FindText(const QString&, bool) override {}
    bool DownloadsUnderWay() const override { return downloading; }
    void CancelDownloads() override { operations.push_back(QStringLiteral("CancelDownloads")), downloading = false; }
    void setDialogs(Dialogs* given) override { dialogs = given; }

    // Raises the events of one whole page load of url.
    void simulateLoad(const QString& url, const QString& title = {})
    {
        emit BeforeNavigate2(url);
        emit DownloadBegin();
        emit ProgressChange(50, 100);
        locationUrl = url;
        locationName = title;
        emit DownloadComplete();
    }
    void raiseBeforeNavigate2(const QString& url) { emit BeforeNavigate2(url); }
    void raiseDownloadBegin() { emit DownloadBegin(); }
    void raiseProgressChange(int progress, int progressMax) { emit ProgressChange(progress, progressMax); }
    void raiseDownloadComplete() { emit DownloadComplete(); }

    QString lastNavigation() const { return navigations.isEmpty() ? QString() : navigations.back(); }

    QStringList navigations;
    QStringList operations;
    QString locationUrl;
    QString locationName;
    bool downloading = false;
    Dialogs* dialogs = nullptr;
};
