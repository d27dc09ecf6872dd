#include "common/Logging.h"

Q_LOGGING_CATEGORY(lcConversion, "pressmark.conversion", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMetadata, "pressmark.metadata", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "pressmark.settings", QtWarningMsg)
