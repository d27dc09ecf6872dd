#include "options/OptionsFromSettings.h"

#include "options/FontList.h"
#include "settings/AppSettings.h"

#include <algorithm>
#include <limits>

FontChoices FontChoices::installed()
{
    return {installedFontFamilies(), systemSansFamily()};
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

int fontIndexForSettings(const AppSettings &values, const FontChoices &fonts)
{
    const QString family = familyWithoutFoundry(values.text(Setting::FontFamily));
    if (!family.isEmpty()) {
        const int byName = int(fonts.families.indexOf(family));
        if (byName >= 0)
            return byName;
    }
    const int position = values.integer(Setting::FontIndex);
    if (position >= 0 && position < fonts.families.size())
        return position;
    return defaultFontIndex(fonts.families, fonts.systemSans);
}

static QString fontFamilyFor(const AppSettings &values, const FontChoices &fonts)
{
    const QString named = familyWithoutFoundry(values.text(Setting::FontFamily));
    if (!named.isEmpty() && values.integer(Setting::FontIndex) == -1 && !fonts.families.contains(named))
        return named;
    const int index = fontIndexForSettings(values, fonts);
    return index >= 0 ? fonts.families.at(index) : QString();
}

// The first size field that holds any text governs: width, height, long edge, short edge, the
// box (either of its sides), the percent. A governing value that is not a positive number means
// no resizing.
static void setResize(const AppSettings &v, ConversionOptions &o)
{
    o.resize = ResizeMode::None;
    o.resizeTo = 0;
    o.fitHeight = 0;
    const auto positive = [](const QString &text) { return std::max(0, int(leadingInteger(text))); };
    const QString width = v.text(Setting::WidthText), height = v.text(Setting::HeightText);
    const QString fitWidth = v.text(Setting::FitWidthText), fitHeight = v.text(Setting::FitHeightText);
    if (!width.isEmpty() || !height.isEmpty()) {
        o.resize = width.isEmpty() ? ResizeMode::Height : ResizeMode::Width;
        o.resizeTo = positive(width.isEmpty() ? height : width);
    } else if (!v.text(Setting::LongEdgeText).isEmpty()) {
        o.resize = ResizeMode::LongEdge;
        o.resizeTo = positive(v.text(Setting::LongEdgeText));
    } else if (!v.text(Setting::ShortEdgeText).isEmpty()) {
        o.resize = ResizeMode::ShortEdge;
        o.resizeTo = positive(v.text(Setting::ShortEdgeText));
    } else if (!fitWidth.isEmpty() || !fitHeight.isEmpty()) {
        o.resize = ResizeMode::Fit;
        o.resizeTo = positive(fitWidth);
        o.fitHeight = positive(fitHeight);
    } else if (v.integer(Setting::ScalePercent) > 0) {
        o.resize = ResizeMode::Percent;
        o.resizeTo = std::min(v.integer(Setting::ScalePercent), kMaxScalePercent);
    }
    if (o.resizeTo <= 0 && o.fitHeight <= 0) {
        o.resize = ResizeMode::None;
        o.resizeTo = 0;
    }
    // Stored 0 follows the mode: width and height enlarge, as they always have; the others not.
    switch (v.integer(Setting::NeverEnlarge)) {
    case 1:
        o.neverEnlarge = true;
        break;
    case 2:
        o.neverEnlarge = false;
        break;
    default:
        o.neverEnlarge = o.resize != ResizeMode::Width && o.resize != ResizeMode::Height;
        break;
    }
}

ConversionOptions optionsFromSettings(const AppSettings &v, const ConversionOptions &previous,
                                      const FontChoices &fonts)
{
    ConversionOptions o = previous;
    for (const SettingRow &row : settingRows())
        if (row.apply)
            row.apply(v, o);

    switch (v.integer(Setting::Naming)) {
    case 2:
        o.naming = NamingMode::NewName;
        break;
    case 3:
        o.naming = NamingMode::AddText;
        break;
    default:
        o.naming = NamingMode::CurrentNames;
        break;
    }
    o.title = v.text(Setting::Title);
    // Its own key, so an older version reads the choice before it.
    if (v.integer(Setting::TemplateNaming) == 1)
        o.naming = NamingMode::Template;
    o.nameTemplate = v.text(Setting::TemplateText);

    setResize(v, o);

    if (o.logo.active())
        setFromIndex(v.integer(Setting::LogoSize), 0, 3, &o.logo.size);
    if (o.watermark.active())
        setFromIndex(v.integer(Setting::WatermarkSize), 0, 4, &o.watermark.size);
    o.watermark.fontFamily = fontFamilyFor(v, fonts);

    const int pattern = v.integer(Setting::CopyrightPattern);
    const bool chosen = pattern >= 1 && pattern <= 4;
    o.copyright.pattern = chosen ? LinePattern(pattern) : LinePattern::None;
    o.copyright.enabled = chosen || v.integer(Setting::CopyrightOn) == 1;
    if (const std::optional<QColor> lines = v.color(Setting::CopyrightColor))
        o.copyright.color = *lines;
    else if (const std::optional<QColor> text = v.color(Setting::WatermarkColor))
        o.copyright.color = *text;
    return o;
}
