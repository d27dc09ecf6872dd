#include "desktop/HelpDocument.h"

#include <QFile>
#include <QLocale>

QString helpDocumentFor(const QStringList &languages)
{
    const QString english = QStringLiteral(":/help.html");
    for (const QString &language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::C || locale.language() == QLocale::English)
            return english;
        // The language with its country first ("pt_BR"), then the language alone.
        const QString name = locale.name();
        for (const QString &code : {name, name.section(QLatin1Char('_'), 0, 0)}) {
            const QString document = QStringLiteral(":/help_%1.html").arg(code);
            if (QFile::exists(document))
                return document;
        }
    }
    return english;
}
