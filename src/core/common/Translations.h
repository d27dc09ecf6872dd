#pragma once

#include <QStringList>

class QCoreApplication;

// The user's languages, first choice first: LANGUAGE (a colon-separated list, as gettext reads
// it) when set, else the system locale's. LANGUAGE is honoured on its own, so a desktop without
// the matching locale still gets its words.
QStringList userLanguages();

// Installs Pressmark's translation and Qt's own (its dialogs, its buttons) for the first of the
// languages (by default the user's) that Pressmark has words for; English, the source texts, needs
// none. Call once on the UI thread after the application object exists; the translators live as
// long as it.
void installTranslations(QCoreApplication &app, const QStringList &languages = userLanguages());
