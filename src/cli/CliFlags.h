#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct SettingRow;

// One pressmark-cli flag: how the run is driven (output folder, jobs, ...) or, with a settings
// row, an option of the conversion. --help and the man page list them in this order.
struct CliFlag {
    QStringList names; // "o", "output"
    QString valueName; // empty for a switch
    QString help;
    const SettingRow *row = nullptr;
    bool hidden = false;
};

// The run's own flags, then one per settings row that has a flag, in the schema's order.
const QList<CliFlag> &cliFlags();

// What a settings row's flag says in --help: its text, what it takes and its default.
QString flagHelp(const SettingRow &row);
// The words a choice flag takes, as the help lists them: "jpeg, png, gif or tiff".
QString choiceWords(const SettingRow &row, bool withMeanings);

// The manual page, in troff, made from the same flags and the settings schema.
QString manPage(const QString &version);

// The completion script of a shell in completionShells(), from the same flags: every flag, the
// words of choice flags, files and folders where a flag takes one. Empty for another shell.
QStringList completionShells();
QString completionScript(const QString &shell);
