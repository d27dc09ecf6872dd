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

bool LogoOptions::operator==(const LogoOptions &o) const
{
    return enabled == o.enabled && picture == o.picture && size == o.size && position == o.position &&
           opacity == o.opacity;
}

bool WatermarkOptions::operator==(const WatermarkOptions &o) const
{
    return enabled == o.enabled && text == o.text && fontFamily == o.fontFamily && size == o.size &&
           color == o.color && opacity == o.opacity && position == o.position;
}

bool CopyrightOptions::operator==(const CopyrightOptions &o) const
{
    return enabled == o.enabled && pattern == o.pattern && color == o.color && opacity == o.opacity;
}

bool ConversionOptions::operator==(const ConversionOptions &o) const
{
    return naming == o.naming && title == o.title && resize == o.resize && resizeTo == o.resizeTo &&
           format == o.format && jpegQuality == o.jpegQuality && logo == o.logo && watermark == o.watermark &&
           copyright == o.copyright;
}

ConversionOptions ConversionOptions::withoutResize() const
{
    ConversionOptions same = *this;
    same.resize = ResizeMode::None;
    same.resizeTo = 0;
    return same;
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
    }
    return QStringLiteral(".tiff");
}
