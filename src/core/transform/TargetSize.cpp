#include "transform/TargetSize.h"

#include "options/ConversionOptions.h"

#include <algorithm>
#include <cmath>

bool resizeRequested(const ConversionOptions &o)
{
    const qint32 governing = o.numberIsInWidthTextField ? o.textFieldWidth : o.textFieldHeight;
    return o.changeImageSize && governing > 0;
}

QSize targetSize(QSize src, const ConversionOptions &o)
{
    if (!resizeRequested(o) || src.isEmpty())
        return src;
    const float scale = o.numberIsInWidthTextField ? float(o.textFieldWidth) / float(src.width())
                                                   : float(o.textFieldHeight) / float(src.height());
    const float newW = std::roundf(float(src.width()) * scale);
    const float newH = std::roundf(float(src.height()) * scale);
    // Keep the result representable; the size limit is enforced by the caller.
    const auto side = [](float v) { return int(std::clamp(v, 1.0f, 1.0e9f)); };
    return QSize(side(newW), side(newH));
}
