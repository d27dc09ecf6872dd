#pragma once

#include "common/Failure.h"
#include "settings/AppSettings.h"

#include <QString>
#include <QStringList>

// Reads and writes the settings in an INI file (the user's configuration folder by default),
// every row of the schema under its key. A file that does not exist means a first run, which
// gets the shipped defaults. Stored values of the wrong type or range are replaced by the
// defaults, one key at a time. A file that cannot be read at all gives the defaults; a store
// that may write (the window's) sets it aside under a name that replaces nothing
// ("NAME.unreadable", "NAME.unreadable-2", ...), or, when it cannot, never writes over it; a
// read-only store (pressmark-cli's) only says why. Saving writes a new file and renames it over
// the old one, and only over a regular file. Not thread-safe: one store per thread (the
// window's is on the UI thread).
class SettingsStore {
public:
    enum class Access { ReadWrite, ReadOnly };
    explicit SettingsStore(const QString &filePath, Access access = Access::ReadWrite);

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
    // Why the last load could not read the file that is there ("not a regular file", ...);
    // empty when it could, or when there was none.
    QString unreadableReason() const { return m_unreadable; }

private:
    void setAside();

    QString m_filePath;
    Access m_access;
    QString m_unreadable;
    bool m_leaveAlone = false; // an unreadable file that could not be set aside is never written over
    QStringList m_notes;
    QStringList m_problems;
};
