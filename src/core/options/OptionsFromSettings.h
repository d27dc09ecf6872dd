#pragma once

#include "options/ConversionOptions.h"

#include <QStringList>

class AppSettings;

// The families the watermark's font popup offers, sorted as it lists them, and the system's
// sans-serif family it starts on when no preferred one is installed.
struct FontChoices {
    QStringList families;
    QString systemSans;

    // The installed fonts. Needs a QGuiApplication.
    static FontChoices installed();
};

// The options value a conversion reads, from the option controls' values (as the window
// captures them, a settings file holds them, or the command line sets them):
// - the first size field that holds any text governs, in the order width, height, long edge,
//   short edge, the fit box (either side; an empty side does not bound), percent (0 is empty);
//   a governing value that is not a positive number means no resizing. So files without the
//   newer fields resize as they always did;
// - "never enlarge" stored as 0 follows the mode: off for width and height, on for the others;
// - the naming mode is the last of the three that is on; none means the current names;
// - the logo's and the watermark's size follow their popups only while the overlay will be
//   drawn, and keep the previous value otherwise;
// - a copyright pattern switches the lines on;
// - the copyright colour, when none is stored, is the watermark's;
// - the font is the stored family when installed, or when no position in the popup is stored
//   (a family asked for by name: the run substitutes a missing one and says so); else the
//   family at the stored position; else the popup's starting family;
// - any value that fits no table keeps the previous value, as a popup keeps its selection.
ConversionOptions optionsFromSettings(const AppSettings &values, const ConversionOptions &previous,
                                      const FontChoices &fonts);

// The font popup's selection for these values, by the rule above: -1 for an empty popup.
int fontIndexForSettings(const AppSettings &values, const FontChoices &fonts);

// Sets an enum field from a stored index; an index outside the enum's `count` values (counted
// from `first`) leaves the field as it was.
template <typename Enum> void setFromIndex(int stored, int first, int count, Enum *field)
{
    if (stored >= first && stored < first + count)
        *field = Enum(stored - first);
}

// The leading integer of a text, 0 when it has none, as a text field's integer value reads it.
qint32 leadingInteger(const QString &text);
