#include "batch/OutputNaming.h"

#include "options/ConversionOptions.h"

QString baseNameOf(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return name;
    return name.left(dot);
}

QString sanitizedTitle(const QString &title)
{
    QString clean = title;
    clean.replace(QLatin1Char('/'), QLatin1Char('_'));
    clean.replace(QChar(0), QLatin1Char('_'));
    return clean;
}

QString outputStem(const QString &inputPath, int position, const ConversionOptions &o)
{
    const QString base = baseNameOf(inputPath);
    const QString title = sanitizedTitle(o.title);
    switch (o.naming) {
    case NamingMode::CurrentNames:
        break;
    case NamingMode::NewName:
        return title.isEmpty() ? base : title + QString::number(position);
    case NamingMode::AddText:
        return title.isEmpty() ? base : base + title;
    }
    return base;
}

QStringList candidateFileNames(const QString &stem, const QString &extension)
{
    QStringList names;
    names.reserve(kOutputNameCandidates);
    names << stem + extension << stem + QStringLiteral(" (copy)") + extension;
    for (int k = 2; k < kOutputNameCandidates; ++k)
        names << stem + QStringLiteral(" (copy %1)").arg(k) + extension;
    return names;
}
