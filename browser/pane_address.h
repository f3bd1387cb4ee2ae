#pragma once
// How a text handed to the pane becomes the address it loads.
#include <QString>
#include <QUrl>

// An absolute local path opens that file. Any other text is taken as an address whose
// percent-escapes and "+" reach the server exactly as spelled; host:port without a scheme
// ("localhost:8080/x", "127.0.0.1:8080") opens over http, and a bare host name as the engine
// guesses it.
QUrl paneAddressToUrl(const QString& address);
