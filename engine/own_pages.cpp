#include "engine/own_pages.h"

#include <QWebEngineCertificateError>

namespace {

QString pageOf(const QString& title, const QString& body, const QUrl& address)
{
    const QString shown = address.toDisplayString().toHtmlEscaped();
    return QStringLiteral(
               "<!DOCTYPE html><html lang=ja><head><meta charset=utf-8><title>%1</title>"
               "<style>body{font-family:sans-serif;margin:2em}p.address{word-break:break-all;"
               "color:#555}</style></head><body><h1>%1</h1>%2<p class=address>%3</p>"
               "<p><a href='#%4'><button type=button>再読み込み</button></a></p></body></html>")
        .arg(title.toHtmlEscaped(), body, shown, kReloadFragment);
}

}  // namespace

QString endedPage(const QUrl& address, bool closedByUser)
{
    if (closedByUser)
        return pageOf(QStringLiteral("ページを閉じました"),
                      QStringLiteral("<p>このページは応答しなくなったため、停止して閉じました。</p>"
                                     "<p>もう一度開くときは、再読み込みを押してください。</p>"),
                      address);
    return pageOf(QStringLiteral("ページを表示できなくなりました"),
                  QStringLiteral("<p>このページを表示していたプロセスが異常終了しました"
                                 "（メモリ不足や、プロセスが強制終了された場合など）。</p>"
                                 "<p>再読み込みすると、もう一度開きます。</p>"),
                  address);
}

QString certificateCause(int errorType)
{
    using E = QWebEngineCertificateError;
    switch (errorType) {
        case E::CertificateAuthorityInvalid:
            return QStringLiteral("証明書の発行元を確認できない（自己署名の証明書など）");
        case E::CertificateDateInvalid:
            return QStringLiteral("証明書の期限切れ（または有効期間の前）");
        case E::CertificateCommonNameInvalid:
        case E::CertificateNonUniqueName:
            return QStringLiteral("証明書の名前が違う（このサイトの名前ではない）");
        case E::CertificateRevoked:
            return QStringLiteral("証明書が失効している");
        case E::CertificateWeakSignatureAlgorithm:
        case E::CertificateWeakKey:
        case E::SslObsoleteVersion:
            return QStringLiteral("証明書または接続の暗号が弱い");
        default:
            return QStringLiteral("証明書に問題がある");
    }
}

QString certificatePage(const QUrl& address, int errorType)
{
    const QString host = address.host().toHtmlEscaped();
    return pageOf(QStringLiteral("安全な接続ができません"),
                  QStringLiteral("<p>%1 の証明書を信頼できないため、接続を中止しました。</p>"
                                 "<p><b>原因: %2</b></p>"
                                 "<p>第三者がこのサイトになりすましている可能性があります。</p>")
                      .arg(host, certificateCause(errorType).toHtmlEscaped()),
                  address);
}
