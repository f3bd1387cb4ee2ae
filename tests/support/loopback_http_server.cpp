#include "tests/support/loopback_http_server.h"

#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer()
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString LoopbackHttpServer::baseAddress() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort());
}

QList<QByteArray> LoopbackHttpServer::pageRequestLines() const
{
    QList<QByteArray> lines;
    for (const QByteArray& line : requestLines_)
        if (!line.contains(" /favicon.ico "))
            lines.push_back(line);
    return lines;
}

void LoopbackHttpServer::serve(const QByteArray& path, const QByteArray& contentType, const QByteArray& body,
                               const QByteArray& extraHeaders)
{
    served_.insert(path, {contentType, body, extraHeaders});
}

void LoopbackHttpServer::serveCutShort(const QByteArray& path, const QByteArray& contentType, const QByteArray& body,
                                       qint64 announcedLength, const QByteArray& extraHeaders)
{
    served_.insert(path, {contentType, body, extraHeaders, announcedLength});
}

void LoopbackHttpServer::serveBehindLogin(const QByteArray& path, const QByteArray& realm,
                                          const QByteArray& userColonPassword, const QByteArray& body)
{
    served_.insert(path, {"text/html; charset=utf-8", body, {}, -1, realm, userColonPassword});
}

void LoopbackHttpServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    for (;;) {
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            break;
        const QByteArray head = buffer.left(end);
        buffer.remove(0, end + 4);
        const QByteArray requestLine = head.left(head.indexOf("\r\n") < 0 ? head.size() : head.indexOf("\r\n"));
        requestLines_.push_back(requestLine);
        requestHeads_.push_back(head);
        emit requestReceived(requestLine);
        if (hold_)
            held_.push_back({socket, head});
        else
            respond(socket, head);
    }
    socket->setProperty("buffer", buffer);
}

void LoopbackHttpServer::releaseHeldResponses()
{
    const auto held = held_;
    held_.clear();
    for (const auto& [socket, line] : held)
        respond(socket, line);
}

void LoopbackHttpServer::respond(QTcpSocket* socket, const QByteArray& head)
{
    const QByteArray requestLine = head.left(head.indexOf("\r\n") < 0 ? head.size() : head.indexOf("\r\n"));
    const QList<QByteArray> parts = requestLine.split(' ');
    const QByteArray path = parts.size() > 1 ? parts[1] : QByteArray("/");
    if (path == "/favicon.ico") {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
        return;
    }
    if (served_.contains(path)) {
        const Response& r = served_[path];
        if (!r.login.isEmpty() && !head.contains("\r\nAuthorization: Basic " + r.login.toBase64() + "\r\n") &&
            !head.endsWith("\r\nAuthorization: Basic " + r.login.toBase64())) {
            const QByteArray refusal = "<title>401</title>Login refused";
            socket->write("HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"" + r.realm +
                          "\"\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(refusal.size()) +
                          "\r\n\r\n" + refusal);
            return;
        }
        const qint64 length = r.announcedLength < 0 ? r.body.size() : r.announcedLength;
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: " + r.contentType + "\r\nCache-Control: no-store\r\n" +
                      r.extraHeaders + "Content-Length: " + QByteArray::number(length) + "\r\n\r\n" + r.body);
        if (r.announcedLength >= 0)
            socket->disconnectFromHost();
        return;
    }
    const QByteArray escaped = QString::fromLatin1(path).toHtmlEscaped().toLatin1();
    const QByteArray body = "<html><head><title>page " + escaped +
                            "</title></head><body><a id=\"next\" href=\"/next\" target=\"_blank\">next</a> " + escaped +
                            "</body></html>";
    socket->write(
        "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n"
        "Content-Length: " +
        QByteArray::number(body.size()) + "\r\n\r\n" + body);
}
