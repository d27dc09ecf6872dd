// The large preview: arrow keys step whatever child has the focus, the caption names the output
// and its size, and Fit lands on the same size every time.
#include "TestImages.h"
#include "browser/ImageListModel.h"
#include "preview/LargePreview.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QtTest>

class TestLargePreview : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void arrowKeysStep_data();
    void arrowKeysStep();
    void captionNamesTheOutput();
    void fitIsTheSameAfterActualSize();

private:
    QTemporaryDir m_dir;
    QStringList m_paths;
};

void TestLargePreview::initTestCase()
{
    for (int i = 0; i < 3; ++i) {
        m_paths << m_dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
        TestImages::writeWithQt(TestImages::quadrants(2400, 1600), m_paths.last(), "jpeg", 80);
    }
}

void TestLargePreview::arrowKeysStep_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("the dialog") << QString();
    QTest::newRow("the scroll area") << QStringLiteral("scroll");
    QTest::newRow("the picture") << QStringLiteral("picture");
    QTest::newRow("a text field") << QStringLiteral("field");
}

void TestLargePreview::arrowKeysStep()
{
    QFETCH(QString, focus);
    ImageListModel list;
    list.addChosen(m_paths);
    LargePreview preview(
        &list, [] { return ConversionOptions(); }, nullptr);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    preview.showRow(1);
    auto *scroll = preview.findChild<QScrollArea *>();
    QVERIFY(scroll);
    QWidget *target = &preview;
    if (focus == QLatin1String("scroll"))
        target = scroll;
    else if (focus == QLatin1String("picture"))
        target = scroll->widget();
    else if (focus == QLatin1String("field"))
        target = new QLineEdit(QStringLiteral("text"), &preview);
    target->show();
    target->setFocusPolicy(Qt::StrongFocus);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    // A text field keeps its arrow keys for its cursor.
    const bool steps = focus != QLatin1String("field");
    QTest::keyClick(target, Qt::Key_Right);
    QCOMPARE(preview.row(), steps ? 2 : 1);
    QTest::keyClick(target, Qt::Key_Right); // the last stays
    QCOMPARE(preview.row(), steps ? 2 : 1);
    QTest::keyClick(target, Qt::Key_Left);
    QCOMPARE(preview.row(), steps ? 1 : 1);
    QTest::keyClick(target, Qt::Key_Up);
    QCOMPARE(preview.row(), steps ? 0 : 1);
}

void TestLargePreview::captionNamesTheOutput()
{
    ImageListModel list;
    list.addChosen(m_paths);
    ConversionOptions options;
    options.naming = NamingMode::NewName;
    options.title = QStringLiteral("Alps2024");
    options.format = OutputFormat::Png;
    options.resize = ResizeMode::Width;
    options.resizeTo = 1500;
    LargePreview preview(
        &list, [&] { return options; }, nullptr);
    preview.show();
    QSignalSpy rendered(&preview, &LargePreview::rendered);
    preview.showRow(1);
    QVERIFY(rendered.wait(20000));
    QCOMPARE(preview.caption(), QStringLiteral("Alps20242.png — 1500 × 1000 px — Fit"));
    // At 100 % the picture is the output's pixels, one to a device pixel.
    QTest::keyClick(&preview, Qt::Key_1);
    QVERIFY(rendered.wait(20000));
    QCOMPARE(preview.caption(), QStringLiteral("Alps20242.png — 1500 × 1000 px — 100 % — output pixels"));
    QCOMPARE(preview.shownImage().size(), QSize(1500, 1000));
    const QLabel *picture = qobject_cast<QLabel *>(preview.findChild<QScrollArea *>()->widget());
    QCOMPARE(picture->size() * preview.devicePixelRatioF(), QSize(1500, 1000));
}

void TestLargePreview::fitIsTheSameAfterActualSize()
{
    ImageListModel list;
    list.addChosen(m_paths);
    LargePreview preview(
        &list, [] { return ConversionOptions(); }, nullptr);
    preview.resize(1000, 720);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QSignalSpy rendered(&preview, &LargePreview::rendered);
    preview.showRow(0);
    QVERIFY(rendered.wait(20000));
    const QLabel *picture = qobject_cast<QLabel *>(preview.findChild<QScrollArea *>()->widget());
    const QSize fitted = picture->size();
    const QSize fittedPixels = preview.shownImage().size();
    QVERIFY(fitted.width() > 500);
    // 100 %: larger than the window, with scroll bars; back to Fit: the same size as before.
    QTest::keyClick(&preview, Qt::Key_1);
    QVERIFY(rendered.wait(20000));
    QCOMPARE(preview.shownImage().size(), QSize(2400, 1600));
    QTest::keyClick(&preview, Qt::Key_F);
    QVERIFY(rendered.wait(20000));
    QCOMPARE(picture->size(), fitted);
    QCOMPARE(preview.shownImage().size(), fittedPixels);
}

QTEST_MAIN(TestLargePreview)
#include "tst_largepreview.moc"
