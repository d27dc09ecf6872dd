#pragma once

#include <QString>
#include <QStringList>

// The installed font families, sorted without regard to case, as the font popup lists them.
// Needs a QGuiApplication.
QStringList installedFontFamilies();

// The popup's starting item, found in one scan from the top: the first "Helvetica" at once,
// else the first "Lucida Grande", else the first "Gill Sans", else systemSans when listed,
// else item 0; -1 for an empty list.
int defaultFontIndex(const QStringList &families, const QString &systemSans);

// The system's default sans-serif family (fontconfig's answer, never a symbol font). Needs a
// QGuiApplication.
QString systemSansFamily();
