#include "MainWindow.h"
#include "common/Failure.h"
#include "common/Translations.h"
#include "desktop/DesktopServices.h"
#include "sheets/CompletionDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

// The window in German: run with LANGUAGE=de, which alone chooses the language.
class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void windowSpeaksGerman();
    void completionSheetSpeaksGerman();
    void helpSpeaksGerman();
    void plurals_data();
    void plurals();
};

void TestTranslations::initTestCase()
{
    QCOMPARE(userLanguages().value(0), QStringLiteral("de"));
    installTranslations(*QCoreApplication::instance());
}

void TestTranslations::windowSpeaksGerman()
{
    MainWindow window;
    QCOMPARE(window.convertButton()->text(), QStringLiteral("Konvertieren"));
    auto *header = window.findChild<QToolButton *>(QStringLiteral("watermarkSectionHeader"));
    QVERIFY(header);
    QCOMPARE(header->accessibleName(), QStringLiteral("Wasserzeichen"));
    // The failure reasons the window shows; the report file keeps its English words.
    QCOMPARE(Failure(FailureReason::CannotWrite, QStringLiteral("No space")).text(),
             QStringLiteral("kann nicht geschrieben werden: No space"));
    QCOMPARE(failureReasonText(FailureReason::CannotWrite), QStringLiteral("cannot write"));
    // Qt's own words too.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void TestTranslations::completionSheetSpeaksGerman()
{
    ConversionReport report;
    report.files.resize(2);
    report.files[0].input = QStringLiteral("/in/a.jpg");
    report.files[0].status = FileStatus::Written;
    report.files[1].input = QStringLiteral("/in/b.jpg");
    report.files[1].status = FileStatus::Failed;
    report.files[1].failure = Failure(FailureReason::Unsupported);
    QWidget window;
    CompletionDialog sheet(report, QStringLiteral("/tmp"), &window);
    auto *headline = sheet.findChild<QLabel *>(QStringLiteral("runHeadline"));
    QVERIFY(headline);
    QCOMPARE(headline->text(), QStringLiteral("Bildkonvertierung abgeschlossen!"));
    auto *failures = sheet.findChild<QPlainTextEdit *>();
    QVERIFY(failures);
    QCOMPARE(failures->toPlainText(), QStringLiteral("b.jpg — nicht unterstütztes oder beschädigtes Bild"));
}

void TestTranslations::helpSpeaksGerman()
{
    // The desktop's viewer is handed the German copy; without one, the window shows it itself.
    QList<QUrl> asked;
    DesktopServices::setUrlOpenerForTests([&](const QUrl &url) {
        asked << url;
        return false;
    });
    MainWindow window;
    window.openHelp();
    DesktopServices::setUrlOpenerForTests({});
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.constFirst().fileName(), QStringLiteral("help_de.html"));
    QFile copy(asked.constFirst().toLocalFile());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QVERIFY(copy.readAll().contains("<html lang=\"de\">"));
    QVERIFY(window.helpViewer() && window.helpViewer()->isVisible());
    auto *text = window.helpViewer()->findChild<QTextBrowser *>(QStringLiteral("helpText"));
    QVERIFY(text);
    QVERIFY(text->toPlainText().contains(QStringLiteral("Bilder hinzufügen")));
}

void TestTranslations::plurals_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("german");
    QTest::newRow("one") << 1 << QStringLiteral("1 Bild");
    QTest::newRow("two") << 2 << QStringLiteral("2 Bilder");
    QTest::newRow("nineteen") << 19 << QStringLiteral("19 Bilder");
}

void TestTranslations::plurals()
{
    QFETCH(int, count);
    QFETCH(QString, german);
    const QString said = count == 1
                             ? QCoreApplication::translate("ImageListModel", "1 image")
                             : QCoreApplication::translate("ImageListModel", "%n images", nullptr, count);
    QCOMPARE(said, german);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
