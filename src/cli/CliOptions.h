#pragma once

#include "batch/ConversionJob.h"
#include "settings/AppSettings.h"

#include <QStringList>

// What the command line asks for, or why it cannot be done.
struct CliRequest {
    enum class Action {
        Convert,
        ShowHelp,
        ShowVersion,
        ShowManPage,
        ShowCompletion,
        UsageError,
        ListPresets,
        SavePreset
    };
    Action action = Action::Convert;
    QString error; // for UsageError
    QString helpText;
    QString completionShell; // for ShowCompletion: bash, zsh or fish

    ConversionJob job;
    QStringList rawInputs; // as typed, before folders are expanded
    bool quiet = false;
    QString reportPath;       // --report: where the JSON-lines report goes; empty for none
    QStringList notes;        // said before the run, e.g. settings that could not be used
    QStringList skipped;      // what an input folder holds under a picture's name but is not a file
    QStringList unreadable;   // folders of a tree that could not be read: "path: reason"
    QStringList emptyFolders; // input folders that gave no picture

    // ListPresets: the saved presets' names. SavePreset: the name and the options it keeps.
    QStringList presetNames;
    QString presetName;
    AppSettings presetValues;
    bool replacePreset = false;
};

// Parses pressmark-cli's arguments (the program name first) into a job.
CliRequest parseCommandLine(const QStringList &arguments);
