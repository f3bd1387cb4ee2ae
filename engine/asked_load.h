#pragma once
// The address the user asked the pane for, followed until the engine has taken it up. The engine
// drops a load asked for while the page before it is just arriving: the older page's arrival ends
// the newer request before it has left, and the user pressed Enter for nothing. Such a load is
// asked again, once.
#include <QObject>
#include <QUrl>

class QWebEngineLoadingInfo;
class QWebEnginePage;

class AskedLoad : public QObject {
public:
    explicit AskedLoad(QWebEnginePage& page);

    // The user asked for url (typed, searched, a button); the caller starts the load.
    void asked(const QUrl& url);
    // Another command of the user's (stop, back, reload) or a download: nothing to follow.
    void forget() { url_.clear(); }

private:
    void onLoading(const QWebEngineLoadingInfo& info);

    QWebEnginePage& page_;
    QUrl url_;
    // Another page arrived after the user asked: only that drops a load. A load that became a
    // download ends the same way, with no page arriving, and is not to be fetched twice.
    bool otherPageArrived_ = false;
    bool askedAgain_ = false;
};
