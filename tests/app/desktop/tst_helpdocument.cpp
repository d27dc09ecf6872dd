#include "desktop/HelpDocument.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

// Which help document each language opens, and that every translation keeps the English
// document's sections, so a section added in English alone is caught.
class TestHelpDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chosenForLanguage_data();
    void chosenForLanguage();
    void documentsAgree_data();
    void documentsAgree();
};

namespace {

QString embedded(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The ids of the document's headings of one level, in order; a heading without an id counts as "".
QStringList headingIds(const QString &html, const QString &level)
{
    QStringList ids;
    const QRegularExpression heading(QStringLiteral("<%1\\b([^>]*)>").arg(level));
    const QRegularExpression id(QStringLiteral("\\bid=\"([^\"]*)\""));
    for (auto it = heading.globalMatch(html); it.hasNext();)
        ids << id.match(it.next().captured(1)).captured(1);
    return ids;
}

// The <h2> headings as Qt's HTML reader makes them out: a tag it lost the thread at loses them.
QStringList readHeadings(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QStringList headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 2)
            headings << block.text();
    return headings;
}

} // namespace

void TestHelpDocument::chosenForLanguage_data()
{
    QTest::addColumn<QString>("language"); // LANGUAGE, as gettext reads it
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("firstHeading");
    const QString en = QStringLiteral(":/help.html"), de = QStringLiteral(":/help_de.html"),
                  fr = QStringLiteral(":/help_fr.html");
    QTest::newRow("en") << "en_GB:de" << en << "Adding images";
    QTest::newRow("de") << "de" << de << "Bilder hinzufügen";
    QTest::newRow("fr") << "fr" << fr << "Ajouter des images";
    QTest::newRow("de with its country") << "de_AT" << de << "Bilder hinzufügen";
    QTest::newRow("fr as a locale names it") << "fr-CA:de" << fr << "Ajouter des images";
    QTest::newRow("a language without help, then fr") << "sv:fr" << fr << "Ajouter des images";
    QTest::newRow("C before de") << "C:de" << en << "Adding images";
}

void TestHelpDocument::chosenForLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, document);
    QFETCH(QString, firstHeading);
    qputenv("LANGUAGE", language.toUtf8());
    const QString chosen = helpDocumentFor();
    qunsetenv("LANGUAGE");
    QCOMPARE(chosen, document);
    const QStringList headings = readHeadings(embedded(chosen));
    QVERIFY(!headings.isEmpty());
    QCOMPARE(headings.constFirst(), firstHeading);
}

void TestHelpDocument::documentsAgree_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    for (const QString &language : QStringLiteral(PRESSMARK_LANGUAGES).split(QLatin1Char(',')))
        QTest::newRow(qPrintable(language)) << language;
}

void TestHelpDocument::documentsAgree()
{
    QFETCH(QString, language);
    const QString name = language == QLatin1String("en") ? QStringLiteral("help.html")
                                                         : QStringLiteral("help_%1.html").arg(language);
    const QString html = embedded(QStringLiteral(":/") + name);
    QVERIFY2(!html.isEmpty(), qPrintable(name + QStringLiteral(" is not embedded")));
    QVERIFY(html.contains(QStringLiteral("<html lang=\"%1\">").arg(language)));

    // The English document's sections and subsections, under the same ids, in the same order.
    const QString english = embedded(QStringLiteral(":/help.html"));
    for (const QString &level : {QStringLiteral("h2"), QStringLiteral("h3")}) {
        const QStringList ids = headingIds(html, level);
        QCOMPARE(ids, headingIds(english, level));
        QVERIFY(!ids.contains(QString()));
    }

    // Well-formed: Qt's reader finds every heading with its text, and libxml2's HTML parser
    // says nothing about the file.
    const QStringList headings = readHeadings(html);
    QCOMPARE(headings.size(), headingIds(html, QStringLiteral("h2")).size());
    QVERIFY(!headings.contains(QString()));
    if (QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
        QSKIP("xmllint is missing (package libxml2-utils)");
    QProcess lint;
    lint.start(QStringLiteral("xmllint"), {QStringLiteral("--html"), QStringLiteral("--noout"),
                                           QStringLiteral(PRESSMARK_RESOURCES "/") + name});
    QVERIFY(lint.waitForFinished());
    const QString said = QString::fromUtf8(lint.readAllStandardError() + lint.readAllStandardOutput());
    QVERIFY2(lint.exitCode() == 0 && said.isEmpty(), qPrintable(said));
}

QTEST_MAIN(TestHelpDocument)
#include "tst_helpdocument.moc"
