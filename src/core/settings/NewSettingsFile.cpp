#include "settings/NewSettingsFile.h"

#include "settings/AppSettings.h"
#include "settings/StoredForms.h"

#include <QSettings>

Result<std::unique_ptr<QTemporaryFile>> writeNewSettingsFile(const QString &folder, const QString &prefix,
                                                             const AppSettings &values,
                                                             bool (*wanted)(const SettingRow &row))
{
    auto fresh =
        std::make_unique<QTemporaryFile>(folder + QLatin1Char('/') + prefix + QStringLiteral("XXXXXX"));
    if (!fresh->open())
        return Failure(FailureReason::CannotWrite,
                       QStringLiteral("%1: %2").arg(folder, fresh->errorString()));
    fresh->close();
    QSettings file(fresh->fileName(), QSettings::IniFormat);
    for (const SettingRow &row : settingRows())
        if (!wanted || wanted(row))
            file.setValue(row.keyName(), storedValue(row, values));
    file.sync();
    if (file.status() != QSettings::NoError)
        return Failure(FailureReason::CannotWrite, fresh->fileName());
    return fresh;
}
