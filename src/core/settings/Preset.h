#pragma once

#include "settings/AppSettings.h"

#include <QList>
#include <QStringList>

// Whether a row is one a preset holds: an option of the conversion, not what the window keeps
// for itself (its place, the open section, the section lights, the thumbnails' size, the last
// folders, the last preset).
bool isPresetRow(const SettingRow &row);

// Whether two settings hold the same options: the same value in every row a preset holds.
bool sameOptions(const AppSettings &a, const AppSettings &b);

// A set of options under a name, as a preset file holds them (the settings file's INI form,
// the option rows only). A plain value; any thread.
struct Preset {
    QString name;         // as the user typed it; for a file read by its path, the file's name
    AppSettings values;   // the rows it holds; the others as shipped
    QList<Setting> held;  // the option rows the file holds, in the schema's order
    QStringList unknown;  // keys no row of this version has (a newer version's), left out
    QStringList replaced; // keys whose values were unusable, read as their shipped defaults
    // What loading it has to say: the keys left out, the values replaced.
    QStringList notes() const;

    // `base` with the rows this preset holds taken from it: a preset sets what it holds and
    // leaves the rest as it was (the shipped defaults, the settings file, the window's
    // controls).
    AppSettings appliedTo(const AppSettings &base) const;
};
