#include "settings/PresetStore.h"

#include "settings/NewSettingsFile.h"
#include "settings/SettingsStore.h"
#include "settings/StoredForms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kExtension = QStringLiteral(".ini");
const QString kTempPrefix = QStringLiteral(".pressmark-preset-");
constexpr int kMaxFileNameBytes = 250; // a file name holds 255

// A descriptor closed when it goes.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int d) : fd(d) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

QString systemWords()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString quoted(const QString &name)
{
    return QStringLiteral("\u201c%1\u201d").arg(name);
}

// The whole of an open file, which must be a regular file of at most kMaxFileBytes.
Result<QByteArray> readWhole(int fd, const QString &label)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return Failure(FailureReason::CannotRead, QStringLiteral("%1: %2").arg(label, systemWords()));
    if (S_ISDIR(info.st_mode))
        return Failure(FailureReason::CannotRead,
                       QCoreApplication::translate("PresetStore", "%1 is a folder").arg(label));
    if (!S_ISREG(info.st_mode))
        return Failure(FailureReason::CannotRead,
                       QCoreApplication::translate("PresetStore", "%1 is not a regular file").arg(label));
    const auto tooLarge = [&] {
        return Failure(
            FailureReason::TooLarge,
            QCoreApplication::translate("PresetStore", "%1 is larger than a preset can be (%2 MiB)")
                .arg(label)
                .arg(PresetStore::kMaxFileBytes >> 20));
    };
    if (info.st_size > PresetStore::kMaxFileBytes)
        return tooLarge();
    QByteArray bytes;
    bytes.resize(qsizetype(info.st_size) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            // The file grew while it was read.
            if (bytes.size() > PresetStore::kMaxFileBytes)
                return tooLarge();
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, PresetStore::kMaxFileBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Failure(FailureReason::CannotRead, QStringLiteral("%1: %2").arg(label, systemWords()));
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(got);
    return bytes;
}

// The preset a file's bytes hold. QSettings reads only files, so the bytes are read through a
// private copy: the file itself is opened once, by the caller's rules.
Result<Preset> parsePreset(const QByteArray &bytes, const QString &name, const QString &label)
{
    const auto notAPreset = [&](const QString &why) {
        return Failure(
            FailureReason::CannotRead,
            QCoreApplication::translate("PresetStore", "%1 is not a Pressmark preset: %2").arg(label, why));
    };
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/pressmark-preset-XXXXXX"));
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        return Failure(FailureReason::CannotRead, QStringLiteral("%1: %2").arg(label, copy.errorString()));
    copy.close();
    QSettings file(copy.fileName(), QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return notAPreset(
            QCoreApplication::translate("PresetStore", "it is not in the settings file's form"));

    Preset preset;
    preset.name = name;
    preset.values = shippedSettings();
    for (const SettingRow &row : settingRows()) {
        if (!isPresetRow(row))
            continue;
        switch (readStoredValue(row, file.value(row.keyName()), preset.values)) {
        case StoredRead::Absent:
            break;
        case StoredRead::Unusable:
            // As the settings file has it: the shipped default in its place, and a note.
            preset.values.copy(row.setting, shippedSettings());
            preset.replaced << row.keyName();
            preset.held << row.setting;
            break;
        case StoredRead::Usable:
            preset.held << row.setting;
            break;
        }
    }
    if (preset.held.isEmpty())
        return notAPreset(QCoreApplication::translate("PresetStore", "it holds none of the options"));
    const QStringList keys = file.allKeys();
    for (const QString &key : keys) {
        const bool known = std::any_of(settingRows().begin(), settingRows().end(),
                                       [&](const SettingRow &row) { return row.keyName() == key; });
        if (!known)
            preset.unknown << key;
    }
    return preset;
}

QString hexEscape(QChar c)
{
    return QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
}

// The name a file name stands for, undoing fileNameFor(); empty when the file is no preset's.
QString nameOfFile(const QString &fileName)
{
    if (!fileName.endsWith(kExtension) || fileName.startsWith(QLatin1Char('.')))
        return QString();
    const QString stem = fileName.chopped(kExtension.size());
    QString name;
    for (qsizetype i = 0; i < stem.size(); ++i) {
        bool ok = false;
        const uint code = i + 2 < stem.size() ? stem.mid(i + 1, 2).toUInt(&ok, 16) : 0;
        if (stem.at(i) == QLatin1Char('%') && ok) {
            name += QChar(code);
            i += 2;
        } else {
            name += stem.at(i);
        }
    }
    // Only the files this store would give that name to: another spelling of it is not one.
    const Result<QString> checked = PresetStore::checkedName(name);
    if (!checked.ok() || checked.value() != name || PresetStore::fileNameFor(name) != fileName)
        return QString();
    return name;
}

// The process's file creation mask, read without changing it (umask() would, for a moment, for
// every thread).
mode_t fileCreationMask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            bool ok = false;
            const uint mask = line.startsWith("Umask:") ? line.mid(6).trimmed().toUInt(&ok, 8) : 0;
            if (ok)
                return mode_t(mask);
        }
    }
    return 022;
}

bool sortedNames(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

bool isPresetRow(const SettingRow &row)
{
    return !row.windowState;
}

bool sameOptions(const AppSettings &a, const AppSettings &b)
{
    AppSettings x = shippedSettings(), y = x;
    for (const SettingRow &row : settingRows()) {
        if (isPresetRow(row)) {
            x.copy(row.setting, a);
            y.copy(row.setting, b);
        }
    }
    return x == y;
}

QStringList Preset::notes() const
{
    const auto listed = [](const QStringList &keys) {
        constexpr int kNamed = 12;
        QString text = QStringList(keys.mid(0, kNamed)).join(u' ');
        if (keys.size() > kNamed)
            text += QStringLiteral(" and %1 more").arg(keys.size() - kNamed);
        return text;
    };
    QStringList notes;
    if (!unknown.isEmpty())
        notes << QCoreApplication::translate("PresetStore",
                                             "settings this version does not know were left out: %1")
                     .arg(listed(unknown));
    if (!replaced.isEmpty())
        notes << QCoreApplication::translate("PresetStore", "settings replaced by their defaults: %1")
                     .arg(listed(replaced));
    return notes;
}

AppSettings Preset::appliedTo(const AppSettings &base) const
{
    AppSettings result = base;
    for (const Setting setting : held)
        result.copy(setting, values);
    return result;
}

PresetStore::PresetStore(const QString &folder, Access access) : m_folder(folder), m_access(access) {}

QString PresetStore::folderBeside(const QString &settingsFile)
{
    return QFileInfo(settingsFile).absolutePath() + QStringLiteral("/presets");
}

QString PresetStore::userFolder()
{
    return folderBeside(SettingsStore::userFilePath());
}

Result<QString> PresetStore::checkedName(const QString &typed)
{
    const QString name = typed.trimmed();
    const auto refuse = [](const QString &why) { return Failure(FailureReason::CannotWrite, why); };
    if (name.isEmpty())
        return refuse(QCoreApplication::translate("PresetStore", "a preset needs a name"));
    if (name.size() > kMaxNameLength)
        return refuse(QCoreApplication::translate("PresetStore", "a preset's name is at most %1 characters")
                          .arg(kMaxNameLength));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        // A lone half stands for a byte that is not UTF-8 (see FileName).
        if (c.isSurrogate() || c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return refuse(QCoreApplication::translate("PresetStore", "a preset's name is one line of text"));
    }
    if (QFile::encodeName(fileNameFor(name)).size() > kMaxFileNameBytes)
        return refuse(QCoreApplication::translate("PresetStore", "the name %1 is too long for a file name")
                          .arg(quoted(name)));
    return name;
}

QString PresetStore::fileNameFor(const QString &name)
{
    QString file;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c == QLatin1Char('%') || c == QLatin1Char('/') || c == QLatin1Char('\\') ||
            (i == 0 && c == QLatin1Char('.')))
            file += hexEscape(c);
        else
            file += c;
    }
    return file + kExtension;
}

Result<int> PresetStore::openFolder(bool create) const
{
    const QByteArray path = QFile::encodeName(m_folder);
    if (create) {
        QDir().mkpath(QFileInfo(m_folder).absolutePath());
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
            return Failure(FailureReason::CannotWrite, QStringLiteral("%1: %2").arg(m_folder, systemWords()));
    }
    struct stat link {};
    if (::lstat(path.constData(), &link) != 0)
        return Failure(errno == ENOENT ? FailureReason::Missing : FailureReason::CannotRead,
                       QStringLiteral("%1: %2").arg(m_folder, systemWords()));
    const auto foreign = [this] {
        return Failure(FailureReason::CannotRead,
                       QCoreApplication::translate(
                           "PresetStore", "the presets folder %1 belongs to another user; it is not used")
                           .arg(m_folder));
    };
    if (S_ISLNK(link.st_mode) && link.st_uid != ::geteuid())
        return foreign();
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Failure(FailureReason::CannotRead, QStringLiteral("%1: %2").arg(m_folder, systemWords()));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_uid != ::geteuid()) {
        ::close(fd);
        return foreign();
    }
    return fd;
}

Result<QStringList> PresetStore::names() const
{
    const Result<int> opened = openFolder(false);
    if (!opened.ok())
        return opened.failure().reason == FailureReason::Missing ? Result<QStringList>(QStringList())
                                                                 : Result<QStringList>(opened.failure());
    DIR *listing = ::fdopendir(opened.value());
    if (!listing) {
        ::close(opened.value());
        return Failure(FailureReason::CannotRead, QStringLiteral("%1: %2").arg(m_folder, systemWords()));
    }
    QStringList names;
    while (const dirent *entry = ::readdir(listing)) {
        struct stat info {};
        if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode))
            continue;
        const QString name = nameOfFile(QFile::decodeName(entry->d_name));
        if (!name.isEmpty())
            names << name;
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end(), sortedNames);
    return names;
}

Failure PresetStore::missingPreset(const QString &name)
{
    return Failure(
        FailureReason::Missing,
        QCoreApplication::translate("PresetStore", "there is no preset named %1").arg(quoted(name)));
}

Result<int> PresetStore::folderHolding(const Result<QString> &checked, const Failure &missing) const
{
    if (!checked.ok())
        return missing;
    const Result<int> opened = openFolder(false);
    if (!opened.ok() && opened.failure().reason == FailureReason::Missing)
        return missing;
    return opened;
}

bool PresetStore::contains(const QString &name) const
{
    const Result<QString> checked = checkedName(name);
    if (!checked.ok())
        return false;
    const Result<int> opened = openFolder(false);
    if (!opened.ok())
        return false;
    const Descriptor folder(opened.value());
    struct stat info {};
    return ::fstatat(folder.fd, QFile::encodeName(fileNameFor(checked.value())).constData(), &info,
                     AT_SYMLINK_NOFOLLOW) == 0;
}

Result<Preset> PresetStore::load(const QString &name) const
{
    const Result<QString> checked = checkedName(name);
    const Failure missing = missingPreset(name);
    const Result<int> opened = folderHolding(checked, missing);
    if (!opened.ok())
        return opened.failure();
    const Descriptor folder(opened.value());
    const QString label =
        QCoreApplication::translate("PresetStore", "the preset %1").arg(quoted(checked.value()));
    const Descriptor file(::openat(folder.fd, QFile::encodeName(fileNameFor(checked.value())).constData(),
                                   O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0) {
        if (errno == ENOENT)
            return missing;
        if (errno == ELOOP)
            return Failure(
                FailureReason::CannotRead,
                QCoreApplication::translate("PresetStore", "%1 is a symbolic link; presets are kept as files")
                    .arg(label));
        return Failure(FailureReason::CannotRead, QStringLiteral("%1: %2").arg(label, systemWords()));
    }
    const Result<QByteArray> bytes = readWhole(file.fd, label);
    if (!bytes.ok())
        return bytes.failure();
    return parsePreset(bytes.value(), checked.value(), label);
}

Failure PresetStore::save(const QString &name, const AppSettings &values, Replace replace)
{
    if (m_access == Access::ReadOnly)
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("PresetStore", "%1 is only read").arg(m_folder));
    const Result<QString> checked = checkedName(name);
    if (!checked.ok())
        return checked.failure();
    const Result<int> opened = openFolder(true);
    if (!opened.ok())
        return Failure(FailureReason::CannotWrite, opened.failure().detail);
    const Descriptor folder(opened.value());
    Result<std::unique_ptr<QTemporaryFile>> fresh =
        writeNewSettingsFile(m_folder, kTempPrefix, values, isPresetRow);
    if (!fresh.ok())
        return fresh.failure();
    // Renamed within the folder it was opened as: a folder put in its place since is not written.
    const QByteArray from = QFile::encodeName(QFileInfo(fresh.value()->fileName()).fileName());
    const QByteArray to = QFile::encodeName(fileNameFor(checked.value()));
    if (::renameat2(folder.fd, from.constData(), folder.fd, to.constData(),
                    replace == Replace::Yes ? 0 : RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST)
            return Failure(FailureReason::CannotWrite,
                           QCoreApplication::translate("PresetStore", "a preset named %1 exists")
                               .arg(quoted(checked.value())));
        return Failure(FailureReason::CannotWrite, QStringLiteral("%1: %2").arg(m_folder, systemWords()));
    }
    fresh.value()->setAutoRemove(false);
    return {};
}

Failure PresetStore::rename(const QString &from, const QString &to, Replace replace)
{
    if (m_access == Access::ReadOnly)
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("PresetStore", "%1 is only read").arg(m_folder));
    const Result<QString> oldName = checkedName(from);
    const Result<QString> newName = checkedName(to);
    if (!newName.ok())
        return newName.failure();
    const Failure missing = missingPreset(from);
    const Result<int> opened = folderHolding(oldName, missing);
    if (!opened.ok())
        return opened.failure();
    const Descriptor folder(opened.value());
    const QByteArray oldFile = QFile::encodeName(fileNameFor(oldName.value()));
    const QByteArray newFile = QFile::encodeName(fileNameFor(newName.value()));
    struct stat info {};
    if (::fstatat(folder.fd, oldFile.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return missing;
    if (oldFile == newFile)
        return {};
    if (::renameat2(folder.fd, oldFile.constData(), folder.fd, newFile.constData(),
                    replace == Replace::Yes ? 0 : RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST)
            return Failure(FailureReason::CannotWrite,
                           QCoreApplication::translate("PresetStore", "a preset named %1 exists")
                               .arg(quoted(newName.value())));
        if (errno == ENOENT)
            return missing;
        return Failure(FailureReason::CannotWrite, QStringLiteral("%1: %2").arg(m_folder, systemWords()));
    }
    return {};
}

Failure PresetStore::remove(const QString &name)
{
    if (m_access == Access::ReadOnly)
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("PresetStore", "%1 is only read").arg(m_folder));
    const Result<QString> checked = checkedName(name);
    const Failure missing = missingPreset(name);
    const Result<int> opened = folderHolding(checked, missing);
    if (!opened.ok())
        return opened.failure();
    const Descriptor folder(opened.value());
    if (::unlinkat(folder.fd, QFile::encodeName(fileNameFor(checked.value())).constData(), 0) != 0)
        return errno == ENOENT ? missing
                               : Failure(FailureReason::CannotWrite,
                                         QStringLiteral("%1: %2").arg(m_folder, systemWords()));
    return {};
}

Result<Preset> PresetStore::readFile(const QString &path)
{
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0)
        return Failure(errno == ENOENT ? FailureReason::Missing : FailureReason::CannotRead,
                       QStringLiteral("%1: %2").arg(path, systemWords()));
    const Result<QByteArray> bytes = readWhole(file.fd, path);
    if (!bytes.ok())
        return bytes.failure();
    return parsePreset(bytes.value(), QFileInfo(path).completeBaseName(), path);
}

Failure PresetStore::writeFile(const QString &path, const AppSettings &values)
{
    const QFileInfo target(path);
    struct stat there {};
    // A regular file or a symbolic link there is replaced (the link itself, never what it leads
    // to); anything else is left alone.
    if (::lstat(QFile::encodeName(path).constData(), &there) == 0 && !S_ISREG(there.st_mode) &&
        !S_ISLNK(there.st_mode))
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("PresetStore", "%1 is not a regular file").arg(path));
    Result<std::unique_ptr<QTemporaryFile>> fresh =
        writeNewSettingsFile(target.absolutePath(), kTempPrefix, values, isPresetRow);
    if (!fresh.ok())
        return fresh.failure();
    // An exported file is for others too, made as the user's files are (the new file was private).
    ::chmod(QFile::encodeName(fresh.value()->fileName()).constData(), 0666 & ~fileCreationMask());
    if (::rename(QFile::encodeName(fresh.value()->fileName()).constData(),
                 QFile::encodeName(path).constData()) != 0)
        return Failure(FailureReason::CannotWrite, QStringLiteral("%1: %2").arg(path, systemWords()));
    fresh.value()->setAutoRemove(false);
    return {};
}
