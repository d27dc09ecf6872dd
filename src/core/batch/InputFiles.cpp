#include "batch/InputFiles.h"

#include <QDir>
#include <QFileInfo>

const QStringList &openDialogExtensions()
{
    static const QStringList list = {
        QStringLiteral("png"),  QStringLiteral("PNG"),  QStringLiteral("tif"),  QStringLiteral("TIF"),
        QStringLiteral("tiff"), QStringLiteral("TIFF"), QStringLiteral("jpg"),  QStringLiteral("JPG"),
        QStringLiteral("jpeg"), QStringLiteral("JPEG"), QStringLiteral("gif"),  QStringLiteral("GIF"),
        QStringLiteral("psd"),  QStringLiteral("PSD"),  QStringLiteral("icns"), QStringLiteral("ICNS"),
    };
    return list;
}

const QStringList &dropExtensions()
{
    static const QStringList list =
        openDialogExtensions() + QStringList {QStringLiteral("eps"), QStringLiteral("EPS")};
    return list;
}

bool hasAcceptedExtension(const QString &path, const QStringList &extensions)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    return extensions.contains(name.mid(dot + 1), Qt::CaseSensitive);
}

QStringList expandInputs(const QStringList &paths)
{
    QStringList inputs;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            inputs << path;
            continue;
        }
        const QDir dir(path);
        const QFileInfoList entries =
            dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &entry : entries)
            if (hasAcceptedExtension(entry.fileName(), dropExtensions()))
                inputs << dir.filePath(entry.fileName());
    }
    return inputs;
}
