#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// What a conversion and the preview read: one immutable value, made from the option controls
// (or settings, or the command line) by optionsFromSettings(). Workers never look at controls
// or settings. The shipped defaults live in the settings schema; a default-constructed value is
// merely neutral. Threading: a plain value; copies may be read on any number of threads.

// The largest width or height a resize takes.
constexpr int kMaxResizeSide = 6000;
// The largest percent a resize takes.
constexpr int kMaxScalePercent = 1000;
// The quality of the lossy formats, in percent, when nothing says otherwise.
constexpr int kDefaultJpegQuality = 85;

// How output files are named.
enum class NamingMode {
    CurrentNames, // holiday.jpg -> holiday.jpg
    NewName,      // the title and the 1-based list position: Trip1, Trip2, ...
    AddText,      // the current name and the title: holiday-web
    Template,     // a rename template (NameTemplate): "{date:%Y%m%d}-{n:3}" gives 20240612-001
};

// What a resize of the upright picture is given; the other side, or both, follow in proportion.
enum class ResizeMode {
    None,
    Width,     // the width
    Height,    // the height
    LongEdge,  // the longer side (the width of a square)
    ShortEdge, // the shorter side (the width of a square)
    Fit,       // a box the picture fits within
    Percent,   // a percent of both sides
};

// The values follow the stored indexes of the format setting (0 JPEG ... 6 JPEG XL).
enum class OutputFormat { Jpeg, Png, Gif, Tiff, WebP, Avif, JpegXl };

// The colours an output is written in: the source's, with its profile, or converted to sRGB and
// tagged so. GIF, which holds no profile, is always converted.
enum class OutputProfile { Keep, Srgb };

// The source's EXIF, XMP and IPTC an output carries (the colour profile is the picture's, not
// metadata): all of it; all but where the picture was taken (GPS, place names, and the camera
// maker's notes, which may hold them); only who made it and its rights; or none.
enum class MetadataKept { All, NoLocation, CopyrightOnly, None };

// Where an overlay sits. The logo takes the first five.
enum class Placement { TopLeft, TopRight, BottomLeft, BottomRight, Center, CenterTop, CenterBottom };

// The logo's box: a fifth, a quarter or a third of the picture's sides.
enum class LogoSize { Fifth, Quarter, Third };

// The watermark's letters: the picture's width over 80, 40, 20 or 10.
enum class TextSize { Small, Medium, Large, Huge };

enum class LinePattern { None, DiagonalCross, CenterCross, HorizontalPairs, VerticalPairs };

struct LogoOptions {
    bool enabled = false;
    QImage picture; // null: nothing in the well
    LogoSize size = LogoSize::Quarter;
    Placement position = Placement::TopRight;
    float opacity = 1.0f; // 0 to 1

    bool active() const { return enabled && !picture.isNull(); }
    // The picture's sides are divided by this to give the logo's box.
    int division() const;
};

struct WatermarkOptions {
    bool enabled = false;
    QString text; // empty: nothing is written
    QString fontFamily;
    TextSize size = TextSize::Medium;
    QColor color = Qt::white;
    float opacity = 1.0f; // 0 to 1
    Placement position = Placement::BottomRight;

    bool active() const { return enabled && !text.isEmpty(); }
    // The picture's width is divided by this to give the font size in pixels.
    int division() const;
};

struct CopyrightOptions {
    bool enabled = false;
    LinePattern pattern = LinePattern::None;
    QColor color = Qt::white;
    float opacity = 1.0f; // 0 to 1

    bool active() const { return enabled; }
};

struct ConversionOptions {
    NamingMode naming = NamingMode::CurrentNames;
    QString title;        // the new name, or the text added to current names
    QString nameTemplate; // Template: the rename template

    ResizeMode resize = ResizeMode::None;
    // The given side in pixels, or the percent; for Fit the box's width, 0 when only its height
    // bounds. Above 0 whenever resize is neither None nor Fit.
    int resizeTo = 0;
    int fitHeight = 0;         // Fit: the box's height, 0 when only its width bounds
    bool neverEnlarge = false; // a picture smaller than asked keeps its own size

    OutputFormat format = OutputFormat::Jpeg;
    int jpegQuality = kDefaultJpegQuality; // 0 to 100, for every format usesQuality() names
    OutputProfile outputProfile = OutputProfile::Keep;
    MetadataKept metadata = MetadataKept::All;

    LogoOptions logo;
    WatermarkOptions watermark;
    CopyrightOptions copyright;

    bool anyOverlayActive() const { return logo.active() || watermark.active() || copyright.active(); }
};

// The extension an output of this format is written with: ".jpg", ".png", ".gif", ".tiff",
// ".webp", ".avif", ".jxl".
QString extensionFor(OutputFormat format);
// The format's name as a reason states it: "JPEG", "WebP", "JPEG XL".
QString formatName(OutputFormat format);
// True for the formats the quality applies to: JPEG, WebP, AVIF and JPEG XL (the last three are
// lossless at 100).
bool usesQuality(OutputFormat format);
