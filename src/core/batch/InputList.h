#pragma once

#include <QByteArray>
#include <QStringList>

// The paths a list file names (pressmark-cli --files-from): one a line, or separated by NUL
// bytes (as `find -print0` writes them), each name with its own bytes; empty entries are left
// out, and so is the "\r" ending a line of a list written on Windows (not with NUL bytes,
// where a name is taken whole). Relative paths stay as they are: they are read from the current
// folder, as on the command line.
QStringList inputListEntries(const QByteArray &bytes, bool nulSeparated);
