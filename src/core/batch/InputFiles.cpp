#include "batch/InputFiles.h"

#include "common/FileName.h"

#include <QDir>

#include <algorithm>
#include <dirent.h>
#include <memory>

const QStringList &openDialogExtensions()
{
    static const QStringList list = {
        QStringLiteral("png"),  QStringLiteral("PNG"),  QStringLiteral("tif"),  QStringLiteral("TIF"),
        QStringLiteral("tiff"), QStringLiteral("TIFF"), QStringLiteral("jpg"),  QStringLiteral("JPG"),
        QStringLiteral("jpeg"), QStringLiteral("JPEG"), QStringLiteral("gif"),  QStringLiteral("GIF"),
        QStringLiteral("psd"),  QStringLiteral("PSD"),  QStringLiteral("icns"), QStringLiteral("ICNS"),
        QStringLiteral("heic"), QStringLiteral("HEIC"), QStringLiteral("heif"), QStringLiteral("HEIF"),
        QStringLiteral("hif"),  QStringLiteral("HIF"),  QStringLiteral("avif"), QStringLiteral("AVIF"),
        QStringLiteral("jxl"),  QStringLiteral("JXL"),  QStringLiteral("jp2"),  QStringLiteral("JP2"),
        QStringLiteral("j2k"),  QStringLiteral("J2K"),  QStringLiteral("jpf"),  QStringLiteral("JPF"),
        QStringLiteral("dng"),  QStringLiteral("DNG"),  QStringLiteral("cr2"),  QStringLiteral("CR2"),
        QStringLiteral("cr3"),  QStringLiteral("CR3"),  QStringLiteral("nef"),  QStringLiteral("NEF"),
        QStringLiteral("arw"),  QStringLiteral("ARW"),  QStringLiteral("raf"),  QStringLiteral("RAF"),
        QStringLiteral("orf"),  QStringLiteral("ORF"),  QStringLiteral("rw2"),  QStringLiteral("RW2"),
        QStringLiteral("pef"),  QStringLiteral("PEF"),
    };
    return list;
}

const QStringList &readableExtensions()
{
    static const QStringList list = [] {
        QStringList lower;
        for (const QString &extension : openDialogExtensions())
            if (!lower.contains(extension.toLower()))
                lower << extension.toLower();
        for (const char *extension : {"eps", "bmp", "webp", "tga", "icb", "vda", "vst", "ico", "cur", "psb"})
            lower << QLatin1String(extension);
        return lower;
    }();
    return list;
}

bool hasAcceptedExtension(const QString &path, const QStringList &extensions)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    return extensions.contains(name.mid(dot + 1), Qt::CaseInsensitive);
}

QStringList expandInputs(const QStringList &paths, QStringList *skipped)
{
    QStringList inputs;
    for (const QString &path : paths) {
        if (pathKind(path) != PathKind::Folder) {
            inputs << path;
            continue;
        }
        // Listed with the names' own bytes: Qt's listing drops names that are not UTF-8.
        const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(encodeFileName(path).constData()),
                                                       ::closedir);
        if (!dir)
            continue;
        QStringList names;
        while (const dirent *entry = ::readdir(dir.get())) {
            const QString name = decodeFileName(QByteArray(entry->d_name));
            if (hasAcceptedExtension(name, readableExtensions()))
                names << name;
        }
        std::sort(names.begin(), names.end());
        QString folder = QDir::cleanPath(path);
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        for (const QString &name : names) {
            if (pathKind(folder + name) == PathKind::File)
                inputs << folder + name;
            else if (skipped)
                *skipped << folder + name;
        }
    }
    return inputs;
}

QStringList localFilesFromUriList(const QByteArray &uriList)
{
    QStringList paths;
    for (QByteArray line : uriList.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        for (const QByteArray &prefix : {QByteArray("file://localhost/"), QByteArray("file:///")}) {
            if (line.startsWith(prefix)) {
                paths << decodeFileName(QByteArray::fromPercentEncoding(line.mid(prefix.size() - 1)));
                break;
            }
        }
    }
    return paths;
}
