#include "batch/OutputNaming.h"

#include "common/FileName.h"
#include "options/ConversionOptions.h"

#include <QDir>

QString baseNameOf(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return name;
    return name.left(dot);
}

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0);
}

// Bytes of a source name that were not UTF-8 are read as Latin-1, control characters
// (newline, tab, escape) become '_', and a leading dot too: an output name is always valid
// UTF-8 and never a hidden file.
QString safeStem(const QString &name)
{
    QString stem = readableFileName(name);
    for (QChar &c : stem)
        if (isControl(c))
            c = QLatin1Char('_');
    if (stem.startsWith(QLatin1Char('.')))
        stem[0] = QLatin1Char('_');
    return stem;
}

} // namespace

QString sanitizedTitle(const QString &title)
{
    QString clean = title;
    clean.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (QChar &c : clean)
        if (isControl(c))
            c = QLatin1Char('_');
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
        return safeStem(title.isEmpty() ? base : title + QString::number(position));
    case NamingMode::AddText:
        return safeStem(title.isEmpty() ? base : base + title);
    }
    return safeStem(base);
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

QString firstUntakenName(const QString &folder, const QStringList &names)
{
    const QDir place(folder);
    for (const QString &name : names)
        if (!pathTaken(place.filePath(name)))
            return name;
    return QString();
}
