#pragma once

#include "common/Failure.h"

#include <QString>
#include <QTemporaryFile>

#include <memory>

class AppSettings;
struct SettingRow;

// Writes the rows `wanted` takes into a new file in `folder`, under a hidden name starting with
// `prefix` that replaces nothing, whole and flushed: the caller renames it into place, which
// replaces the old file in one step (a reader sees the old file or the new, never half of one).
// The file is removed with the returned object unless the caller has renamed it and said so
// (setAutoRemove(false)). The settings file and the presets are saved this one way. Any thread;
// each call has its own file.
Result<std::unique_ptr<QTemporaryFile>> writeNewSettingsFile(const QString &folder, const QString &prefix,
                                                             const AppSettings &values,
                                                             bool (*wanted)(const SettingRow &row));
