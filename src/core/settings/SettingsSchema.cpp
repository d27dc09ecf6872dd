#include "settings/SettingsSchema.h"

#include "options/ConversionOptions.h"
#include "options/OptionsFromSettings.h"
#include "settings/AppSettings.h"
#include "settings/StoredForms.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// Row builders, one per stored type.
SettingRow row(Setting s, const char *key, SettingType type)
{
    SettingRow r;
    r.setting = s;
    r.key = key;
    r.type = type;
    return r;
}

SettingRow integer(Setting s, const char *key, int min, int max, int byDefault)
{
    SettingRow row = ::row(s, key, SettingType::Integer);
    row.min = min;
    row.max = max;
    row.defaultNumber = byDefault;
    return row;
}

SettingRow flag(Setting s, const char *key, int byDefault = 0)
{
    return integer(s, key, 0, 1, byDefault);
}

SettingRow fraction(Setting s, const char *key, double byDefault)
{
    SettingRow row = ::row(s, key, SettingType::Fraction);
    row.min = 0;
    row.max = 1;
    row.defaultNumber = byDefault;
    return row;
}

SettingRow text(Setting s, const char *key, SettingType type = SettingType::Text)
{
    return row(s, key, type);
}

SettingRow color(Setting s, const char *key, const char *byDefault)
{
    SettingRow row = ::row(s, key, SettingType::Color);
    row.defaultText = byDefault;
    return row;
}

constexpr SettingChoice kNamingWords[] = {
    {"keep", 1, QT_TRANSLATE_NOOP("SettingsSchema", "the current names")},
    {"new", 2, QT_TRANSLATE_NOOP("SettingsSchema", "the title and the list position")},
    {"append", 3, QT_TRANSLATE_NOOP("SettingsSchema", "the current name and the title")},
    {"template", -1, QT_TRANSLATE_NOOP("SettingsSchema", "a rename template, see --template"), false, true},
};
constexpr SettingChoice kFormatWords[] = {
    {"jpeg", 0},
    {"png", 1},
    {"gif", 2},
    {"tiff", 3},
    {"jpg", 0, nullptr, true},
    {"tif", 3, nullptr, true},
    {"webp", 4},
    {"avif", 5},
    {"jxl", 6},
    {"jpegxl", 6, nullptr, true},
    {"jpeg-xl", 6, nullptr, true},
};
constexpr SettingChoice kProfileWords[] = {
    {"keep", 0, QT_TRANSLATE_NOOP("SettingsSchema", "the source's colours and profile")},
    {"srgb", 1, QT_TRANSLATE_NOOP("SettingsSchema", "converted to sRGB, tagged sRGB")},
};
constexpr SettingChoice kEnlargeWords[] = {
    {"no-enlarge", 1,
     QT_TRANSLATE_NOOP(
         "SettingsSchema",
         "Never enlarge: a picture already smaller than asked keeps its own size (the default for "
         "--long-edge, --short-edge, --fit and --scale)")},
    {"enlarge", 2,
     QT_TRANSLATE_NOOP("SettingsSchema",
                       "Enlarge a picture smaller than asked (the default for --width and --height)")},
};
constexpr SettingChoice kMetadataWords[] = {
    {"keep", 0, QT_TRANSLATE_NOOP("SettingsSchema", "all of it")},
    {"no-location", 1,
     QT_TRANSLATE_NOOP("SettingsSchema", "all but GPS positions, place names and the camera maker's notes")},
    {"copyright-only", 2, QT_TRANSLATE_NOOP("SettingsSchema", "only authorship and rights")},
    {"none", 3, QT_TRANSLATE_NOOP("SettingsSchema", "no EXIF, XMP or IPTC")},
};
constexpr SettingChoice kLogoSizeWords[] = {
    {"small", 0, QT_TRANSLATE_NOOP("SettingsSchema", "a fifth of the picture")},
    {"medium", 1, QT_TRANSLATE_NOOP("SettingsSchema", "a quarter")},
    {"large", 2, QT_TRANSLATE_NOOP("SettingsSchema", "a third")},
};
constexpr SettingChoice kTextSizeWords[] = {
    {"small", 0, QT_TRANSLATE_NOOP("SettingsSchema", "the picture's width over 80")},
    {"medium", 1, QT_TRANSLATE_NOOP("SettingsSchema", "over 40")},
    {"large", 2, QT_TRANSLATE_NOOP("SettingsSchema", "over 20")},
    {"huge", 3, QT_TRANSLATE_NOOP("SettingsSchema", "over 10")},
};
constexpr SettingChoice kPlaceWords[] = {
    {"top-left", 0}, {"top-right", 1},  {"bottom-left", 2},   {"bottom-right", 3},
    {"center", 4},   {"center-top", 5}, {"center-bottom", 6},
};
constexpr SettingChoice kCornerWords[] = {
    {"top-left", 0}, {"top-right", 1}, {"bottom-left", 2}, {"bottom-right", 3}, {"center", 4},
};
constexpr SettingChoice kPatternWords[] = {
    {"diagonal", 1},
    {"cross", 2},
    {"horizontal", 3},
    {"vertical", 4},
};

// A slider fraction as the encoder's percent; an unusable one gives the default.
int qualityPercent(float fraction)
{
    if (!std::isfinite(fraction))
        return kDefaultJpegQuality;
    return int(std::lround(std::fmin(1.0f, std::fmax(0.0f, fraction)) * 100.0f));
}

std::array<SettingRow, kSettingCount> makeRows()
{
    using S = Setting;
    using V = AppSettings;
    using O = ConversionOptions;
    return {{
        integer(S::OpenSection, "menuBarOpened", 0, 4, 0)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "The open option section: 0 none, 1 title and size, 2 logo, 3 watermark, 4 copyright lines"))
            .keptByWindow(),
        flag(S::TitleLightHidden, "zqLightTitleAndSize", 1)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the title and size light is hidden"))
            .keptByWindow(),
        integer(S::Naming, "fileCheckBoxSelected", 0, 3, 1)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "Naming: 1 current names, 2 title and list position, 3 current name and title; 0 as 1"))
            .withFlag("naming", FlagValue::Choice, "MODE",
                      QT_TRANSLATE_NOOP("SettingsSchema", "How outputs are named"))
            .withChoices(kNamingWords)
            .switchingWith(S::TemplateNaming),
        text(S::Title, "titleField")
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "The new name, or the text added to current names; at most 200 bytes, so a name "
                "with its number, copy mark and extension fits a file name"))
            .withMaxBytes(200)
            .withFlag("title", FlagValue::Text, "TEXT",
                      QT_TRANSLATE_NOOP("SettingsSchema",
                                        "The title for --naming new or append; a / in it becomes _")),
        flag(S::Resize, "checkBoxEnableEditSize")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the resize box is ticked")),
        flag(S::WidthSide, "radioWidth")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the width is the side given")),
        flag(S::HeightSide, "radioHeight")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the height is the side given")),
        text(S::WidthText, "inputWidth", SettingType::SizeText)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "The width field; when it holds anything, it governs the resize"))
            .withFlag("width", FlagValue::Size, "N",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Resize to this width, the height in proportion"))
            .resetting(S::HeightText),
        text(S::HeightText, "inputHeight", SettingType::SizeText)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The height field"))
            .withFlag("height", FlagValue::Size, "N",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Resize to this height, the width in proportion"))
            .resetting(S::WidthText),
        flag(S::ResizeOtherSide, "pmResizeOther")
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "1 when the resize takes one of the other modes: long edge, short edge, fit within, "
                "percent")),
        integer(S::ResizeOtherMode, "pmResizeOtherMode", 0, 3, 0)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "The other mode shown: 0 long edge, 1 short edge, 2 fit within, 3 percent; the field "
                "that holds a number governs")),
        text(S::LongEdgeText, "pmLongEdge", SettingType::SizeText)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema", "The long edge field; governs when the width and height fields are empty"))
            .withFlag("long-edge", FlagValue::Size, "N",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Resize so that the longer side is N pixels"))
            .resetting({S::WidthText, S::HeightText, S::ShortEdgeText, S::FitWidthText, S::FitHeightText,
                        S::ScalePercent}),
        text(S::ShortEdgeText, "pmShortEdge", SettingType::SizeText)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "The short edge field; governs when the fields above are empty"))
            .withFlag("short-edge", FlagValue::Size, "N",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Resize so that the shorter side is N pixels"))
            .resetting({S::WidthText, S::HeightText, S::LongEdgeText, S::FitWidthText, S::FitHeightText,
                        S::ScalePercent}),
        text(S::FitWidthText, "pmFitWidth", SettingType::SizeText)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "The width of the box the picture is fitted within; the box governs when the fields "
                "above are empty, and an empty side of it does not bound"))
            .withFlag("fit", FlagValue::SizePair, "WxH",
                      QT_TRANSLATE_NOOP("SettingsSchema",
                                        "Resize to the largest size of the same shape within W x H pixels"))
            .pairing(S::FitHeightText)
            .resetting({S::WidthText, S::HeightText, S::LongEdgeText, S::ShortEdgeText, S::ScalePercent}),
        text(S::FitHeightText, "pmFitHeight", SettingType::SizeText)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The height of that box"))
            .resetting({S::WidthText, S::HeightText}),
        integer(S::ScalePercent, "pmScalePercent", 0, kMaxScalePercent, 0)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema", "The percent field, 0 when empty; governs when the fields above are empty"))
            .withFlag("scale", FlagValue::Number, "PCT",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Resize both sides to this percent"))
            .resetting({S::WidthText, S::HeightText, S::LongEdgeText, S::ShortEdgeText, S::FitWidthText,
                        S::FitHeightText}),
        integer(S::NeverEnlarge, "pmNeverEnlarge", 0, 2, 0)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "1 never enlarges (a picture smaller than asked keeps its size), 2 enlarges, 0 as the "
                "mode has it: enlarging for width and height, never for the others"))
            .withSwitches(kEnlargeWords),

        flag(S::LogoLightHidden, "zqLightLogo", 1)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the logo light is hidden"))
            .keptByWindow(),
        flag(S::LogoOn, "zqEnableLogoChkBox")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the logo is stamped"))
            .applying([](const V &v, O &o) { o.logo.enabled = v.integer(S::LogoOn) == 1; }),
        row(S::LogoPicture, "zqLogoImage", SettingType::Picture)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The logo picture; empty keeps the shipped logo"))
            .withFlag(
                "logo", FlagValue::Picture, "FILE",
                QT_TRANSLATE_NOOP("SettingsSchema", "Stamp this picture as a logo, its transparency kept"))
            .turningOn(S::LogoOn)
            .applying(
                [](const V &v, O &o) { o.logo.picture = v.picture(S::LogoPicture).value_or(QImage()); }),
        fraction(S::LogoOpacity, "zqSliderLogoOpacity", 0.8)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The logo's opacity"))
            .withFlag("logo-opacity", FlagValue::Percent, "PERCENT",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Logo opacity"))
            .turningOn(S::LogoOn)
            .applying([](const V &v, O &o) { o.logo.opacity = v.fraction(S::LogoOpacity); }),
        integer(S::LogoSize, "zqLogoPopUp", 0, 2, 1)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "The logo's box: 0 a fifth, 1 a quarter, 2 a third of the picture"))
            .withFlag("logo-size", FlagValue::Choice, "SIZE",
                      QT_TRANSLATE_NOOP("SettingsSchema", "The logo's box"))
            .withChoices(kLogoSizeWords)
            .turningOn(S::LogoOn),
        integer(S::LogoPosition, "zqLogoPossitionRadioGroup", 0, 4, 1)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "0 top left, 1 top right, 2 bottom left, 3 bottom right, 4 centre"))
            .withFlag("logo-position", FlagValue::Choice, "POSITION",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Where the logo goes"))
            .withChoices(kCornerWords)
            .turningOn(S::LogoOn)
            .applying(
                [](const V &v, O &o) { setFromIndex(v.integer(S::LogoPosition), 0, 5, &o.logo.position); }),

        flag(S::WatermarkLightHidden, "zqLightWatermark", 1)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the watermark light is hidden"))
            .keptByWindow(),
        flag(S::WatermarkOn, "zqEnableWatermarkChkBox")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the watermark is written"))
            .applying([](const V &v, O &o) { o.watermark.enabled = v.integer(S::WatermarkOn) == 1; }),
        text(S::WatermarkText, "zqWatermarkTextField")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The watermark's text"))
            .withFlag("watermark", FlagValue::Text, "TEXT",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Write this text on the picture"))
            .turningOn(S::WatermarkOn)
            .applying([](const V &v, O &o) { o.watermark.text = v.text(S::WatermarkText); }),
        fraction(S::WatermarkOpacity, "zqSliderWatermarkOpacity", 0.6)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The watermark's opacity"))
            .withFlag("watermark-opacity", FlagValue::Percent, "PERCENT",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Watermark opacity"))
            .turningOn(S::WatermarkOn)
            .applying([](const V &v, O &o) { o.watermark.opacity = v.fraction(S::WatermarkOpacity); }),
        integer(S::WatermarkSize, "zqWatermarkPopUp", 0, 3, 1)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "The letters: 0 to 3, the picture's width over 80, 40, 20 or 10"))
            .withFlag("watermark-size", FlagValue::Choice, "SIZE",
                      QT_TRANSLATE_NOOP("SettingsSchema", "The watermark's letters"))
            .withChoices(kTextSizeWords)
            .turningOn(S::WatermarkOn),
        color(S::WatermarkColor, "zqWatermarkColorWell", "#ffffffff")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The watermark's colour, #AARRGGBB"))
            .withFlag("watermark-color", FlagValue::Color, "COLOR",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Watermark colour"))
            .turningOn(S::WatermarkOn)
            .applying([](const V &v, O &o) {
                if (const std::optional<QColor> c = v.color(S::WatermarkColor))
                    o.watermark.color = *c;
            }),
        integer(S::FontIndex, "zqFontListPopup", -1, 1 << 20, -1)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "The font's position among the installed families, -1 for the starting one")),
        integer(S::WatermarkPosition, "zqWatermarkPossitionRadioGroup", 0, 6, 3)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "As the logo's, and 5 centre top, 6 centre bottom"))
            .withFlag("watermark-position", FlagValue::Choice, "POSITION",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Where the watermark goes"))
            .withChoices(kPlaceWords)
            .turningOn(S::WatermarkOn)
            .applying([](const V &v, O &o) {
                setFromIndex(v.integer(S::WatermarkPosition), 0, 7, &o.watermark.position);
            }),

        flag(S::CopyrightLightHidden, "zqLightCopyright", 1)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the copyright light is hidden"))
            .keptByWindow(),
        flag(S::CopyrightOn, "zqEnableCopyrightChkBox")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "1 when the copyright lines are drawn")),
        integer(S::CopyrightPattern, "zqSelectedCopyrightLinesMAtrix", -1, 4, -1)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "1 diagonal cross, 2 centre cross, 3 lines across, 4 lines down, -1 none; a pattern "
                "switches the lines on"))
            .withFlag("copyright", FlagValue::Choice, "PATTERN",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Copyright lines across the picture"))
            .withChoices(kPatternWords)
            .turningOn(S::CopyrightOn),
        fraction(S::CopyrightOpacity, "zqSliderCopyrightOpacity", 0.25)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The lines' opacity"))
            .withFlag("copyright-opacity", FlagValue::Percent, "PERCENT",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Copyright lines opacity"))
            .turningOn(S::CopyrightOn)
            .applying([](const V &v, O &o) { o.copyright.opacity = v.fraction(S::CopyrightOpacity); }),
        color(S::CopyrightColor, "zqCopyrightColorWell", "#ffffffff")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The lines' colour; empty takes the watermark's"))
            .withFlag("copyright-color", FlagValue::Color, "COLOR",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Copyright lines colour"))
            .turningOn(S::CopyrightOn),

        integer(S::Format, "zqFileFormatPopUp", 0, 6, 0)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "0 JPEG, 1 PNG, 2 GIF, 3 TIFF, 4 WebP, 5 AVIF, 6 JPEG XL"))
            .withFlag("format", FlagValue::Choice, "FORMAT",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Output format"))
            .withChoices(kFormatWords)
            .applying([](const V &v, O &o) { setFromIndex(v.integer(S::Format), 0, 7, &o.format); }),
        fraction(S::JpegQuality, "zqJpgQualitySlider", kDefaultJpegQuality / 100.0)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "The quality of JPEG, WebP, AVIF and JPEG XL outputs; at 100, WebP, AVIF and JPEG XL "
                "are lossless"))
            .withFlag("quality", FlagValue::Percent, "Q",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Quality of JPEG, WebP, AVIF and JPEG XL"))
            .applying([](const V &v, O &o) { o.jpegQuality = qualityPercent(v.fraction(S::JpegQuality)); }),
        flag(S::OutputProfile, "pmOutputProfile")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "0 keeps the source's colour profile, 1 converts to sRGB"))
            .withFlag("output-profile", FlagValue::Choice, "PROFILE",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Output colours"))
            .withChoices(kProfileWords)
            .applying([](const V &v, O &o) {
                o.outputProfile =
                    v.integer(S::OutputProfile) == 1 ? OutputProfile::Srgb : OutputProfile::Keep;
            }),
        integer(S::MetadataKept, "pmMetadata", 0, 3, 0)
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "0 keeps the metadata, 1 leaves out the location, 2 keeps only authorship and rights, "
                "3 keeps none"))
            .withFlag("metadata", FlagValue::Choice, "WHAT",
                      QT_TRANSLATE_NOOP("SettingsSchema", "The EXIF, XMP and IPTC the outputs keep"))
            .withChoices(kMetadataWords)
            .applying([](const V &v, O &o) { setFromIndex(v.integer(S::MetadataKept), 0, 4, &o.metadata); }),
        fraction(S::Zoom, "zqZoomSlider", 0.5)
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The size of the thumbnails"))
            .keptByWindow(),
        text(S::FontFamily, "zqFontFamilyName")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "The font by name; chosen over the position when installed"))
            .withFlag("font", FlagValue::Text, "FAMILY",
                      QT_TRANSLATE_NOOP("SettingsSchema", "Watermark font family (default: the system's "
                                                          "sans-serif; a missing font falls back to it)"))
            .turningOn(S::WatermarkOn)
            .resetting(S::FontIndex),
        text(S::OutputFolder, "pmOutputFolder")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "The folder the last run wrote into; the folder chooser opens there"))
            .keptByWindow(),
        text(S::WindowGeometry, "pmWindowGeometry")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The window's place and size: x,y,width,height"))
            .keptByWindow(),
        text(S::LastInputFolder, "pmLastInputFolder")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "The folder images were last added from; the Add dialogs open there"))
            .keptByWindow(),
        text(S::LastPreset, "pmPreset")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "The preset last chosen in the window, by its name; empty for none"))
            .keptByWindow(),
        flag(S::LastPresetEdited, "pmPresetEdited")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema",
                                       "1 when the options were changed after that preset was chosen"))
            .keptByWindow(),
        flag(S::TemplateNaming, "pmNamingTemplate")
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "1 names outputs by the rename template (pmNameTemplate) whatever fileCheckBoxSelected "
                "says, which keeps the choice made before for older versions")),
        text(S::TemplateText, "pmNameTemplate")
            .meaning(QT_TRANSLATE_NOOP("SettingsSchema", "The rename template, such as {date:%Y%m%d}-{n:3}"))
            .withMaxBytes(1000)
            .withFlag(
                "template", FlagValue::Text, "TEXT",
                QT_TRANSLATE_NOOP(
                    "SettingsSchema",
                    "The rename template for --naming template (given alone, it chooses that mode): "
                    "{name}, {title}, {n} or {n:3} (the list position, zero-padded), {date} or "
                    "{date:%Y-%m-%d} (EXIF DateTimeOriginal, else the file's time; %Y %m %d %H %M %S %y "
                    "%j), {camera}, {width} and {height} (the output's size), {folder} (the input's "
                    "folder); / \\ : * ? \" < > | and control characters become _"))
            .turningOn(S::TemplateNaming),
        flag(S::AddWholeFolders, "pmAddWholeFolders")
            .meaning(QT_TRANSLATE_NOOP(
                "SettingsSchema",
                "1 when a folder added or dropped in the window brings the pictures of its whole tree, "
                "written into the same subfolders"))
            .keptByWindow(),
    }};
}

} // namespace

const std::array<SettingRow, kSettingCount> &settingRows()
{
    static const std::array<SettingRow, kSettingCount> rows = [] {
        const std::array<SettingRow, kSettingCount> made = makeRows();
        for (int i = 0; i < kSettingCount; ++i)
            if (made[size_t(i)].setting != Setting(i))
                qFatal("settings schema: the row of %s is out of the enum's order", made[size_t(i)].key);
        return made;
    }();
    return rows;
}

const SettingRow &settingRow(Setting setting)
{
    return settingRows()[size_t(setting)];
}

std::vector<Setting> rowsResetBy(const SettingRow &row)
{
    std::vector<Setting> rows = row.resets;
    for (const SettingRow &other : settingRows())
        if (std::find(other.resets.begin(), other.resets.end(), row.setting) != other.resets.end() &&
            std::find(rows.begin(), rows.end(), other.setting) == rows.end())
            rows.push_back(other.setting);
    return rows;
}

QString schemaText(const char *text)
{
    return text ? QCoreApplication::translate("SettingsSchema", text) : QString();
}

AppSettings shippedSettings()
{
    AppSettings values;
    for (const SettingRow &row : settingRows()) {
        switch (row.type) {
        case SettingType::Integer:
            values.setInteger(row.setting, int(row.defaultNumber));
            break;
        case SettingType::Fraction:
            values.setFraction(row.setting, float(row.defaultNumber));
            break;
        case SettingType::Text:
        case SettingType::SizeText:
            values.setText(row.setting, QString::fromUtf8(row.defaultText));
            break;
        case SettingType::Color:
            values.setColor(row.setting, decodeColor(row.defaultText));
            break;
        case SettingType::Picture:
            break; // none: the window's well keeps the shipped logo
        }
    }
    return values;
}
