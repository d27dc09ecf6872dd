// What each entry of the grid says about its file: a broken file marked as soon as its thumbnail
// is read (a tile unlike a loading one, a red badge, the reason in its tooltip), what the last
// run made of it (a green tick or a red mark, the output or the reason), the tooltip's facts,
// Select Failed and Remove Converted, and names shortened so their end stays.
#include "MainWindow.h"
#include "TestImages.h"
#include "browser/BrowserCellDelegate.h"
#include "browser/BrowserModel.h"
#include "browser/ImageBrowserView.h"
#include "browser/ImageListModel.h"
#include "sections/OptionsPanel.h"
#include "sections/OutputControls.h"
#include "sheets/CompletionDialog.h"

#include <QAction>
#include <QComboBox>
#include <QPainter>
#include <QtTest>

class TestEntryMarks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void brokenFileIsMarkedAtOnce();
    void badgePixels_data();
    void badgePixels();
    void runOutcomesInTooltips();
    void selectFailedAndRemoveConverted();
    void namesKeepTheirEnd_data();
    void namesKeepTheirEnd();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // Asks for every entry's thumbnail and waits until all are read.
    static void readAll(BrowserModel *model);
    static QImage renderCell(BrowserModel *model, int row, int side, QRect *picture);
    QTemporaryDir m_dir;
};

void TestEntryMarks::initTestCase()
{
    QImage blue(120, 90, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(blue.save(file("blue.png")));
    TestImages::writeWithQt(TestImages::quadrants(600, 400), file("photo.jpg"), "jpeg", 90);
    TestImages::writeFile(file("x.jpg"), QByteArray());
    TestImages::writeFile(file("cut.jpg"), TestImages::readFile(file("photo.jpg")).left(500));
}

void TestEntryMarks::readAll(BrowserModel *model)
{
    for (int row = 0; row < model->rowCount(); ++row)
        model->data(model->index(row, 0), Qt::DecorationRole);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (int row = 0; row < model->rowCount(); ++row)
                if (model->data(model->index(row, 0), BrowserModel::LoadingRole).toBool())
                    return false;
            return true;
        }(),
        20000);
}

QImage TestEntryMarks::renderCell(BrowserModel *model, int row, int side, QRect *picture)
{
    BrowserCellDelegate delegate;
    QStyleOptionViewItem option;
    option.font = QFont();
    option.fontMetrics = QFontMetrics(option.font);
    option.decorationSize = QSize(side, side);
    option.rect = QRect(QPoint(0, 0), QSize(side + 2 * BrowserCellDelegate::kMargin,
                                            BrowserCellDelegate::cellHeight(side, option.fontMetrics)));
    QImage cell(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::black);
    QPainter painter(&cell);
    const QModelIndex index = model->index(row, 0);
    delegate.paint(&painter, option, index);
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    *picture = BrowserCellDelegate::pictureRect(BrowserCellDelegate::pictureArea(option.rect, side),
                                                icon.availableSizes().constFirst());
    return cell;
}

void TestEntryMarks::brokenFileIsMarkedAtOnce()
{
    ImageListModel list;
    BrowserModel model(&list);
    list.addOpened(file("photo.jpg"));
    list.addOpened(file("x.jpg"));
    list.addOpened(file("cut.jpg"));
    // Before the reading ends, every cell is a loading tile, without a badge.
    QVERIFY(model.data(model.index(1, 0), BrowserModel::LoadingRole).toBool());
    QCOMPARE(model.data(model.index(1, 0), BrowserModel::BadgeRole).toInt(), int(BrowserModel::Badge::None));
    const QIcon loading = model.data(model.index(1, 0), Qt::DecorationRole).value<QIcon>();
    readAll(&model);

    // The empty file: the core's own words for it, and a red mark; the cut one too.
    QCOMPARE(model.data(model.index(1, 0), BrowserModel::ReadFailureRole).toString(),
             QStringLiteral("unsupported or damaged image: the file is empty"));
    QCOMPARE(model.data(model.index(1, 0), Qt::ToolTipRole).toString(),
             QStringLiteral("%1\nUnreadable — unsupported or damaged image: the file is empty")
                 .arg(file("x.jpg")));
    QCOMPARE(model.data(model.index(1, 0), BrowserModel::BadgeRole).toInt(),
             int(BrowserModel::Badge::Failed));
    QVERIFY(
        model.data(model.index(2, 0), BrowserModel::ReadFailureRole).toString().startsWith("unsupported"));
    QCOMPARE(model.failedRows(), (QList<int> {1, 2}));

    // A readable one: its pixel size, bytes and format, and no badge.
    const QString facts = model.data(model.index(0, 0), Qt::ToolTipRole).toString();
    const QString bytes =
        QLocale().formattedDataSize(QFileInfo(file("photo.jpg")).size(), 1, QLocale::DataSizeSIFormat);
    QCOMPARE(facts, QStringLiteral("%1\n600 × 400 pixels · %2 · JPEG").arg(file("photo.jpg"), bytes));
    QCOMPARE(model.data(model.index(0, 0), BrowserModel::BadgeRole).toInt(), int(BrowserModel::Badge::None));

    // The broken tile is not the loading one: darker, with an edge.
    const QIcon broken = model.data(model.index(1, 0), Qt::DecorationRole).value<QIcon>();
    const QImage loadingTile = loading.pixmap(QSize(64, 48)).toImage();
    const QImage brokenTile = broken.pixmap(QSize(64, 48)).toImage();
    QVERIFY(qAlpha(loadingTile.pixel(32, 24)) < qAlpha(brokenTile.pixel(32, 24)));
    QVERIFY(qRed(loadingTile.pixel(32, 24)) != qRed(brokenTile.pixel(32, 24)) ||
            qAlpha(loadingTile.pixel(32, 24)) != qAlpha(brokenTile.pixel(32, 24)));
}

void TestEntryMarks::badgePixels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status"); // the last run's FileStatus
    QTest::addColumn<QColor>("probe");
    QTest::newRow("readable, no run") << "blue.png" << int(FileStatus::NotStarted) << QColor(Qt::blue);
    QTest::newRow("converted") << "blue.png" << int(FileStatus::Written)
                               << BrowserCellDelegate::convertedColor();
    QTest::newRow("failed") << "blue.png" << int(FileStatus::Failed) << BrowserCellDelegate::failedColor();
    QTest::newRow("broken") << "x.jpg" << int(FileStatus::NotStarted) << BrowserCellDelegate::failedColor();
}

void TestEntryMarks::badgePixels()
{
    QFETCH(QString, name);
    QFETCH(int, status);
    QFETCH(QColor, probe);
    ImageListModel list;
    BrowserModel model(&list);
    list.addOpened(file(name));
    readAll(&model);
    if (FileStatus(status) != FileStatus::NotStarted) {
        ConversionReport report;
        FileResult result;
        result.index = 0;
        result.input = file(name);
        result.status = FileStatus(status);
        result.output = QStringLiteral("/out/blue.jpg");
        result.failure = Failure(FailureReason::CannotWrite, QStringLiteral("Permission denied"));
        report.files << result;
        list.markOutcomes(report);
    }
    for (const int side : {64, 160, 256}) {
        QRect picture;
        const QImage cell = renderCell(&model, 0, side, &picture);
        const QRect badge = BrowserCellDelegate::badgeRect(picture, side);
        // On the picture's corner, within the cell: it covers only the corner of the preview.
        QVERIFY(badge.contains(QPoint(picture.right(), picture.top())));
        QVERIFY(QRect(QPoint(0, 0), cell.size()).contains(badge));
        const QRect covered = badge.intersected(picture);
        QVERIFY(covered.width() <= badge.width() / 2 + 1 && covered.height() <= badge.height() / 2 + 1);
        // In the badge's lower left (over the picture), clear of its rim and of the glyph.
        const QPoint at = badge.center() + QPoint(-badge.width() / 4, badge.height() / 4);
        const QColor shown = cell.pixelColor(at);
        QVERIFY2(qAbs(shown.red() - probe.red()) <= 8 && qAbs(shown.green() - probe.green()) <= 8 &&
                     qAbs(shown.blue() - probe.blue()) <= 8,
                 qPrintable(
                     QStringLiteral("side %1: %2 at (%3, %4), %5 expected")
                         .arg(side)
                         .arg(shown.name(), QString::number(at.x()), QString::number(at.y()), probe.name())));
        // The glyph is white at the badge's centre line for the "!" and on the tick's stroke.
        if (probe != QColor(Qt::blue)) {
            const QPoint glyph =
                FileStatus(status) == FileStatus::Written
                    ? badge.center() + QPoint(-badge.width() * 3 / 40, badge.height() * 3 / 20)
                    : badge.center() + QPoint(0, -badge.height() / 8);
            QVERIFY2(qGray(cell.pixel(glyph)) > 180, qPrintable(QStringLiteral("side %1: glyph").arg(side)));
        }
    }
}

void TestEntryMarks::runOutcomesInTooltips()
{
    ImageListModel list;
    list.addOpened(file("photo.jpg"));
    list.addOpened(file("blue.png"));
    list.addOpened(file("x.jpg"));
    list.addOpened(file("blue.png"));
    ConversionReport report;
    const auto result = [](int index, const QString &input, FileStatus status) {
        FileResult r;
        r.index = index;
        r.input = input;
        r.status = status;
        return r;
    };
    report.files << result(0, file("photo.jpg"), FileStatus::Written)
                 << result(1, file("blue.png"), FileStatus::Written)
                 << result(2, file("x.jpg"), FileStatus::Failed)
                 << result(3, file("blue.png"), FileStatus::Failed);
    report.files[0].output = QStringLiteral("/out/photo.jpg");
    report.files[0].notes << QStringLiteral("the ICC profile was left out");
    report.files[1].output = QStringLiteral("/out/blue.jpg");
    report.files[2].failure = Failure(FailureReason::Unsupported, QStringLiteral("the file is empty"));
    report.files[3].failure = Failure(FailureReason::Cancelled);
    // The list moved since the run started: marks follow the entries, by index and path.
    list.moveEntries({0}, 4);
    list.markOutcomes(report);
    const auto text = [&](int row) {
        return list.index(row).data(ImageListModel::OutcomeTextRole).toString();
    };
    QCOMPARE(text(3), QStringLiteral("Converted: /out/photo.jpg\nNote: the ICC profile was left out"));
    QCOMPARE(text(0), QStringLiteral("Converted: /out/blue.jpg"));
    QCOMPARE(text(1), QStringLiteral("Not converted: unsupported or damaged image: the file is empty"));
    QCOMPARE(text(2), QString()); // stopped by a cancel: no mark
    QCOMPARE(list.rowsWith(FileStatus::Written), (QList<int> {0, 3}));
    QCOMPARE(list.rowsWith(FileStatus::Failed), QList<int> {1});
    // The browser's tooltip: the path, then the run.
    BrowserModel model(&list);
    QCOMPARE(model.data(model.index(3, 0), Qt::ToolTipRole).toString(),
             QStringLiteral("%1\nConverted: /out/photo.jpg\nNote: the ICC profile was left out")
                 .arg(file("photo.jpg")));
    list.clearOutcomes();
    QVERIFY(!list.hasOutcomes());
    QCOMPARE(text(3), QString());
}

void TestEntryMarks::selectFailedAndRemoveConverted()
{
    // A run where one file is removed before Convert and one is empty: two converted, two failed.
    QTemporaryDir out;
    QFile::copy(file("photo.jpg"), file("doomed.jpg"));
    MainWindow window;
    window.resize(1000, 700);
    window.show();
    window.openFiles({file("photo.jpg"), file("doomed.jpg"), file("x.jpg"), file("blue.png")});
    BrowserModel *model = window.browserModel();
    readAll(model);
    QCOMPARE(model->failedRows(), QList<int> {2}); // the empty file, before any run
    QFile::remove(file("doomed.jpg"));
    window.setFolderChooser([&] { return out.path(); });
    window.convert(); // the chooser sets the output folder
    window.convert();
    QTRY_VERIFY_WITH_TIMEOUT(window.completionDialog(), 20000);
    const auto badge = [&](int row) {
        return BrowserModel::Badge(model->data(model->index(row, 0), BrowserModel::BadgeRole).toInt());
    };
    QCOMPARE(badge(0), BrowserModel::Badge::Converted);
    QCOMPARE(badge(1), BrowserModel::Badge::Failed);
    QCOMPARE(badge(2), BrowserModel::Badge::Failed);
    QCOMPARE(badge(3), BrowserModel::Badge::Converted); // the tooltips: runOutcomesInTooltips

    // Select Failed: the two failed entries, the first taking the preview.
    QVERIFY(window.selectFailedAction()->isEnabled());
    window.selectFailedAction()->trigger();
    QCOMPARE(window.browser()->selectedRows(), (QList<int> {1, 2}));
    QCOMPARE(window.imageList()->indexSelected(), 1);

    // Remove Converted, undone: the entries come back with their ticks.
    QVERIFY(window.removeConvertedAction()->isEnabled());
    window.removeConvertedAction()->trigger();
    QCOMPARE(window.imageList()->rowCount(), 2);
    QVERIFY(!window.removeConvertedAction()->isEnabled());
    window.imageList()->undo();
    QCOMPARE(window.imageList()->rowCount(), 4);
    QCOMPARE(badge(0), BrowserModel::Badge::Converted);

    // The marks belong to the run's options: another format takes them away; the broken file's
    // mark stays, as it is the file's own.
    QComboBox *format = window.options()->output()->formatPopup;
    format->setCurrentIndex(1);
    QTRY_COMPARE(badge(0), BrowserModel::Badge::None);
    QCOMPARE(badge(1), BrowserModel::Badge::None);
    QCOMPARE(badge(2), BrowserModel::Badge::Failed);
    QVERIFY(!window.removeConvertedAction()->isEnabled());
}

void TestEntryMarks::namesKeepTheirEnd_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("end"); // what the shortened name ends with
    // The smallest cell's room for a name, and a wider one.
    const int smallest = 64 + 2 * BrowserCellDelegate::kMargin - 8 - 12;
    QTest::newRow("camera number, smallest") << "IMG_20240612_183045.jpg" << smallest << "45.jpg";
    QTest::newRow("camera number") << "IMG_20240612_183045.jpg" << 120 << "183045.jpg";
    QTest::newRow("title and position") << "Alps2024 summer holiday 18.jpg" << smallest << "18.jpg";
    QTest::newRow("no number") << "a very long name without digits.png" << smallest << ".png";
}

void TestEntryMarks::namesKeepTheirEnd()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(QString, end);
    const QFontMetrics metrics {QFont()};
    const QString shown = BrowserCellDelegate::elidedName(name, metrics, width);
    QVERIFY(metrics.horizontalAdvance(shown) <= width);
    QVERIFY2(shown.endsWith(end), qPrintable(shown));
    QVERIFY(shown.contains(QChar(0x2026)));
    QCOMPARE(BrowserCellDelegate::elidedName(QStringLiteral("a.jpg"), metrics, width),
             QStringLiteral("a.jpg"));
}

QTEST_MAIN(TestEntryMarks)
#include "tst_entrymarks.moc"
