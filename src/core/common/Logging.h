#pragma once

#include <QLoggingCategory>

// Conversion log lines: per image resolution and written metadata. Off by default; enable with
// QT_LOGGING_RULES="pressmark.conversion.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcConversion)
// Messages of the metadata library, for diagnosing odd files.
Q_DECLARE_LOGGING_CATEGORY(lcMetadata)
// Settings store: first run, unusable values, unwritable file.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
