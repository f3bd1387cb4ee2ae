#pragma once
// A small HTTP server on 127.0.0.1 for end-to-end tests. It records the raw request line of every
// request exactly as the bytes arrived, and answers each with a small page titled after the path,
// at once or, while held, only when the test releases it.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    LoopbackHttpServer();

    // "http://127.0.0.1:<port>/"
    QString baseAddress() const;
    // Raw request lines received, without CR LF, e.g. "GET /search?q=%BB&t=-1 HTTP/1.1".
    QList<QByteArray> requestLines() const { return requestLines_; }
    // Request lines whose path is not /favicon.ico.
    QList<QByteArray> pageRequestLines() const;
    // The whole head of every request (request line and header lines, CR LF between them).
    QList<QByteArray> requestHeads() const { return requestHeads_; }

    // Answers the request target path (exactly as requested) with this body instead of the small
    // page; extraHeaders are further header lines, each ending in CR LF.
    void serve(const QByteArray& path, const QByteArray& contentType, const QByteArray& body,
               const QByteArray& extraHeaders = {});

    // As serve, but the answer announces announcedLength bytes, sends only the body and then
    // closes the connection: a transfer that breaks off part-way.
    void serveCutShort(const QByteArray& path, const QByteArray& contentType, const QByteArray& body,
                       qint64 announcedLength, const QByteArray& extraHeaders = {});

    // As serve, but only to a request that logs in with HTTP Basic authentication as userColonPassword
    // ("user:pass"); any other is answered 401 asking for a login to realm, with a page of its own.
    void serveBehindLogin(const QByteArray& path, const QByteArray& realm, const QByteArray& userColonPassword,
                          const QByteArray& body);

    void setHoldResponses(bool hold) { hold_ = hold; }
    void releaseHeldResponses();

signals:
    void requestReceived(const QByteArray& requestLine);

private:
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const QByteArray& head);

    QTcpServer server_;
    QList<QByteArray> requestLines_;
    QList<QByteArray> requestHeads_;
    QList<QPair<QTcpSocket*, QByteArray>> held_;
    bool hold_ = false;
    struct Response {
        QByteArray contentType, body, extraHeaders;
        qint64 announcedLength = -1;        // the body's own length, unless cut short
        QByteArray realm = {}, login = {};  // behind a login: its realm and "user:pass"
    };
    QHash<QByteArray, Response> served_;
};
