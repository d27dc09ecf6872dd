#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QString>

// Reads a whole input file into memory with read(2), never mapping it: a file that another
// program shortens while it is read is that file's failure ("changed while being read"), not a
// SIGBUS that ends the run. Only regular files are read; a FIFO, socket or device is refused
// ("not a regular file") without blocking, a folder as "it is a folder". A missing file is
// Missing; any other error carries the system's words (a symbolic-link loop, a permission).
// Safe from any thread.
Result<QByteArray> readInputFile(const QString &path);
