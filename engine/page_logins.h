#pragma once
// Logins a site or a proxy asks for (HTTP authentication): the user is asked for a user name and
// a password, in a box naming the host and the site's words (its realm). What is typed goes to the
// engine, which keeps it for this run only, as browsers do; the program writes it nowhere. A
// wrong answer is asked for again, but at most a few times for the same page: after that, or on
// キャンセル, the login is refused and the site's own page for the refusal is shown. A page that
// asked without a user to answer would otherwise be sent empty answers over and over.
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QAuthenticator;
class QUrl;
class QWebEnginePage;
class QWidget;

class PageLogins : public QObject {
    Q_OBJECT
public:
    // ask shows the box (caption, text, user, password) and says whether the user answered it.
    using Ask = std::function<bool(const QString& caption, const QString& text, QString& user, QString& password)>;
    PageLogins(QWebEnginePage& page, Ask ask);

    // A new page is on show: its logins are asked for from the first again.
    void pageLeft() { asked_.clear(); }
    // The box is on show: the page waits for the user.
    bool asking() const { return asking_; }

private:
    void answer(const QString& askedBy, const QString& text, QAuthenticator& login);

    Ask ask_;
    // How often each asker (host and realm) has been asked on this page.
    QHash<QString, int> asked_;
    bool asking_ = false;
};

// The box's text for a login asked by the site at url, or by proxyHost when that is not empty.
QString loginQuestion(const QUrl& url, const QString& realm, const QString& proxyHost);
