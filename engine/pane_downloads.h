#pragma once
// Downloads the pane's page asks for: each one is offered to the owner, who names the file, and
// its progress and end are reported through the pane's download signals. Nothing is dropped
// without a word: a download nobody will name is cancelled, and a failure says why.
//
// The engine retries a download whose connection broke, as a download of its own that it offers
// again; a retry goes where the user already said, without asking twice, and only the last
// attempt's end is reported. The file is written under a name of its own beside the chosen one and
// takes the chosen name only once whole, so a failure leaves no partial file there, and a file the
// user chose to replace stays as it was until then.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class TCppWebBrowser;

class PaneDownloads : public QObject {
    Q_OBJECT
public:
    // Takes the downloads of page (those of other pages on the same profile are theirs).
    PaneDownloads(QWebEnginePage& page, TCppWebBrowser& pane);
    ~PaneDownloads() override;

    bool underWay() const { return !running_.isEmpty(); }
    // Stops every download under way and removes what it had written, at once, without a word.
    void cancelAll();

private:
    void onRequested(QWebEngineDownloadRequest* request);
    void follow(QWebEngineDownloadRequest* request, const QString& path);
    void finish(QWebEngineDownloadRequest* request, const QString& path);

    QWebEnginePage* page_;
    TCppWebBrowser* pane_;
    struct Target {
        QString path;     // chosen by the user
        QString partial;  // written until whole
    };
    // Where each download under way goes, by the engine's id, which its retries keep.
    QHash<quint32, Target> targets_;
    // The downloads being written now.
    QHash<quint32, QPointer<QWebEngineDownloadRequest>> running_;
};
