#pragma once

#include <QString>
#include <QStringList>

struct ConversionOptions;

// How many names are tried for one output: the plain name, " (copy)", " (copy 2)" .. " (copy 99)".
constexpr int kOutputNameCandidates = 100;

// The file name without its last extension: holiday.final.JPG gives holiday.final; a name
// without extension, or a dot file such as ".profile", stays whole.
QString baseNameOf(const QString &path);

// The title as it may stand in a file name: every '/' and control character (NUL, newline,
// tab, escape) becomes '_', so that an output always lands directly in the chosen folder with a
// name a terminal shows as it is.
QString sanitizedTitle(const QString &title);

// The name stem of the output of the input at 1-based list position n, from the naming mode
// and title of the options. With no naming mode on, the current name is used. Control
// characters become '_', and so does a leading dot: an output is never a hidden file.
QString outputStem(const QString &inputPath, int position, const ConversionOptions &options);

// The candidate file names, in the order they are tried: stem + ext, stem + " (copy)" + ext,
// then stem + " (copy k)" + ext for k = 2..99.
QStringList candidateFileNames(const QString &stem, const QString &extension);

// The first of `names` that nothing in `folder` takes yet (pathTaken(): a file, a folder, a
// dangling link), the name a run's output would take there now; empty when every one is taken.
QString firstUntakenName(const QString &folder, const QStringList &names);
