#include "widgets/themed_picture.h"

#include <QIconEngine>

#include <optional>

namespace {

class ThemedPictureEngine : public QIconEngine {
public:
    ThemedPictureEngine(QString themeName, QIcon drawn) : themeName_(std::move(themeName)), drawn_(std::move(drawn)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Never null: the drawing stands in for a theme without the icon.
    bool isNull() override { return false; }
    QString iconName() override { return themeName_; }
    QString key() const override { return QStringLiteral("ribemo-themed"); }
    QIconEngine* clone() const override { return new ThemedPictureEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!found_)
            found_ = QIcon::fromTheme(themeName_, drawn_);
        return *found_;
    }

    QString themeName_;
    QIcon drawn_;
    std::optional<QIcon> found_;
};

}  // namespace

QIcon themedPicture(const QString& themeName, const QIcon& drawn)
{
    return QIcon(new ThemedPictureEngine(themeName, drawn));
}
