#pragma once

#include "common/Failure.h"
#include "settings/Preset.h"

#include <QString>
#include <QStringList>

// The user's presets, one file each in a folder of Pressmark's own beside the settings file
// (~/.config/pressmark/presets/NAME.ini), and preset files anywhere (export, import,
// pressmark-cli's --preset FILE). A preset file is a settings file holding only the option rows
// (isPresetRow()).
//
// Names are the user's text, kept as typed but for the white space around them; the file's
// name is the name with '%', '/', '\' and a leading '.' written as %XX, so no name leaves the
// folder, hides its file or takes a name of ours; names are at most kMaxNameLength characters
// of one line. Saving writes a new file and renames it into place (writeNewSettingsFile()),
// replacing a preset of the same name only when asked. The folder is used only when it (and a
// symbolic link to it) belongs to the user; its presets are regular files, never followed
// through a symbolic link. A read-only store (pressmark-cli's) never creates or changes
// anything. Reading a file that is not a preset, or larger than kMaxFileBytes, is a Failure
// saying so; keys of a newer version are left out and named in the preset's notes.
// Not thread-safe: one store per thread (the window's is on the UI thread).
class PresetStore {
public:
    enum class Access { ReadWrite, ReadOnly };
    enum class Replace { No, Yes };
    static constexpr int kMaxNameLength = 80;
    static constexpr qint64 kMaxFileBytes = qint64(64) << 20;

    explicit PresetStore(const QString &folder, Access access = Access::ReadWrite);

    // The presets folder beside a settings file, and the user's (beside the user's settings).
    static QString folderBeside(const QString &settingsFile);
    static QString userFolder();
    QString folder() const { return m_folder; }

    // The presets' names, sorted without regard to case; none while the folder is not there.
    Result<QStringList> names() const;
    bool contains(const QString &name) const;
    Result<Preset> load(const QString &name) const;
    // Saves the option rows of `values`; an existing preset of that name is replaced only with
    // Replace::Yes.
    Failure save(const QString &name, const AppSettings &values, Replace replace = Replace::No);
    Failure rename(const QString &from, const QString &to, Replace replace = Replace::No);
    Failure remove(const QString &name);

    // A preset file anywhere: read (its name is the file's, without the extension), written
    // (replacing what is at the path, never writing through a symbolic link there).
    static Result<Preset> readFile(const QString &path);
    static Failure writeFile(const QString &path, const AppSettings &values);

    // The name a typed one is kept under (the white space around it trimmed), or why it cannot
    // be a preset's name (the failure's detail says so to the user).
    static Result<QString> checkedName(const QString &typed);
    // The file a checked name is kept in, inside the folder.
    static QString fileNameFor(const QString &name);

private:
    Result<int> openFolder(bool create) const;
    // "there is no preset named NAME".
    static Failure missingPreset(const QString &name);
    // The folder opened to find the preset of a checked name; `missing` when the name cannot be a
    // preset's or there is no folder yet.
    Result<int> folderHolding(const Result<QString> &checked, const Failure &missing) const;

    QString m_folder;
    Access m_access;
};
