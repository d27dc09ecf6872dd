#pragma once

#include <QByteArray>
#include <QString>

// File names on Linux are bytes. Most are UTF-8; some (from old cameras, Windows shares,
// archives) are not, and QString cannot hold those bytes: Qt's own conversion replaces them,
// so such a file could be neither listed nor opened. Names are therefore carried as QString
// with each byte that is not part of valid UTF-8 kept as a code unit U+DC80..U+DCFF (the
// "surrogate escape" of PEP 383), and turned back into the very same bytes at every system
// call. Hand-written: Qt has no reversible conversion.
QString decodeFileName(const QByteArray &bytes);
QByteArray encodeFileName(const QString &name);

// The byte kept at position i of the name, or -1 when i holds a character.
int escapedByte(const QString &name, qsizetype i);
// True when the name holds bytes that were not valid UTF-8.
bool hasEscapedBytes(const QString &name);
// The name with each escaped byte read as Latin-1 (the likeliest origin of such names), so it
// can be shown, or written as a valid name of its own.
QString readableFileName(const QString &name);

// What a path names, asked of the system with the name's own bytes.
enum class PathKind { Missing, File, Folder, Other };
PathKind pathKind(const QString &path);
// True when anything is there, a dangling symbolic link included.
bool pathTaken(const QString &path);
// Creates the folder and any missing parents: 0, or the errno of the last step that failed.
int makeFolders(const QString &path);
