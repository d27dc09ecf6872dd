#include "desktop/DesktopServices.h"
#include "sections/ElidedLabel.h"
#include "sheets/CompletionDialog.h"
#include "sheets/ConvertingDialog.h"
#include "sheets/OutputFolderDialog.h"
#include "sheets/RunTimes.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

// The sheets a run shows, and the output folder's chooser.
class TestSheets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void runTimes_data();
    void runTimes();
    void convertingSheetSaysNameAndTimes();
    void completionSaysWhereAndHowLong();
    void completionSavesTheReport();
    void chooserMakesAndTakesNewFolders();
    void chooserOpensWhereTheUserMayWrite();
};

void TestSheets::runTimes_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("left");
    QTest::newRow("nothing") << qint64(300) << QStringLiteral("0:00") << QStringLiteral("less than a second")
                             << "a few seconds left";
    QTest::newRow("seconds") << qint64(41200) << QStringLiteral("0:41") << QStringLiteral("41 s")
                             << "about 45 s left";
    QTest::newRow("minutes") << qint64(95000) << QStringLiteral("1:35") << QStringLiteral("1 min 35 s")
                             << "about 2 min left";
    QTest::newRow("whole minutes") << qint64(120000) << QStringLiteral("2:00") << QStringLiteral("2 min")
                                   << "about 2 min left";
    QTest::newRow("hours") << qint64(3723000) << QStringLiteral("1:02:03") << QStringLiteral("1 h 2 min")
                           << "about 62 min left";
    QTest::newRow("hours and tens") << qint64(5700000) << QStringLiteral("1:35:00")
                                    << QStringLiteral("1 h 35 min") << "about 1 h 40 min left";
    QTest::newRow("whole hours") << qint64(7230000) << QStringLiteral("2:00:30") << QStringLiteral("2 h")
                                 << "about 2 h left";
}

void TestSheets::runTimes()
{
    QFETCH(qint64, ms);
    QTEST(RunTimes::clock(ms), "clock");
    QTEST(RunTimes::duration(ms), "duration");
    QTEST(RunTimes::left(ms), "left");
}

void TestSheets::convertingSheetSaysNameAndTimes()
{
    QStringList inputs;
    for (int i = 1; i <= 30; ++i)
        inputs << QStringLiteral("/photos/IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
    ConvertingDialog sheet(inputs, nullptr);
    qint64 now = 0;
    sheet.setClock([&] { return now; });
    QCOMPARE(sheet.fileLabel()->fullText(), QStringLiteral("· IMG_0001.jpg")); // the first starts at once

    // The file started last, the time since the start; no estimate from too few files.
    now = 2400;
    sheet.fileStarted(1, 2);
    sheet.fileStarted(4, 5);
    QCOMPARE(sheet.countLabel()->text(), QStringLiteral("5/30 files"));
    QCOMPARE(sheet.fileLabel()->fullText(), QStringLiteral("· IMG_0005.jpg"));
    sheet.fileFinished(2);
    QCOMPARE(sheet.timeLabel()->text(), QStringLiteral("0:02 elapsed · estimating the time left…"));

    // From the finished files on: 10 in 95 s leaves 20 for about 190 s.
    now = 95000;
    sheet.fileFinished(10);
    QCOMPARE(sheet.timeLabel()->text(), QStringLiteral("1:35 elapsed · about 3 min left"));
    now = 96000; // each second by itself
    QTRY_COMPARE_WITH_TIMEOUT(sheet.timeLabel()->text(), QStringLiteral("1:36 elapsed · about 3 min left"),
                              3000);

    // A cancel says what is left to happen, and no estimate.
    sheet.cancelButton()->click();
    QCOMPARE(sheet.timeLabel()->text(), QStringLiteral("1:36 elapsed · finishing the files in progress"));

    // All finished: only the time.
    ConvertingDialog two({QStringLiteral("/a.png"), QStringLiteral("/b.png")}, nullptr);
    two.setClock([] { return qint64(5000); });
    two.fileFinished(2);
    QCOMPARE(two.timeLabel()->text(), QStringLiteral("0:05 elapsed"));
}

void TestSheets::completionSaysWhereAndHowLong()
{
    QTemporaryDir out;
    ConversionReport report;
    report.files.resize(3);
    for (FileResult &file : report.files)
        file.status = FileStatus::Written;
    CompletionDialog done(report, out.path(), nullptr);
    QLabel *link = done.folderLink();
    QVERIFY(!link->isHidden());
    QVERIFY(link->text().startsWith(QStringLiteral("Saved in <a href=")));
    QCOMPARE(link->toolTip(), out.path());
    QVERIFY(done.durationLabel()->isHidden());
    done.setDuration(95000);
    QCOMPARE(done.durationLabel()->text(), QStringLiteral("Took 1 min 35 s"));
    QVERIFY(!done.durationLabel()->isHidden());

    // The link opens the folder through the desktop; where nothing opens it, the sheet says where.
    QList<QUrl> asked;
    bool opens = true;
    DesktopServices::setUrlOpenerForTests([&](const QUrl &url) {
        asked << url;
        return opens;
    });
    const QString href = link->text().section(QLatin1Char('"'), 1, 1);
    Q_EMIT link->linkActivated(href);
    QCOMPARE(asked, QList<QUrl> {QUrl::fromLocalFile(out.path())});
    QVERIFY(done.findChild<QLabel *>(QStringLiteral("whereNote"))->isHidden());
    opens = false;
    for (const bool button : {false, true}) { // the link, or Open Folder: the sheet stays
        CompletionDialog sheet(report, out.path(), nullptr);
        sheet.show();
        if (button)
            sheet.openButton()->click();
        else
            Q_EMIT sheet.folderLink()->linkActivated(href);
        auto *where = sheet.findChild<QLabel *>(QStringLiteral("whereNote"));
        QVERIFY(sheet.isVisible() && !where->isHidden());
        QVERIFY(where->text().contains(out.path()));
    }
    DesktopServices::setUrlOpenerForTests([](const QUrl &url) { return QDesktopServices::openUrl(url); });

    // Nothing written: no folder to point at.
    for (FileResult &file : report.files)
        file.status = FileStatus::Failed;
    CompletionDialog failed(report, out.path(), nullptr);
    QVERIFY(failed.folderLink()->isHidden());
}

// "Save Report…" opens a window-modal save dialog at the output folder; the file chosen holds the
// core's report lines, one per input and the summary, and the sheet says where it went.
void TestSheets::completionSavesTheReport()
{
    QTemporaryDir out;
    ConversionReport report;
    report.files.resize(2);
    report.files[0].input = QStringLiteral("/in/a.jpg");
    report.files[0].status = FileStatus::Written;
    report.files[0].output = out.filePath(QStringLiteral("a.jpg"));
    report.files[0].bytes = 1234;
    report.files[1].index = 1;
    report.files[1].input = QStringLiteral("/in/b.jpg");
    report.files[1].status = FileStatus::Failed;
    report.files[1].failure = Failure(FailureReason::Missing);
    CompletionDialog done(report, out.path(), nullptr);
    done.show();
    done.saveReportButton()->click();
    auto *dialog = done.findChild<QFileDialog *>(QStringLiteral("reportDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(QDir(dialog->directory()).absolutePath(), QDir(out.path()).absolutePath());
    const QString path = out.filePath(QStringLiteral("run.jsonl"));
    Q_EMIT dialog->fileSelected(path);
    dialog->reject();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    const QJsonObject first = QJsonDocument::fromJson(lines.at(0)).object();
    QCOMPARE(first.value(QStringLiteral("status")).toString(), QStringLiteral("written"));
    QCOMPARE(first.value(QStringLiteral("bytes")).toInt(), 1234);
    QCOMPARE(QJsonDocument::fromJson(lines.at(1)).object().value(QStringLiteral("reason")).toString(),
             QStringLiteral("missing"));
    QCOMPARE(QJsonDocument::fromJson(lines.at(2)).object().value(QStringLiteral("type")).toString(),
             QStringLiteral("summary"));
    auto *where = done.findChild<QLabel *>(QStringLiteral("whereNote"));
    QVERIFY(!where->isHidden());
    QVERIFY(where->text().contains(path));
    // A folder that is not there is said, not a silent loss.
    QVERIFY(done.saveReport(out.filePath(QStringLiteral("gone/run.jsonl"))).failed());
    QVERIFY(where->text().startsWith(QStringLiteral("The report could not be saved")));
}

void TestSheets::chooserMakesAndTakesNewFolders()
{
    QTemporaryDir base;
    QDir(base.path()).mkdir(QStringLiteral("existing"));
    OutputFolderDialog chooser(base.path(), nullptr);
    // Qt's own dialog, whatever the desktop offers, in folder mode, with its new-folder button.
    QVERIFY(chooser.testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(chooser.fileMode(), QFileDialog::Directory);
    QCOMPARE(chooser.directory().absolutePath(), QDir(base.path()).absolutePath());
    chooser.show();
    QVERIFY(chooser.newFolderButton());
    QVERIFY(chooser.newFolderButton()->isVisible() && chooser.newFolderButton()->isEnabled());
    chooser.newFolderButton()->click();
    QTRY_VERIFY(QFileInfo(base.filePath(QStringLiteral("New Folder"))).isDir());

    // A typed name of a folder not there yet is taken (made later, by Convert), with Enter.
    chooser.nameField()->setFocus();
    chooser.nameField()->setText(QStringLiteral("Alps web"));
    QTRY_VERIFY(chooser.chooseButton()->isEnabled());
    QTest::keyClick(chooser.nameField(), Qt::Key_Return);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.chosenFolder(), base.filePath(QStringLiteral("Alps web")));
    QVERIFY(!QFileInfo::exists(chooser.chosenFolder()));

    // An existing folder typed in is that folder.
    OutputFolderDialog again(base.path(), nullptr);
    again.show();
    again.nameField()->setText(QStringLiteral("existing"));
    QTRY_VERIFY(again.chooseButton()->isEnabled());
    again.chooseButton()->click();
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(again.chosenFolder(), base.filePath(QStringLiteral("existing")));

    // A remembered folder still to be made stands typed in, in its parent.
    OutputFolderDialog pending(base.filePath(QStringLiteral("later")), nullptr);
    QCOMPARE(pending.directory().absolutePath(), QDir(base.path()).absolutePath());
    QCOMPARE(pending.nameField()->text(), QStringLiteral("later"));
}

void TestSheets::chooserOpensWhereTheUserMayWrite()
{
    QTemporaryDir base;
    // The folder itself; for one still to be made, its nearest parent that is there.
    QCOMPARE(OutputFolderDialog::startFolder(base.path()), base.path());
    QCOMPARE(OutputFolderDialog::startFolder(base.filePath(QStringLiteral("a/b/c"))), base.path());
    // No folder yet: Pictures, else home, never the working folder the program was started in.
    const QString first = OutputFolderDialog::startFolder(QString());
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QVERIFY2(first == QDir::homePath() || first == pictures, qPrintable(first));
    QVERIFY(QFileInfo(first).isDir() && QFileInfo(first).isWritable());
}

QTEST_MAIN(TestSheets)
#include "tst_sheets.moc"
