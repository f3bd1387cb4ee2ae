#pragma once
// Downloads the pane's page asks for: each one is offered to the owner, who names the file, and
// its progress and end are reported through the pane's download signals. Nothing is dropped
// without a word: a download nobody will name is cancelled, and a failure says why.
#include <QObject>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class TCppWebBrowser;

class PaneDownloads : public QObject {
    Q_OBJECT
public:
    // Takes the downloads of page (those of other pages on the same profile are theirs).
    PaneDownloads(QWebEnginePage& page, TCppWebBrowser& pane);

private:
    void onRequested(QWebEngineDownloadRequest* request);
    void follow(QWebEngineDownloadRequest* request);

    QWebEnginePage* page_;
    TCppWebBrowser* pane_;
};
