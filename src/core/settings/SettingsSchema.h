#pragma once

#include <QString>

#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

class AppSettings;
struct ConversionOptions;

// The persisted options: one row each. The settings store reads, checks and writes them by
// their rows, pressmark-cli makes its option flags, their checks and its help and man page
// from them, and "reset" restores their defaults. Rows are in the order a save writes them.
//
// Adding an option: a name here (before Count) and a row in the table (SettingsSchema.cpp), a
// field in ConversionOptions that the row's `apply` sets, a control bound to the row in the
// window, and what the pipeline does with the field. See ARCHITECTURE.md.
enum class Setting {
    OpenSection,
    TitleLightHidden,
    Naming,
    Title,
    Resize,
    WidthSide,
    HeightSide,
    WidthText,
    HeightText,
    ResizeOtherSide,
    ResizeOtherMode,
    LongEdgeText,
    ShortEdgeText,
    FitWidthText,
    FitHeightText,
    ScalePercent,
    NeverEnlarge,
    LogoLightHidden,
    LogoOn,
    LogoPicture,
    LogoOpacity,
    LogoSize,
    LogoPosition,
    WatermarkLightHidden,
    WatermarkOn,
    WatermarkText,
    WatermarkOpacity,
    WatermarkSize,
    WatermarkColor,
    FontIndex,
    WatermarkPosition,
    CopyrightLightHidden,
    CopyrightOn,
    CopyrightPattern,
    CopyrightOpacity,
    CopyrightColor,
    Format,
    JpegQuality,
    OutputProfile,
    MetadataKept,
    Zoom,
    FontFamily,
    OutputFolder,
    WindowGeometry,
    LastInputFolder,
    LastPreset,
    LastPresetEdited,
    TemplateNaming,
    TemplateText,
    AddWholeFolders,

    Count // not a setting: how many there are
};
constexpr int kSettingCount = int(Setting::Count);

enum class SettingType {
    Integer,  // a state, index, tag or code; checked against [min, max]
    Fraction, // a slider value from 0 to 1
    Text,
    SizeText, // a size field's text: digits only, at most kMaxResizeSide, or empty
    Color,    // or none
    Picture,  // or none
};

// How a pressmark-cli flag's value becomes the stored value.
enum class FlagValue {
    None,     // the row has no flag
    Text,     // as typed
    Size,     // a whole number from 1 to kMaxResizeSide, stored as the size field's text
    Percent,  // 0-100, stored as a fraction
    Choice,   // one of the row's words, stored as its number
    Color,    // #RRGGBB or a colour name
    Picture,  // a picture file, decoded and turned upright
    SizePair, // WxH, each a whole number from 1 to kMaxResizeSide: W stored in this row, H in
              // the row it is `pairedWith`, each as a size field's text
    Number,   // a whole number from 1 to the row's max, stored as it is
    Switches, // no value: one flag for each of the row's words, storing its number
};

// A word a flag takes, and the stored number it stands for.
struct SettingChoice {
    const char *word;
    int value;
    const char *meaning = nullptr; // said after the word in the help (English; see schemaText())
    bool alias = false;            // accepted, but not listed in the help
    // Stands for the row's `choiceSwitch` on, the row's own number left as it is; the other words
    // set the switch off.
    bool switching = false;
};

struct SettingRow {
    Setting setting = Setting::Count;
    const char *key = ""; // as stored in settings files, never to change
    SettingType type = SettingType::Integer;
    int min = 0, max = 0;         // Integer rows
    double defaultNumber = 0.0;   // Integer and Fraction rows
    const char *defaultText = ""; // Text, SizeText and Color rows, in stored form ("" is none)
    const char *about = nullptr;  // what the stored value means, for the manual page (English)
    int maxBytes = 0;             // Text rows: the longest value, in UTF-8 bytes; 0 for any
    // What the window keeps for itself (its place, the open section, last folders), not an
    // option of the conversion: presets leave such rows out.
    bool windowState = false;

    // The pressmark-cli flag, or none.
    const char *flag = nullptr; // without the dashes
    FlagValue flagValue = FlagValue::None;
    const char *valueName = nullptr;
    const char *help = nullptr; // English, as are `about` and the choices' meanings
    const SettingChoice *choices = nullptr;
    int choiceCount = 0;
    // An overlay switch the flag turns on; rows the flag puts back to their defaults (see
    // rowsResetBy()); a SizePair's second row.
    std::optional<Setting> turnsOn;
    std::vector<Setting> resets;
    std::optional<Setting> pairedWith;
    // A 0/1 row that a `switching` word of this row's flag turns on (a choice added under a key of
    // its own, so the stored numbers of this row keep their meaning for older versions).
    std::optional<Setting> choiceSwitch;

    // Sets the options field this row alone decides; rows that take part in a rule with other
    // rows leave it to optionsFromSettings(). A value outside the row's table changes nothing.
    void (*apply)(const AppSettings &values, ConversionOptions &options) = nullptr;

    QString keyName() const { return QLatin1String(key); }

    // Building a row in the table.
    SettingRow meaning(const char *text) const
    {
        SettingRow r = *this;
        r.about = text;
        return r;
    }
    SettingRow keptByWindow() const
    {
        SettingRow r = *this;
        r.windowState = true;
        return r;
    }
    SettingRow withMaxBytes(int bytes) const
    {
        SettingRow r = *this;
        r.maxBytes = bytes;
        return r;
    }
    // Whether a text fits the row's limit.
    bool fits(const QString &text) const { return maxBytes <= 0 || text.toUtf8().size() <= maxBytes; }
    SettingRow withFlag(const char *name, FlagValue value, const char *valueLabel, const char *text) const
    {
        SettingRow r = *this;
        r.flag = name;
        r.flagValue = value;
        r.valueName = valueLabel;
        r.help = text;
        return r;
    }
    template <int N> SettingRow withChoices(const SettingChoice (&words)[N]) const
    {
        SettingRow r = *this;
        r.choices = words;
        r.choiceCount = N;
        return r;
    }
    SettingRow turningOn(Setting overlaySwitch) const
    {
        SettingRow r = *this;
        r.turnsOn = overlaySwitch;
        return r;
    }
    SettingRow resetting(Setting other) const { return resetting({other}); }
    SettingRow resetting(std::initializer_list<Setting> others) const
    {
        SettingRow r = *this;
        r.resets.insert(r.resets.end(), others.begin(), others.end());
        return r;
    }
    SettingRow switchingWith(Setting flagRow) const
    {
        SettingRow r = *this;
        r.choiceSwitch = flagRow;
        return r;
    }
    SettingRow pairing(Setting second) const
    {
        SettingRow r = *this;
        r.pairedWith = second;
        return r;
    }
    // Flags without a value, one per word (FlagValue::Switches).
    template <int N> SettingRow withSwitches(const SettingChoice (&words)[N]) const
    {
        SettingRow r = withChoices(words);
        r.flagValue = FlagValue::Switches;
        return r;
    }
    SettingRow applying(void (*setter)(const AppSettings &, ConversionOptions &)) const
    {
        SettingRow r = *this;
        r.apply = setter;
        return r;
    }
};

// Every row, in the order of the enum.
const std::array<SettingRow, kSettingCount> &settingRows();
const SettingRow &settingRow(Setting setting);

// The rows a row's flag puts back to their defaults: those it names, and those that name it
// (the relation goes both ways, so a row added later names the earlier ones it excludes).
// Giving the flags of two such rows is a usage error.
std::vector<Setting> rowsResetBy(const SettingRow &row);

// A row's help, meaning or choice meaning in the user's language (the table holds the English
// words, marked for translation in the context "SettingsSchema"); empty for none.
QString schemaText(const char *text);

// The shipped defaults: what a first run and a reset start from.
AppSettings shippedSettings();
