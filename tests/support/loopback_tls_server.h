#pragma once
// A TLS listener on 127.0.0.1 with a self-signed certificate for that address, for the pane's
// refusal of certificates its engine cannot trust. It completes the handshake and answers nothing.
#include <QSslServer>

class LoopbackTlsServer {
public:
    LoopbackTlsServer();
    // "https://127.0.0.1:<port>/"
    QString baseAddress() const;

private:
    QSslServer server_;
};
