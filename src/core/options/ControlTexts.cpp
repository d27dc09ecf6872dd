#include "options/ControlTexts.h"

#include "options/ConversionOptions.h"

#include <cstdio>
#include <cstdlib>

QString percentLabel(float value)
{
    char hundredths[64];
    std::snprintf(hundredths, sizeof hundredths, "%.2f", double(value));
    const float percent = std::strtof(hundredths, nullptr) * 100.0f;
    char label[64];
    std::snprintf(label, sizeof label, "%.0f %%", double(percent));
    return QString::fromLatin1(label);
}

bool isAcceptableSizeText(const QString &text)
{
    if (text.size() > 4)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return text.isEmpty() || text.toInt() <= kMaxResizeSide;
}
