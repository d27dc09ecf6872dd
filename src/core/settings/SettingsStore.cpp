#include "settings/SettingsStore.h"

#include "common/Logging.h"
#include "options/ControlTexts.h"
#include "pipeline/DecodeUpright.h"
#include "settings/NewSettingsFile.h"
#include "settings/StoredForms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The file a save replaces: the path, or the file a symbolic link there leads to, so a settings
// file kept elsewhere and linked stays linked.
QString writtenPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

} // namespace

SettingsStore::SettingsStore(const QString &filePath, Access access) : m_filePath(filePath), m_access(access)
{
}

QString SettingsStore::userFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/pressmark/pressmark.conf");
}

bool SettingsStore::isFirstRun() const
{
    return !QFileInfo::exists(m_filePath);
}

AppSettings SettingsStore::load()
{
    m_problems.clear();
    m_notes.clear();
    m_unreadable.clear();
    m_leaveAlone = false;
    const AppSettings defaults = shippedSettings();
    if (isFirstRun()) {
        qCInfo(lcSettings, "Nera failo");
        return defaults;
    }
    // A FIFO or device at the path would block the reading: only a regular file is read.
    const QFileInfo info(m_filePath);
    if (!info.isFile()) {
        m_unreadable = QCoreApplication::translate("SettingsStore", "not a regular file");
        m_notes << QCoreApplication::translate("SettingsStore",
                                               "%1 is not a regular file; the shipped settings are used")
                       .arg(m_filePath);
        qCWarning(lcSettings, "%s", qPrintable(m_notes.last()));
        return defaults;
    }
    QSettings file(m_filePath, QSettings::IniFormat);
    // A file that is not settings at all (random bytes, another program's) holds none of the keys.
    const bool holdsAnyKey = std::any_of(settingRows().begin(), settingRows().end(),
                                         [&](const SettingRow &row) { return file.contains(row.keyName()); });
    if (file.status() != QSettings::NoError || !info.isReadable() || (!holdsAnyKey && info.size() > 0)) {
        m_unreadable =
            !info.isReadable()
                ? QCoreApplication::translate("SettingsStore", "permission denied")
                : QCoreApplication::translate("SettingsStore", "it does not hold Pressmark settings");
        if (m_access == Access::ReadWrite)
            setAside();
        return defaults;
    }
    AppSettings values;
    for (const SettingRow &row : settingRows()) {
        if (readStoredValue(row, file.value(row.keyName()), values) == StoredRead::Unusable) {
            values.copy(row.setting, defaults);
            m_problems << row.keyName();
        }
    }
    if (!m_problems.isEmpty()) {
        m_notes << QCoreApplication::translate("SettingsStore", "settings replaced by their defaults: %1")
                       .arg(m_problems.join(u' '));
        qCWarning(lcSettings, "%s", qPrintable(m_notes.last()));
    }
    return values;
}

// Moves an unreadable file out of the way under the first free name, so nothing the user had is
// lost or replaced; when it cannot be moved, it is never written over.
void SettingsStore::setAside()
{
    const QByteArray from = QFile::encodeName(m_filePath);
    QString aside;
    for (int n = 1; n <= 100 && aside.isEmpty(); ++n) {
        const QString name =
            m_filePath + QStringLiteral(".unreadable") + (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, QFile::encodeName(name).constData(),
                        RENAME_NOREPLACE) == 0)
            aside = name;
        else if (errno != EEXIST)
            break;
    }
    if (aside.isEmpty()) {
        m_leaveAlone = true;
        m_notes << QCoreApplication::translate(
                       "SettingsStore",
                       "the settings file %1 could not be read (%2); it is left as it is and the "
                       "settings are not saved")
                       .arg(m_filePath, m_unreadable);
    } else {
        m_notes << QCoreApplication::translate("SettingsStore",
                                               "the settings file could not be read; it is kept at %1")
                       .arg(aside);
    }
    qCWarning(lcSettings, "%s", qPrintable(m_notes.last()));
}

Failure SettingsStore::save(const AppSettings &values)
{
    const auto refuse = [](const QString &why) {
        const Failure failure(FailureReason::CannotWrite, why);
        qCWarning(lcSettings, "the settings could not be written: %s", qPrintable(failure.text()));
        return failure;
    };
    if (m_access == Access::ReadOnly)
        return refuse(QCoreApplication::translate("SettingsStore", "%1 is only read").arg(m_filePath));
    if (m_leaveAlone)
        return refuse(
            QCoreApplication::translate("SettingsStore", "%1 could not be read and is left as it is")
                .arg(m_filePath));
    // Only a regular file is replaced: a FIFO or a device there is left alone (opening it could
    // block for ever), and so is a folder.
    const QString target = writtenPath(m_filePath);
    struct stat there {};
    if (::stat(QFile::encodeName(target).constData(), &there) == 0 && !S_ISREG(there.st_mode))
        return refuse(
            QCoreApplication::translate("SettingsStore", "%1 is not a regular file").arg(m_filePath));
    const QString folder = QFileInfo(target).absolutePath();
    QDir().mkpath(folder);
    // A new file beside the old one, renamed over it once whole.
    Result<std::unique_ptr<QTemporaryFile>> fresh =
        writeNewSettingsFile(folder, QStringLiteral(".pressmark-settings-"), values, nullptr);
    if (!fresh.ok())
        return refuse(fresh.failure().detail);
    if (::rename(QFile::encodeName(fresh.value()->fileName()).constData(),
                 QFile::encodeName(target).constData()) != 0)
        return refuse(QStringLiteral("%1: %2").arg(m_filePath, QString::fromLocal8Bit(std::strerror(errno))));
    fresh.value()->setAutoRemove(false);
    return {};
}

Failure SettingsStore::resetToDefaults()
{
    return save(shippedSettings());
}
