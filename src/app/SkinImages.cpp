#include "SkinImages.h"

#include <QFile>
#include <QImageReader>

static QString skinPath(const QString &name)
{
    return QStringLiteral(":/images/%1.svg").arg(name);
}

QIcon skinIcon(const QString &name)
{
    const QString path = skinPath(name);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QPixmap skinPixmap(const QString &name, QSize size, qreal devicePixelRatio)
{
    QImageReader reader(skinPath(name));
    reader.setScaledSize(size * devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
