#include "widgets/later_picture.h"

#include <QIconEngine>

#include <optional>

namespace {

class LaterPictureEngine : public QIconEngine {
public:
    explicit LaterPictureEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

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
    // Asked by widgets as they lay themselves out; every picture made here has something to show.
    bool isNull() override { return false; }
    QString iconName() override { return icon().name(); }
    QString key() const override { return QStringLiteral("ribemo-later"); }
    QIconEngine* clone() const override { return new LaterPictureEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!made_)
            made_ = make_();
        return *made_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> made_;
};

}  // namespace

QIcon laterPicture(std::function<QIcon()> make) { return QIcon(new LaterPictureEngine(std::move(make))); }

QIcon themedPicture(const QString& themeName, const QIcon& drawn)
{
    return laterPicture([themeName, drawn] { return QIcon::fromTheme(themeName, drawn); });
}
