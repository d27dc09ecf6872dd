#pragma once

#include "common/Failure.h"
#include "settings/AppSettings.h"

#include <QString>
#include <QStringList>

// Reads and writes the settings in an INI file (the user's configuration folder by default),
// every row of the schema under its key. A file that does not exist means a first run, which
// gets the shipped defaults. Stored values of the wrong type or range are replaced by the
// defaults, one key at a time; a file that cannot be parsed at all is kept aside and the
// defaults used. Not thread-safe: one store per thread (the window's is on the UI thread).
class SettingsStore {
public:
    explicit SettingsStore(const QString &filePath);

    // The settings file in the user's configuration folder.
    static QString userFilePath();

    QString filePath() const { return m_filePath; }
    bool isFirstRun() const;
    // The stored settings; on a first run the shipped defaults. Keys a present file lacks read
    // as 0, 0.0 or nothing, as they always have.
    AppSettings load();
    // Writes every key, then flushes.
    Failure save(const AppSettings &settings);
    // Replaces the whole store with the shipped defaults.
    Failure resetToDefaults();

    // What the last load had to say: a file kept aside, values replaced by their defaults.
    QStringList notes() const { return m_notes; }
    // The keys whose stored values were unusable at the last load.
    QStringList problems() const { return m_problems; }

private:
    QString m_filePath;
    QStringList m_notes;
    QStringList m_problems;
};
