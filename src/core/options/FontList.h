#pragma once

#include <QString>
#include <QStringList>

// The installed font families, each once and without its foundry (Qt names a family that
// several foundries supply "C059 [UKWN]", "C059 [URW ]"), sorted without regard to case, as the
// font popup lists them. Needs a QGuiApplication.
QStringList installedFontFamilies();
// "Nimbus Sans [URW ]" -> "Nimbus Sans"; other names as they are.
QString familyWithoutFoundry(const QString &family);

// The popup's starting item, found in one scan from the top: the first "Helvetica" at once,
// else the first "Lucida Grande", else the first "Gill Sans", else systemSans when listed,
// else item 0; -1 for an empty list.
int defaultFontIndex(const QStringList &families, const QString &systemSans);

// The system's default sans-serif family (fontconfig's answer, never a symbol font). Needs a
// QGuiApplication.
QString systemSansFamily();
