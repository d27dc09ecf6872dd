#include "options/ConversionOptions.h"

int LogoOptions::division() const
{
    switch (size) {
    case LogoSize::Fifth:
        return 5;
    case LogoSize::Quarter:
        return 4;
    case LogoSize::Third:
        return 3;
    }
    return 4;
}

int WatermarkOptions::division() const
{
    switch (size) {
    case TextSize::Small:
        return 80;
    case TextSize::Medium:
        return 40;
    case TextSize::Large:
        return 20;
    case TextSize::Huge:
        return 10;
    }
    return 40;
}

QString extensionFor(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Jpeg:
        return QStringLiteral(".jpg");
    case OutputFormat::Png:
        return QStringLiteral(".png");
    case OutputFormat::Gif:
        return QStringLiteral(".gif");
    case OutputFormat::Tiff:
        return QStringLiteral(".tiff");
    case OutputFormat::WebP:
        return QStringLiteral(".webp");
    case OutputFormat::Avif:
        return QStringLiteral(".avif");
    case OutputFormat::JpegXl:
        return QStringLiteral(".jxl");
    }
    return QStringLiteral(".tiff");
}

QString formatName(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Jpeg:
        return QStringLiteral("JPEG");
    case OutputFormat::Png:
        return QStringLiteral("PNG");
    case OutputFormat::Gif:
        return QStringLiteral("GIF");
    case OutputFormat::Tiff:
        return QStringLiteral("TIFF");
    case OutputFormat::WebP:
        return QStringLiteral("WebP");
    case OutputFormat::Avif:
        return QStringLiteral("AVIF");
    case OutputFormat::JpegXl:
        return QStringLiteral("JPEG XL");
    }
    return QStringLiteral("TIFF");
}

bool usesQuality(OutputFormat format)
{
    return format == OutputFormat::Jpeg || format == OutputFormat::WebP || format == OutputFormat::Avif ||
           format == OutputFormat::JpegXl;
}
