#include "options/SettingsOptions.h"

#include "options/FontList.h"
#include "settings/SettingsStore.h"

int fontIndexForSettings(const AppSettings &s, const QStringList &families, const QString &systemSans)
{
    if (!s.fontFamily.isEmpty()) {
        const int byName = int(families.indexOf(s.fontFamily));
        if (byName >= 0)
            return byName;
    }
    if (s.fontListPopup >= 0 && s.fontListPopup < families.size())
        return s.fontListPopup;
    return defaultFontIndex(families, systemSans);
}

OptionControls optionControlsFromSettings(const AppSettings &s, const QStringList &families,
                                          const QString &systemSans)
{
    OptionControls c;
    // Naming: the stored mode's handler runs after the text is set; "current names" empties it.
    c.title = s.titleField;
    c.currentNamesState = s.fileCheckBoxSelected == 1 || s.fileCheckBoxSelected == 0 ? 1 : 0;
    c.newNameState = s.fileCheckBoxSelected == 2 ? 1 : 0;
    c.addTextState = s.fileCheckBoxSelected == 3 ? 1 : 0;
    if (s.fileCheckBoxSelected == 1)
        c.title.clear();
    // The size texts are written back after the resize and side handlers have run.
    c.widthText = s.widthField;
    c.heightText = s.heightField;

    c.enableLogoState = s.enableLogo;
    c.logoImage = s.logoImage ? *s.logoImage : shippedLogo();
    c.logoOpacity = s.logoOpacity;
    c.logoSizeIndex = s.logoPopUp;
    c.logoPosition = s.logoPosition;

    c.enableWatermarkState = s.enableWatermark;
    c.watermarkText = s.watermarkText;
    c.watermarkOpacity = s.watermarkOpacity;
    c.watermarkSizeIndex = s.watermarkPopUp;
    if (s.watermarkColor)
        c.watermarkColor = *s.watermarkColor;
    const int font = fontIndexForSettings(s, families, systemSans);
    c.watermarkFont = font >= 0 ? families.at(font) : QString();
    c.watermarkPosition = s.watermarkPosition;

    // A stored pattern switches the copyright on; none leaves the stored state and no pattern.
    const bool pattern = s.copyrightLinesTag >= 1 && s.copyrightLinesTag <= 4;
    c.enableCopyrightState = pattern ? 1 : s.enableCopyright;
    c.copyrightPattern = pattern ? s.copyrightLinesTag : -1;
    c.copyrightOpacity = s.copyrightOpacity;
    if (s.copyrightColor)
        c.copyrightColor = *s.copyrightColor;
    else if (s.watermarkColor)
        c.copyrightColor = *s.watermarkColor;

    c.formatIndex = s.fileFormatPopUp;
    c.jpegQuality = s.jpegQuality;
    return c;
}
