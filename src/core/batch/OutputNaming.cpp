#include "batch/OutputNaming.h"

#include "batch/NameTemplate.h"

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
    return outputStem(inputPath, position, o, NameFacts());
}

QString outputStem(const QString &inputPath, int position, const ConversionOptions &o, const NameFacts &facts)
{
    const QString base = baseNameOf(inputPath);
    const QString title = sanitizedTitle(o.title);
    switch (o.naming) {
    case NamingMode::CurrentNames:
        break;
    case NamingMode::Template: {
        const NameTemplate name = NameTemplate::parse(o.nameTemplate);
        QString stem = name.isValid() ? name.expand(inputPath, position, o.title, facts) : QString();
        for (QChar &c : stem)
            if (QStringLiteral("/\\:*?\"<>|").contains(c))
                c = QLatin1Char('_');
        return safeStem(stem.isEmpty() ? base : stem);
    }
    case NamingMode::NewName:
        return safeStem(title.isEmpty() ? base : title + QString::number(position));
    case NamingMode::AddText:
        return safeStem(title.isEmpty() ? base : base + title);
    }
    return safeStem(base);
}

QString outputSubfolder(const QString &relative)
{
    QStringList steps;
    for (const QString &step : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        steps << safeStem(step);
    return steps.join(QLatin1Char('/'));
}

namespace {

// The stem and its ending within a file name's 255 bytes, the stem cut at a character's end.
QString fitted(const QString &stem, const QString &ending)
{
    constexpr int kMaxNameBytes = 255;
    const qsizetype room = kMaxNameBytes - encodeFileName(ending).size();
    if (encodeFileName(stem).size() <= room)
        return stem + ending;
    QString cut = stem;
    while (!cut.isEmpty() && encodeFileName(cut).size() > room)
        cut.chop(cut.size() >= 2 && cut.back().isLowSurrogate() && cut.at(cut.size() - 2).isHighSurrogate()
                     ? 2
                     : 1);
    return cut + ending;
}

} // namespace

QStringList candidateFileNames(const QString &stem, const QString &extension)
{
    QStringList names;
    names.reserve(kOutputNameCandidates);
    names << fitted(stem, extension) << fitted(stem, QStringLiteral(" (copy)") + extension);
    for (int k = 2; k < kOutputNameCandidates; ++k)
        names << fitted(stem, QStringLiteral(" (copy %1)").arg(k) + extension);
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
