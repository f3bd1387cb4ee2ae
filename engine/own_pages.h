#pragma once
// The pages the program shows in the pane itself when the engine has nothing to show: a page whose
// render process ended, and a site whose certificate the engine refused. Each says in Japanese
// what happened and where, and carries a 再読み込み button, a link to the address kReloadFragment
// of the page itself, which the pane takes as the user asking for the failed address again.
#include <QString>
#include <QUrl>

class QWebEngineCertificateError;

inline const QString kReloadFragment = QStringLiteral("ribemo-reload");

// The page ended: closed by the user because it stopped answering (closedByUser), or its
// process crashed or was killed.
QString endedPage(const QUrl& address, bool closedByUser);
// The site's certificate was refused: the cause in words and the host.
QString certificatePage(const QUrl& address, int errorType);
// The cause of a certificate error in the user's words.
QString certificateCause(int errorType);
