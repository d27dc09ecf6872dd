#pragma once

#include "common/Translations.h"

#include <QString>
#include <QStringList>

// The built-in help document in the user's language: ":/help.html" in English, ":/help_XX.html"
// for each language the build embeds one for (PRESSMARK_LANGUAGES). The first of the languages
// that has one wins ("de_AT" takes "de"); English or "C" among them stops the search at English,
// as it does for the window's words, so the help and the window speak the same language.
//
// Threading: any thread; it only looks at the embedded resources.
QString helpDocumentFor(const QStringList &languages = userLanguages());
