#include "transform/TargetSize.h"

#include "options/ConversionOptions.h"

#include <algorithm>
#include <cmath>

QSize targetSize(QSize src, const ConversionOptions &o)
{
    if (o.resize == ResizeMode::None || o.resizeTo <= 0 || src.isEmpty())
        return src;
    const float scale = o.resize == ResizeMode::Width ? float(o.resizeTo) / float(src.width())
                                                      : float(o.resizeTo) / float(src.height());
    const float newW = std::roundf(float(src.width()) * scale);
    const float newH = std::roundf(float(src.height()) * scale);
    // Keep the result representable; the size limit is enforced by the caller.
    const auto side = [](float v) { return int(std::clamp(v, 1.0f, 1.0e9f)); };
    return QSize(side(newW), side(newH));
}
