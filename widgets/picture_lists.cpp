#include "widgets/picture_lists.h"

#include "widgets/later_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap canvas()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon arrow(bool pointsLeft, QColor colour)
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(2, 8);
    path.lineTo(8, 2);
    path.lineTo(8, 5);
    path.lineTo(14, 5);
    path.lineTo(14, 11);
    path.lineTo(8, 11);
    path.lineTo(8, 14);
    path.closeSubpath();
    if (!pointsLeft)
        path = QTransform(-1, 0, 0, 1, 16, 0).map(path);
    p.fillPath(path, colour);
    p.setPen(colour.darker(160));
    p.drawPath(path);
    return QIcon(pixmap);
}

QIcon refreshPicture()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 130, 40), 2));
    p.drawArc(QRectF(3, 3, 10, 10), 60 * 16, 280 * 16);
    QPainterPath head;
    head.moveTo(9, 1);
    head.lineTo(14, 4);
    head.lineTo(9, 7);
    head.closeSubpath();
    p.fillPath(head, QColor(30, 130, 40));
    return QIcon(pixmap);
}

QIcon homePicture()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath roof;
    roof.moveTo(1, 8);
    roof.lineTo(8, 1);
    roof.lineTo(15, 8);
    roof.closeSubpath();
    p.fillPath(roof, QColor(190, 40, 30));
    p.fillRect(QRectF(3, 8, 10, 7), QColor(240, 220, 170));
    p.fillRect(QRectF(7, 10, 3, 5), QColor(120, 70, 30));
    return QIcon(pixmap);
}

QIcon stopPicture()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(210, 30, 30));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(5, 5, 11, 11);
    p.drawLine(11, 5, 5, 11);
    return QIcon(pixmap);
}

QIcon letterBadge(const QString& letters, QColor background)
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(background);
    p.setPen(background.darker(150));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont font = p.font();
    font.setPixelSize(letters.size() > 1 ? 8 : 12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

QIcon bolt(QColor colour)
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(10, 0);
    path.lineTo(3, 9);
    path.lineTo(7.5, 9);
    path.lineTo(5, 16);
    path.lineTo(13, 6);
    path.lineTo(8.5, 6);
    path.lineTo(11, 0);
    path.closeSubpath();
    p.fillPath(path, colour);
    p.setPen(QPen(colour.darker(170), 0.8));
    p.drawPath(path);
    return QIcon(pixmap);
}

QIcon treePicture(QColor cover, bool open)
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (open) {
        p.fillRect(QRectF(1, 4, 14, 10), cover.darker(115));
        p.fillRect(QRectF(1, 3, 6, 2), cover.darker(115));
        p.fillRect(QRectF(3, 7, 12, 7), cover);
    } else {
        // A key tag for a keyword.
        p.setBrush(cover);
        p.setPen(cover.darker(160));
        p.drawEllipse(QRectF(1.5, 4.5, 7, 7));
        p.drawRect(QRectF(8, 7, 7, 2));
        p.drawRect(QRectF(12, 9, 2, 3));
    }
    return QIcon(pixmap);
}

}  // namespace

QList<QIcon> navigationPictures()
{
    return {
        themedPicture(QStringLiteral("go-previous"), arrow(true, QColor(40, 110, 200))),
        themedPicture(QStringLiteral("go-next"), arrow(false, QColor(40, 110, 200))),
        themedPicture(QStringLiteral("view-refresh"), refreshPicture()),
        themedPicture(QStringLiteral("go-home"), homePicture()),
        themedPicture(QStringLiteral("process-stop"), stopPicture()),
        letterBadge(QStringLiteral("Y!"), QColor(200, 0, 30)),
        letterBadge(QStringLiteral("B"), QColor(0, 90, 170)),
    };
}

QList<QIcon> keywordTreePictures()
{
    return {treePicture(QColor(230, 180, 40), false), treePicture(QColor(240, 200, 90), true)};
}

QList<QIcon> userSitePictures()
{
    return {bolt(QColor(250, 220, 0)), bolt(QColor(220, 30, 30)),   bolt(QColor(40, 90, 230)),
            bolt(QColor(30, 160, 50)), bolt(QColor(180, 180, 190)), bolt(QColor(140, 50, 190))};
}

QIcon programIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 0, 128));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    // A rising price line with a star: the program checks what things sell for.
    p.setPen(QPen(QColor(255, 220, 40), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(10, 48), QPointF(24, 34), QPointF(34, 40), QPointF(52, 16)}));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(52, 16), 5, 5);
    return QIcon(pixmap);
}
