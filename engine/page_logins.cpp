#include "engine/page_logins.h"

#include <QAuthenticator>
#include <QUrl>
#include <QWebEnginePage>

namespace {

// The first question and two more after wrong answers; browsers stop about there too.
constexpr int kMostAsks = 3;
// A realm is the site's own text: a long one would make the box as wide as the screen.
constexpr qsizetype kLongestRealm = 80;

QString hostOf(const QUrl& url)
{
    return url.port() < 0 ? url.host() : QStringLiteral("%1:%2").arg(url.host()).arg(url.port());
}

}  // namespace

QString loginQuestion(const QUrl& url, const QString& realm, const QString& proxyHost)
{
    QString text = proxyHost.isEmpty()
                       ? QStringLiteral("%1 がユーザー名とパスワードを求めています。").arg(hostOf(url))
                       : QStringLiteral("プロキシ %1 がユーザー名とパスワードを求めています。").arg(proxyHost);
    if (!realm.isEmpty()) {
        const QString shown = realm.size() > kLongestRealm ? realm.left(kLongestRealm) + QStringLiteral("…") : realm;
        text += QStringLiteral("\nサイトからのメッセージ: 「%1」").arg(shown);
    }
    if (proxyHost.isEmpty() && url.scheme() != u"https")
        text += QStringLiteral("\nこの接続は暗号化されていません。入力した内容が第三者に読まれるおそれがあります。");
    return text;
}

PageLogins::PageLogins(QWebEnginePage& page, Ask ask) : QObject(&page), ask_(std::move(ask))
{
    connect(&page, &QWebEnginePage::authenticationRequired, this, [this](const QUrl& url, QAuthenticator* login) {
        answer(hostOf(url) + u' ' + login->realm(), loginQuestion(url, login->realm(), {}), *login);
    });
    connect(&page, &QWebEnginePage::proxyAuthenticationRequired, this,
            [this](const QUrl& url, QAuthenticator* login, const QString& proxyHost) {
                answer(proxyHost + u' ' + login->realm(), loginQuestion(url, login->realm(), proxyHost), *login);
            });
}

void PageLogins::answer(const QString& askedBy, const QString& text, QAuthenticator& login)
{
    int& asked = asked_[askedBy];
    QString user = login.user();
    QString password;
    bool answered = false;
    if (asked < kMostAsks && !asking_) {
        ++asked;
        asking_ = true;
        answered = ask_(QStringLiteral("認証が必要です"), text, user, password);
        asking_ = false;
    }
    // A null authenticator refuses the login; one merely left empty would send empty answers.
    if (!answered) {
        login = QAuthenticator();
        return;
    }
    login.setUser(user);
    login.setPassword(password);
}
