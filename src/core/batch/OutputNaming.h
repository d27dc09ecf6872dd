#pragma once

#include <QString>
#include <QStringList>

struct ConversionOptions;
struct NameFacts;

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
// A rename template is filled in with the file's `facts` (nameFacts(), readNameFacts()), and
// every character that cannot stand in a file name on the common file systems ('/', '\\', ':',
// '*', '?', '"', '<', '>', '|', control characters) becomes '_'; an invalid template, or one that
// comes out empty, gives the current name.
QString outputStem(const QString &inputPath, int position, const ConversionOptions &options,
                   const NameFacts &facts);
QString outputStem(const QString &inputPath, int position, const ConversionOptions &options);

// The folder below the output folder that an input's output goes into, from the input's
// subfolder in its tree ("2024/trip"): each step as an output name's stem is made (bytes that were
// not UTF-8 read as Latin-1, control characters and a leading dot as '_'); empty for none.
QString outputSubfolder(const QString &relative);

// The candidate file names, in the order they are tried: stem + ext, stem + " (copy)" + ext,
// then stem + " (copy k)" + ext for k = 2..99. A stem too long for a name to fit a file name's
// 255 bytes is cut (at a character's end) as far as that name needs.
QStringList candidateFileNames(const QString &stem, const QString &extension);

// The first of `names` that nothing in `folder` takes yet (pathTaken(): a file, a folder, a
// dangling link), the name a run's output would take there now; empty when every one is taken.
QString firstUntakenName(const QString &folder, const QStringList &names);
