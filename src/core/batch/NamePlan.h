#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The names a run gives its whole list, decided before any file is converted: for each entry
// (in list order, its name stem as outputStem() makes it, a relative folder included), the
// index into its candidateFileNames() of the name a run into an empty output folder gives it,
// every earlier entry having taken its own; -1 when every candidate is taken by earlier
// entries. A run starts each entry's candidates there, so an entry never takes a name an earlier
// entry of the list would take, whichever machine or process converts which part of the list
// and in which order: shards of one list writing into one folder give the names of one run,
// and the name a resumed run expects for an entry is known before it starts.
//
// When the folder is not empty at the start, an entry whose planned name is taken goes on to
// its next candidates, as a run always did, and may take a name planned for a later entry,
// which then goes on in its turn: nothing is replaced, but shards running at once may then
// share out those names in another order than one run would. When an entry fails, its planned
// name stays unused (a run no longer hands it to a later entry of the same name).
//
// A pure function of the stems and the extension; names are compared as they are (a file
// system that ignores case may still refuse a planned name, which is then handled as a taken
// one).
QVector<int> plannedNameIndexes(const QStringList &stems, const QString &extension);
