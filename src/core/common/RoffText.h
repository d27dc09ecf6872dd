#pragma once

#include <QString>
#include <QStringList>

// Text as troff reads it in a manual page: backslashes escaped, dashes as minus signs, and no
// line starting a request.
QString roffText(QString text);

// A sentence of a manual page: as roffText(), with every --flag in bold and each of the given
// argument names (DIR, FILE) in italics.
QString roffProse(const QString &text, const QStringList &argumentNames = {});
