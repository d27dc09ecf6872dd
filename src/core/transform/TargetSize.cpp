#include "transform/TargetSize.h"

#include "options/ConversionOptions.h"

#include <algorithm>
#include <cmath>

namespace {

// Keep the result representable; the size limit is enforced by the caller.
int side(float v)
{
    return int(std::clamp(v, 1.0f, 1.0e9f));
}

// The source scaled so that one side takes the given length.
QSize governedBy(QSize src, bool byWidth, int length)
{
    const float scale = byWidth ? float(length) / float(src.width()) : float(length) / float(src.height());
    return QSize(side(std::roundf(float(src.width()) * scale)),
                 side(std::roundf(float(src.height()) * scale)));
}

} // namespace

QSize targetSize(QSize src, const ConversionOptions &o)
{
    if (src.isEmpty())
        return src;
    const int w = src.width(), h = src.height();
    bool byWidth = true;
    int length = o.resizeTo;
    switch (o.resize) {
    case ResizeMode::None:
        return src;
    case ResizeMode::Width:
        break;
    case ResizeMode::Height:
        byWidth = false;
        break;
    case ResizeMode::LongEdge:
        byWidth = w >= h;
        break;
    case ResizeMode::ShortEdge:
        byWidth = w <= h;
        break;
    case ResizeMode::Fit: {
        if (o.resizeTo <= 0 && o.fitHeight <= 0)
            return src;
        // resizeTo / w <= fitHeight / h, compared exactly.
        byWidth = o.fitHeight <= 0 || (o.resizeTo > 0 && qint64(o.resizeTo) * h <= qint64(o.fitHeight) * w);
        length = byWidth ? o.resizeTo : o.fitHeight;
        break;
    }
    case ResizeMode::Percent: {
        if (o.resizeTo <= 0 || (o.neverEnlarge && o.resizeTo > 100))
            return src;
        const float percent = float(o.resizeTo);
        return QSize(side(std::roundf(float(w) * percent / 100.0f)),
                     side(std::roundf(float(h) * percent / 100.0f)));
    }
    }
    if (length <= 0 || (o.neverEnlarge && length > (byWidth ? w : h)))
        return src;
    return governedBy(src, byWidth, length);
}
