#pragma once

#include "settings/AppSettings.h"
#include "options/ConversionOptions.h"

#include <QStringList>

// The option controls as the window holds them after loading these settings, for running a
// conversion without the window. `fontFamilies` is the font popup's list, `systemSans` the
// family it starts on when no preferred one is installed.
OptionControls optionControlsFromSettings(const AppSettings &settings, const QStringList &fontFamilies,
                                          const QString &systemSans);

// The font a settings load selects: the stored family when installed, else the stored
// position in the list, else the popup's starting item. -1 for an empty list.
int fontIndexForSettings(const AppSettings &settings, const QStringList &fontFamilies,
                         const QString &systemSans);
