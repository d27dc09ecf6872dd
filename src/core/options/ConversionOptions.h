#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Output format, in the order of the format popup.
enum class OutputFormat { Jpeg = 0, Png = 1, Gif = 2, Tiff = 3 };

// The extension written for a format index: ".jpg", ".png", ".gif", ".tiff" for any other.
QString extensionForFormatIndex(int formatIndex);

// The raw values of the option controls, as a widget or a command line holds them.
// Check-box states are integers (1 is on), popups are item indexes (-1: nothing selected).
struct OptionControls {
    int enableWatermarkState = 0;
    int enableCopyrightState = 0;
    int enableLogoState = 0;
    int currentNamesState = 1;
    int newNameState = 0;
    int addTextState = 0;
    float jpegQuality = 0.85f; // 0.0 to 1.0
    int formatIndex = 0;
    QString widthText;
    QString heightText;
    int logoSizeIndex = 1;      // a quarter of the picture
    int watermarkSizeIndex = 1; // the width over 40

    // Read live by the pipeline in the original design; here captured with the rest.
    QString title;
    QImage logoImage;     // null: no logo in the well
    int logoPosition = 1; // top right
    float logoOpacity = 0.8f;
    QString watermarkText;
    QString watermarkFont; // empty: the system's default sans-serif family
    QColor watermarkColor = Qt::white;
    float watermarkOpacity = 0.6f;
    int watermarkPosition = 3; // bottom right
    int copyrightPattern = 1;
    QColor copyrightColor = Qt::white;
    float copyrightOpacity = 0.25f;
};

// The immutable snapshot a conversion and the preview read. Workers never look at controls
// or settings; they read this value only.
struct ConversionOptions {
    int enableWatermarkState = 0;
    int enableCopyrightState = 0;
    int enableLogoState = 0;
    int currentNamesState = 0;
    int newNameState = 0;
    float jpegQuality = 0.0f;
    int formatIndex = 0;
    int addTextState = 0;

    bool numberIsInWidthTextField = false;
    qint32 textFieldWidth = 0;
    qint32 textFieldHeight = 0;
    bool changeImageSize = false;

    qint64 logoImgWidth = 0;
    qint64 logoImgHeight = 0;
    qint32 divisionTimes = 0;          // kept from the previous snapshot while the logo is off
    qint32 watermarkDivisionTimes = 0; // kept from the previous snapshot while the watermark is off

    QString title;
    QImage logoImage;
    int logoPosition = 0;
    float logoOpacity = 1.0f;
    QString watermarkText;
    QString watermarkFont;
    QColor watermarkColor;
    float watermarkOpacity = 0.0f;
    int watermarkPosition = 0;
    int copyrightPattern = 1;
    QColor copyrightColor;
    float copyrightOpacity = 0.0f;

    // Takes a snapshot of the controls; fields that keep their value while their overlay
    // is off come from the previous snapshot.
    static ConversionOptions fromControls(const OptionControls &controls, const ConversionOptions &previous);
    static ConversionOptions fromControls(const OptionControls &controls);

    bool logoActive() const { return enableLogoState == 1 && !logoImage.isNull(); }
    bool watermarkActive() const { return enableWatermarkState == 1 && !watermarkText.isEmpty(); }
    bool copyrightActive() const { return enableCopyrightState == 1; }
    bool anyOverlayActive() const { return logoActive() || watermarkActive() || copyrightActive(); }
    QString extension() const { return extensionForFormatIndex(formatIndex); }
    int jpegQualityPercent() const;
};

// The leading integer of a text, 0 when it has none (as a text field's intValue reads it).
qint32 leadingInteger(const QString &text);
