#include "common/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList userLanguages()
{
    QStringList languages;
    const QString chosen = qEnvironmentVariable("LANGUAGE");
    for (const QString &name : chosen.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages << name;
    languages << QLocale::system().uiLanguages();
    return languages;
}

void installTranslations(QCoreApplication &app, const QStringList &languages)
{
    for (const QString &language : languages) {
        const QLocale locale(language);
        // "C" and English are the source texts.
        if (locale.language() == QLocale::C || locale.language() == QLocale::English)
            return;
        auto *own = new QTranslator(&app);
        if (!own->load(locale, QStringLiteral("pressmark"), QStringLiteral("_"),
                       QStringLiteral(":/translations"))) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        auto *qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return;
    }
}
