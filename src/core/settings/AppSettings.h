#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <optional>

// The persisted state of every option control: 31 values under fixed keys, plus the font's
// family name. Integers are control states (0 off, 1 on), popup indexes, cell tags, hidden
// flags (1 hidden) or small codes; floats are slider values from 0 to 1.
struct AppSettings {
    int menuBarOpened = 0;           // the open section: 0 none, 1 title, 2 logo, 3 watermark, 4 copyright
    int lightTitleAndSizeHidden = 0; // "zqLightTitleAndSize"
    int fileCheckBoxSelected = 0;    // naming mode: 1 current, 2 new, 3 current + text; 0 none
    QString titleField;
    int resizeBox = 0;
    int widthSide = 0;
    int heightSide = 0;
    QString widthField;
    QString heightField;
    int lightLogoHidden = 0;
    int enableLogo = 0;
    std::optional<QImage> logoImage; // absent: the well keeps the picture it shows
    float logoOpacity = 0.0f;
    int logoPopUp = 0;
    int logoPosition = 0;
    int lightWatermarkHidden = 0;
    int enableWatermark = 0;
    QString watermarkText;
    float watermarkOpacity = 0.0f;
    int watermarkPopUp = 0;
    std::optional<QColor> watermarkColor;
    int fontListPopup = 0;
    int watermarkPosition = 0;
    int lightCopyrightHidden = 0;
    int enableCopyright = 0;
    int copyrightLinesTag = 0; // -1: no pattern cell selected
    float copyrightOpacity = 0.0f;
    std::optional<QColor> copyrightColor; // absent: the watermark colour
    int fileFormatPopUp = 0;
    float jpegQuality = 0.0f;
    float zoom = 0.0f;

    // Not among the 31: the watermark font by name, preferred over the index when installed.
    QString fontFamily;

    bool operator==(const AppSettings &other) const;
    bool operator!=(const AppSettings &other) const { return !(*this == other); }
};

// The settings keys, in the order a save writes them.
extern const char *const kSettingsKeys[31];
extern const char *const kFontFamilyKey;
