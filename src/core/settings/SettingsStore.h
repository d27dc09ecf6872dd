#pragma once

#include "settings/AppSettings.h"

#include <QString>
#include <QStringList>

// Reads and writes AppSettings in an INI file (the user's configuration folder by default) with
// the shipped "DefaultData" as fall-back. A file that does not exist means first run. Stored
// values of the wrong type or range are replaced by the defaults, one key at a time; a file that
// cannot be parsed at all is set aside and the defaults used. Main thread only.
class SettingsStore {
public:
    explicit SettingsStore(const QString &filePath,
                           const QString &defaultsPath = QStringLiteral(":/pressmark/DefaultData.conf"));

    // The settings file in the user's configuration folder.
    static QString userFilePath();

    QString filePath() const { return m_filePath; }
    bool isFirstRun() const;
    // The shipped defaults ("DefaultData"); keys it lacks read as 0, 0.0 or nothing.
    AppSettings defaults() const;
    // The stored settings; on a first run the defaults. Keys a present file lacks read as 0,
    // 0.0 or nothing, as they always have.
    AppSettings load();
    // Writes every key, then flushes; false with a message when the file cannot be written.
    bool save(const AppSettings &settings);
    // Replaces the whole store with the defaults; unchanged when the defaults are missing.
    bool resetToDefaults();

    // Keys whose stored values were unusable at the last load, and what happened to the file.
    QStringList problems() const { return m_problems; }
    QString errorString() const { return m_error; }

private:
    QString m_filePath;
    QString m_defaultsPath;
    QStringList m_problems;
    QString m_error;
};

// Colours and the logo as stored: bytes that give back the same value.
QByteArray encodeColor(const QColor &color);
std::optional<QColor> decodeColor(const QByteArray &data);
QByteArray encodeLogo(const QImage &image);

// The shipped logo "LogoW": the logo well's picture on a first run and after a reset.
QImage shippedLogo();
