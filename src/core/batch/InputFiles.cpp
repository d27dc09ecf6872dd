#include "batch/InputFiles.h"

#include "common/FileName.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString withSlash(const QString &path)
{
    QString folder = QDir::cleanPath(path);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

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
        const QString folder = withSlash(path);
        for (const QString &name : names) {
            if (pathKind(folder + name) == PathKind::File)
                inputs << folder + name;
            else if (skipped)
                *skipped << folder + name;
        }
    }
    return inputs;
}

namespace {

// Walks the trees of a run's folders, each file once.
class TreeWalk {
public:
    explicit TreeWalk(ExpandedInputs *out) : m_out(out) {}

    // A path as named: a file, or a folder (a symbolic link named is followed, once).
    void take(const QString &path)
    {
        struct stat info {};
        if (::stat(encodeFileName(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            // A file stands as given, once; a missing one keeps its place and fails at its turn.
            if (S_ISREG(info.st_mode) && !firstMeeting(info))
                return;
            add(path, QString());
            return;
        }
        const int fd = ::open(encodeFileName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            m_out->unreadable << QStringLiteral("%1: %2").arg(path, systemMessage(errno));
            return;
        }
        const int before = m_met;
        walk(fd, withSlash(path), QString());
        if (m_met == before)
            m_out->emptyFolders << path;
    }

private:
    static QString systemMessage(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

    bool firstMeeting(const struct stat &info) { return m_seen.insert({info.st_dev, info.st_ino}).second; }

    void add(const QString &path, const QString &subfolder)
    {
        m_out->inputs << path;
        m_out->subfolders << subfolder;
    }

    // Takes the folder open at `fd` (closed here), at `path`, `relative` below the named one.
    void walk(int fd, const QString &path, const QString &relative)
    {
        DIR *dir = ::fdopendir(fd);
        if (!dir) {
            m_out->unreadable << QStringLiteral("%1: %2").arg(path, systemMessage(errno));
            ::close(fd);
            return;
        }
        QStringList files, folders;
        int listingError = 0;
        for (;;) {
            errno = 0;
            const dirent *entry = ::readdir(dir);
            if (!entry) {
                listingError = errno;
                break;
            }
            const QByteArray bytes(entry->d_name);
            if (bytes.startsWith('.'))
                continue; // hidden, and "." and ".."
            struct stat link {};
            if (::fstatat(fd, bytes.constData(), &link, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            const QString name = decodeFileName(bytes);
            if (S_ISDIR(link.st_mode))
                folders << name;
            else if (hasAcceptedExtension(name, readableExtensions()))
                files << name;
            // A symbolic link to a folder is neither: it is not followed.
        }
        std::sort(files.begin(), files.end(), byNameAnyCase);
        std::sort(folders.begin(), folders.end(), byNameAnyCase);
        for (const QString &name : files) {
            struct stat info {};
            // Followed: a link to a picture is read as the picture.
            if (::fstatat(fd, encodeFileName(name).constData(), &info, 0) == 0 && S_ISREG(info.st_mode)) {
                ++m_met;
                if (firstMeeting(info))
                    add(path + name, relative);
            } else {
                m_out->skipped << path + name;
            }
        }
        if (listingError != 0)
            m_out->unreadable << QStringLiteral("%1: %2").arg(path, systemMessage(listingError));
        for (const QString &name : folders) {
            const int child = ::openat(fd, encodeFileName(name).constData(),
                                       O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child < 0) {
                // Replaced by a link since it was listed: not followed, as links are not.
                if (errno != ELOOP && errno != ENOTDIR)
                    m_out->unreadable << QStringLiteral("%1: %2").arg(path + name, systemMessage(errno));
                continue;
            }
            walk(child, path + name + QLatin1Char('/'),
                 relative.isEmpty() ? name : relative + QLatin1Char('/') + name);
        }
        ::closedir(dir);
    }

    static bool byNameAnyCase(const QString &a, const QString &b)
    {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    }

    ExpandedInputs *m_out;
    int m_met = 0; // pictures met, those met before included
    std::set<std::pair<dev_t, ino_t>> m_seen;
};

} // namespace

ExpandedInputs expandInputs(const QStringList &paths, bool wholeTrees)
{
    ExpandedInputs expanded;
    if (!wholeTrees) {
        for (const QString &path : paths) {
            const QStringList inputs = expandInputs({path}, &expanded.skipped);
            if (inputs.isEmpty() && pathKind(path) == PathKind::Folder)
                expanded.emptyFolders << path;
            expanded.inputs << inputs;
        }
        for (qsizetype i = 0; i < expanded.inputs.size(); ++i)
            expanded.subfolders << QString();
        return expanded;
    }
    TreeWalk walk(&expanded);
    for (const QString &path : paths)
        walk.take(path);
    return expanded;
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
