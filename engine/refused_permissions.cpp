#include "engine/refused_permissions.h"

#include <QWebEnginePage>

namespace {

QString featureInWords(QWebEnginePage::Feature feature)
{
    using F = QWebEnginePage::Feature;
    switch (feature) {
        case F::Geolocation:
            return QStringLiteral("位置情報");
        case F::Notifications:
            return QStringLiteral("通知の表示");
        case F::MediaAudioCapture:
            return QStringLiteral("マイク");
        case F::MediaVideoCapture:
            return QStringLiteral("カメラ");
        case F::MediaAudioVideoCapture:
            return QStringLiteral("カメラとマイク");
        case F::DesktopVideoCapture:
        case F::DesktopAudioVideoCapture:
            return QStringLiteral("画面の共有");
        case F::MouseLock:
            return QStringLiteral("マウスポインターの固定");
    }
    return QStringLiteral("機能");
}

}  // namespace

void refusePermissions(QWebEnginePage& page, std::function<void(const QString& note)> note)
{
    QObject::connect(&page, &QWebEnginePage::featurePermissionRequested, &page,
                     [&page, note = std::move(note)](const QUrl& origin, QWebEnginePage::Feature feature) {
                         page.setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
                         note(QStringLiteral("%1の利用を断りました: %2").arg(featureInWords(feature), origin.host()));
                     });
}
