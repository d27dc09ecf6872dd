#include "pipeline/ReadNameFacts.h"

#include "common/FileName.h"
#include "decode/ImageDecoder.h"
#include "metadata/SourceMetadata.h"
#include "options/ConversionOptions.h"
#include "pipeline/FileMetadata.h"
#include "transform/TargetSize.h"
#include "transform/Upright.h"

#include <sys/stat.h>

namespace {

QDateTime modificationTime(const QString &path)
{
    struct stat info {};
    if (::stat(encodeFileName(path).constData(), &info) != 0)
        return QDateTime();
    return QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec);
}

QString cameraOf(const SourceMetadata &metadata)
{
    const QString make = metadata.exifText("Exif.Image.Make");
    const QString model = metadata.exifText("Exif.Image.Model");
    if (model.isEmpty())
        return make;
    // "Canon" + "Canon EOS 5D", "NIKON CORPORATION" + "NIKON D750": the model says it already.
    const QString firstWord = make.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    if (make.isEmpty() || model.contains(firstWord, Qt::CaseInsensitive))
        return model;
    return make + QLatin1Char(' ') + model;
}

} // namespace

NameFacts nameFacts(const SourceMetadata &metadata, const QString &path, QSize outputSize)
{
    NameFacts facts;
    facts.taken = QDateTime::fromString(metadata.exifText("Exif.Photo.DateTimeOriginal"),
                                        QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    if (!facts.taken.isValid())
        facts.taken = modificationTime(path);
    facts.camera = cameraOf(metadata);
    facts.outputSize = outputSize;
    return facts;
}

NameFacts readNameFacts(const QString &path, const ConversionOptions &options)
{
    const NameTemplate name = NameTemplate::parse(options.nameTemplate);
    if (options.naming != NamingMode::Template || !name.isValid() || !name.needsFacts())
        return NameFacts();
    ImageDecoder decoder(path);
    if (decoder.open().failed())
        return nameFacts(SourceMetadata(), path, QSize());
    const SourceMetadata metadata = fileMetadata(decoder);
    QSize size;
    if (name.needsSize() && decoder.size().isValid())
        size = targetSize(uprightSize(decoder.size(), decoder.orientationToApply(metadata.orientation())),
                          options);
    return nameFacts(metadata, path, size);
}
