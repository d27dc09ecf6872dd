#include "settings/AppSettings.h"

const char *const kSettingsKeys[31] = {
    "menuBarOpened",
    "zqLightTitleAndSize",
    "fileCheckBoxSelected",
    "titleField",
    "checkBoxEnableEditSize",
    "radioWidth",
    "radioHeight",
    "inputWidth",
    "inputHeight",
    "zqLightLogo",
    "zqEnableLogoChkBox",
    "zqLogoImage",
    "zqSliderLogoOpacity",
    "zqLogoPopUp",
    "zqLogoPossitionRadioGroup",
    "zqLightWatermark",
    "zqEnableWatermarkChkBox",
    "zqWatermarkTextField",
    "zqSliderWatermarkOpacity",
    "zqWatermarkPopUp",
    "zqWatermarkColorWell",
    "zqFontListPopup",
    "zqWatermarkPossitionRadioGroup",
    "zqLightCopyright",
    "zqEnableCopyrightChkBox",
    "zqSelectedCopyrightLinesMAtrix",
    "zqSliderCopyrightOpacity",
    "zqCopyrightColorWell",
    "zqFileFormatPopUp",
    "zqJpgQualitySlider",
    "zqZoomSlider",
};

const char *const kFontFamilyKey = "zqFontFamilyName";

static bool sameImage(const std::optional<QImage> &a, const std::optional<QImage> &b)
{
    if (a.has_value() != b.has_value())
        return false;
    if (!a)
        return true;
    return a->size() == b->size() &&
           a->convertToFormat(QImage::Format_RGBA64) == b->convertToFormat(QImage::Format_RGBA64);
}

static bool sameColor(const std::optional<QColor> &a, const std::optional<QColor> &b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a || a->rgba64() == b->rgba64();
}

bool AppSettings::operator==(const AppSettings &o) const
{
    return menuBarOpened == o.menuBarOpened && lightTitleAndSizeHidden == o.lightTitleAndSizeHidden &&
           fileCheckBoxSelected == o.fileCheckBoxSelected && titleField == o.titleField &&
           resizeBox == o.resizeBox && widthSide == o.widthSide &&
           heightSide == o.heightSide && widthField == o.widthField && heightField == o.heightField &&
           lightLogoHidden == o.lightLogoHidden && enableLogo == o.enableLogo &&
           sameImage(logoImage, o.logoImage) && logoOpacity == o.logoOpacity && logoPopUp == o.logoPopUp &&
           logoPosition == o.logoPosition && lightWatermarkHidden == o.lightWatermarkHidden &&
           enableWatermark == o.enableWatermark && watermarkText == o.watermarkText &&
           watermarkOpacity == o.watermarkOpacity && watermarkPopUp == o.watermarkPopUp &&
           sameColor(watermarkColor, o.watermarkColor) && fontListPopup == o.fontListPopup &&
           watermarkPosition == o.watermarkPosition && lightCopyrightHidden == o.lightCopyrightHidden &&
           enableCopyright == o.enableCopyright && copyrightLinesTag == o.copyrightLinesTag &&
           copyrightOpacity == o.copyrightOpacity && sameColor(copyrightColor, o.copyrightColor) &&
           fileFormatPopUp == o.fileFormatPopUp && jpegQuality == o.jpegQuality && zoom == o.zoom &&
           fontFamily == o.fontFamily;
}
