#include "skin/SkinImages.h"

#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

static QStringList &missingForTests()
{
    static QStringList names;
    return names;
}

static QString skinPath(const QString &name)
{
    return QStringLiteral(":/images/%1.svg").arg(name);
}

void setMissingSkinImages(const QStringList &names)
{
    missingForTests() = names;
}

bool skinImageExists(const QString &name)
{
    return !missingForTests().contains(name) && QFile::exists(skinPath(name));
}

QSize skinImageSize(const QString &name)
{
    if (!skinImageExists(name))
        return QSize();
    static QHash<QString, QSize> sizes;
    auto it = sizes.find(name);
    if (it == sizes.end())
        it = sizes.insert(name, QImageReader(skinPath(name)).size());
    return *it;
}

QIcon skinIcon(const QString &name)
{
    return skinImageExists(name) ? QIcon(skinPath(name)) : QIcon();
}

QPixmap skinPixmap(const QString &name, QSize size, qreal devicePixelRatio)
{
    if (!skinImageExists(name) || size.isEmpty())
        return QPixmap();
    // Painting asks for the same pictures again and again: rasterise each size once, in Qt's
    // bounded cache.
    const QString key = QStringLiteral("pressmark-skin:%1:%2x%3@%4")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImageReader reader(skinPath(name));
    reader.setScaledSize(size * devicePixelRatio);
    pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

static qreal ratioOf(const QPainter &painter)
{
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

void drawSkinStretched(QPainter &painter, const QRectF &target, const QString &name)
{
    if (target.isEmpty())
        return;
    const QPixmap pixmap = skinPixmap(name, target.size().toSize(), ratioOf(painter));
    if (!pixmap.isNull())
        painter.drawPixmap(target, pixmap, QRectF(QPointF(), pixmap.size()));
}

void drawSkinTiled(QPainter &painter, const QRectF &target, const QString &name, QPointF phase)
{
    const QSize tile = skinImageSize(name);
    if (tile.isEmpty() || target.isEmpty())
        return;
    painter.drawTiledPixmap(target, skinPixmap(name, tile, ratioOf(painter)), target.topLeft() - phase);
}
