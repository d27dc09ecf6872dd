#include "settings/SettingsStore.h"

#include "common/Logging.h"
#include "options/ControlTexts.h"
#include "pipeline/DecodeUpright.h"
#include "settings/StoredForms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <QStandardPaths>
#include <algorithm>

#include <cmath>

namespace {

enum class Read { Absent, Usable, Unusable };

// Reads one row's stored value into `values`; an unusable one is left for the caller.
Read readRow(const SettingRow &row, const QVariant &stored, AppSettings &values)
{
    if (!stored.isValid())
        return Read::Absent;
    bool ok = false;
    switch (row.type) {
    case SettingType::Integer: {
        const int value = stored.toString().trimmed().toInt(&ok);
        if (!ok || value < row.min || value > row.max)
            return Read::Unusable;
        values.setInteger(row.setting, value);
        return Read::Usable;
    }
    case SettingType::Fraction: {
        const float value = stored.toString().trimmed().toFloat(&ok);
        if (!ok || !std::isfinite(value) || value < 0.0f || value > 1.0f)
            return Read::Unusable;
        values.setFraction(row.setting, value);
        return Read::Usable;
    }
    case SettingType::Text:
    case SettingType::SizeText: {
        // A list or a blob is not a text.
        if (stored.typeId() != QMetaType::QString)
            return Read::Unusable;
        const QString value = stored.toString();
        if ((row.type == SettingType::SizeText && !isAcceptableSizeText(value)) || !row.fits(value))
            return Read::Unusable;
        values.setText(row.setting, value);
        return Read::Usable;
    }
    case SettingType::Color: {
        const QByteArray bytes = stored.toByteArray();
        if (bytes.isEmpty())
            return Read::Usable; // holds no colour
        const std::optional<QColor> color = decodeColor(bytes);
        if (!color)
            return Read::Unusable;
        values.setColor(row.setting, color);
        return Read::Usable;
    }
    case SettingType::Picture: {
        if (stored.typeId() != QMetaType::QByteArray)
            return Read::Unusable;
        if (stored.toByteArray().isEmpty())
            return Read::Usable; // holds no picture
        const Result<QImage> picture = decodeImageData(stored.toByteArray());
        if (!picture.ok())
            return Read::Unusable;
        values.setPicture(row.setting, picture.value());
        return Read::Usable;
    }
    }
    return Read::Unusable;
}

QVariant storedForm(const SettingRow &row, const AppSettings &values)
{
    switch (row.type) {
    case SettingType::Integer:
        return values.integer(row.setting);
    case SettingType::Fraction:
        // The shortest exact form, so a float comes back bit for bit.
        return QString::number(values.fraction(row.setting), 'g', 9);
    case SettingType::Text:
    case SettingType::SizeText:
        return values.text(row.setting);
    case SettingType::Color: {
        const std::optional<QColor> color = values.color(row.setting);
        return color ? encodeColor(*color) : QByteArray();
    }
    case SettingType::Picture: {
        const std::optional<QImage> picture = values.picture(row.setting);
        return picture ? encodePicture(*picture) : QByteArray();
    }
    }
    return QVariant();
}

} // namespace

SettingsStore::SettingsStore(const QString &filePath) : m_filePath(filePath) {}

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
    const AppSettings defaults = shippedSettings();
    if (isFirstRun()) {
        qCInfo(lcSettings, "Nera failo");
        return defaults;
    }
    // A FIFO or device at the path would block the reading: only a regular file is read.
    const QFileInfo info(m_filePath);
    if (!info.isFile()) {
        m_notes << QStringLiteral("%1 is not a regular file; the shipped settings are used").arg(m_filePath);
        qCWarning(lcSettings, "%s", qPrintable(m_notes.last()));
        return defaults;
    }
    QSettings file(m_filePath, QSettings::IniFormat);
    // A file that is not settings at all (random bytes, another program's) holds none of the keys.
    const bool holdsAnyKey = std::any_of(settingRows().begin(), settingRows().end(),
                                         [&](const SettingRow &row) { return file.contains(row.keyName()); });
    if (file.status() != QSettings::NoError || !info.isReadable() || (!holdsAnyKey && info.size() > 0)) {
        // Kept beside the new file, so nothing the user had is lost.
        const QString aside = m_filePath + QStringLiteral(".unreadable");
        QFile::remove(aside);
        m_notes
            << (QFile::copy(m_filePath, aside)
                    ? QStringLiteral("the settings file could not be read; a copy is kept at %1").arg(aside)
                    : QStringLiteral("the settings file %1 could not be read").arg(m_filePath));
        qCWarning(lcSettings, "%s", qPrintable(m_notes.last()));
        return defaults;
    }
    AppSettings values;
    for (const SettingRow &row : settingRows()) {
        if (readRow(row, file.value(row.keyName()), values) == Read::Unusable) {
            values.copy(row.setting, defaults);
            m_problems << row.keyName();
        }
    }
    if (!m_problems.isEmpty()) {
        m_notes << QStringLiteral("settings replaced by their defaults: %1").arg(m_problems.join(u' '));
        qCWarning(lcSettings, "%s", qPrintable(m_notes.last()));
    }
    return values;
}

Failure SettingsStore::save(const AppSettings &values)
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSettings file(m_filePath, QSettings::IniFormat);
    file.clear();
    for (const SettingRow &row : settingRows())
        file.setValue(row.keyName(), storedForm(row, values));
    file.sync();
    if (file.status() != QSettings::NoError) {
        const Failure failure(FailureReason::CannotWrite, m_filePath);
        qCWarning(lcSettings, "the settings could not be written: %s", qPrintable(failure.text()));
        return failure;
    }
    return {};
}

Failure SettingsStore::resetToDefaults()
{
    return save(shippedSettings());
}
