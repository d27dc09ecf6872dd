#include "overlay/LogoOverlay.h"

#include "options/ConversionOptions.h"
#include "overlay/OverlayGeometry.h"
#include "transform/Resample.h"

#include <QMutex>
#include <QPainter>

#include <list>

namespace {

// The logo at the sizes in use: scaled once per output size for the whole run, shared by the
// workers. A few sizes are kept, the most recently used first.
QImage scaledLogo(const QImage &logo, QSize size)
{
    struct Entry {
        qint64 key;
        QSize size;
        QImage image;
    };
    static QMutex mutex;
    static std::list<Entry> cache;
    QMutexLocker lock(&mutex);
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        if (it->key == logo.cacheKey() && it->size == size) {
            cache.splice(cache.begin(), cache, it);
            return cache.front().image;
        }
    }
    lock.unlock();
    const QImage scaled = resampled(logo, size);
    lock.relock();
    cache.push_front({logo.cacheKey(), size, scaled});
    if (cache.size() > 8)
        cache.pop_back();
    return scaled;
}

} // namespace

QRect logoArea(const OverlayCanvas &canvas, const ConversionOptions &options)
{
    const LogoOptions &logo = options.logo;
    const QRectF place =
        logoRect(canvas, logo.picture.width(), logo.picture.height(), logo.division(), int(logo.position));
    return place.isEmpty() ? QRect() : canvas.toImage(place).toRect();
}

void drawLogo(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options)
{
    const LogoOptions &logo = options.logo;
    const QRect target = logoArea(canvas, options);
    if (target.isNull())
        return;
    painter.save();
    painter.setOpacity(qBound(0.0f, logo.opacity, 1.0f));
    painter.drawImage(target.topLeft(), scaledLogo(logo.picture, target.size()));
    painter.restore();
}
