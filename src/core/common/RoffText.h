#pragma once

#include <QString>

// Text as troff reads it in a manual page: backslashes escaped, dashes as minus signs, and no
// line starting a request.
QString roffText(QString text);
