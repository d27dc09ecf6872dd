#include "options/FontList.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>

QString familyWithoutFoundry(const QString &family)
{
    const qsizetype open = family.lastIndexOf(QLatin1String(" ["));
    if (open > 0 && family.endsWith(QLatin1Char(']')))
        return family.left(open);
    return family;
}

QStringList installedFontFamilies()
{
    QStringList families;
    for (const QString &family : QFontDatabase::families())
        families << familyWithoutFoundry(family);
    families.removeDuplicates();
    std::stable_sort(families.begin(), families.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return families;
}

int defaultFontIndex(const QStringList &families, const QString &systemSans)
{
    if (families.isEmpty())
        return -1;
    int lucida = -1;
    int gill = -1;
    for (int i = 0; i < families.size(); ++i) {
        const QString &name = families.at(i);
        if (name == QLatin1String("Helvetica"))
            return i;
        if (lucida < 0 && name == QLatin1String("Lucida Grande"))
            lucida = i;
        if (gill < 0 && name == QLatin1String("Gill Sans"))
            gill = i;
    }
    if (lucida >= 0)
        return lucida;
    if (gill >= 0)
        return gill;
    const int sans = systemSans.isEmpty() ? -1 : int(families.indexOf(systemSans));
    return sans >= 0 ? sans : 0;
}

QString systemSansFamily()
{
    QFont sans(QStringLiteral("sans-serif"));
    sans.setStyleHint(QFont::SansSerif);
    return QFontInfo(sans).family();
}
