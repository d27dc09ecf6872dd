#include "options/ConversionOptions.h"

#include <cmath>
#include <limits>

QString extensionForFormatIndex(int formatIndex)
{
    switch (formatIndex) {
    case 0:
        return QStringLiteral(".jpg");
    case 1:
        return QStringLiteral(".png");
    case 2:
        return QStringLiteral(".gif");
    default:
        return QStringLiteral(".tiff");
    }
}

qint32 leadingInteger(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<qint32>::max()) {
            // Out of range clamps, as the platform's integer reading does.
            return negative ? std::numeric_limits<qint32>::min() : std::numeric_limits<qint32>::max();
        }
    }
    return qint32(negative ? -value : value);
}

static int divisionForLogoIndex(int index, int previous)
{
    switch (index) {
    case 0:
        return 5;
    case 1:
        return 4;
    case 2:
        return 3;
    default:
        return previous;
    }
}

static int divisionForWatermarkIndex(int index, int previous)
{
    switch (index) {
    case 0:
        return 80;
    case 1:
        return 40;
    case 2:
        return 20;
    case 3:
        return 10;
    default:
        return previous;
    }
}

ConversionOptions ConversionOptions::fromControls(const OptionControls &c, const ConversionOptions &previous)
{
    ConversionOptions o;
    o.enableWatermarkState = c.enableWatermarkState;
    o.enableCopyrightState = c.enableCopyrightState;
    o.enableLogoState = c.enableLogoState;
    o.currentNamesState = c.currentNamesState;
    o.newNameState = c.newNameState;
    o.jpegQuality = c.jpegQuality;
    o.formatIndex = c.formatIndex;
    o.addTextState = c.addTextState;

    // Size: the width field governs whenever it holds any text.
    if (!c.widthText.isEmpty()) {
        o.numberIsInWidthTextField = true;
        o.textFieldWidth = leadingInteger(c.widthText);
        o.textFieldHeight = 0;
    } else {
        o.textFieldWidth = 0;
        o.textFieldHeight = leadingInteger(c.heightText);
    }
    o.changeImageSize = (!c.widthText.isEmpty() && leadingInteger(c.widthText) != 0) ||
                        (!c.heightText.isEmpty() && leadingInteger(c.heightText) != 0);

    o.divisionTimes = previous.divisionTimes;
    o.watermarkDivisionTimes = previous.watermarkDivisionTimes;
    if (o.enableLogoState == 1 && !c.logoImage.isNull()) {
        o.logoImgWidth = c.logoImage.width();
        o.logoImgHeight = c.logoImage.height();
        o.divisionTimes = divisionForLogoIndex(c.logoSizeIndex, previous.divisionTimes);
    }
    if (o.enableWatermarkState == 1 && !c.watermarkText.isEmpty())
        o.watermarkDivisionTimes =
            divisionForWatermarkIndex(c.watermarkSizeIndex, previous.watermarkDivisionTimes);

    o.title = c.title;
    o.logoImage = c.logoImage;
    o.logoPosition = c.logoPosition;
    o.logoOpacity = c.logoOpacity;
    o.watermarkText = c.watermarkText;
    o.watermarkFont = c.watermarkFont;
    o.watermarkColor = c.watermarkColor;
    o.watermarkOpacity = c.watermarkOpacity;
    o.watermarkPosition = c.watermarkPosition;
    o.copyrightPattern = c.copyrightPattern;
    o.copyrightColor = c.copyrightColor;
    o.copyrightOpacity = c.copyrightOpacity;
    return o;
}

ConversionOptions ConversionOptions::fromControls(const OptionControls &controls)
{
    return fromControls(controls, ConversionOptions());
}

int ConversionOptions::jpegQualityPercent() const
{
    if (!std::isfinite(jpegQuality))
        return 85;
    const float clamped = std::fmin(1.0f, std::fmax(0.0f, jpegQuality));
    return int(std::lround(clamped * 100.0f));
}
