#include "options/ConversionOptions.h"
#include "transform/TargetSize.h"

#include <QtTest>

class TestOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sizeFields_data();
    void sizeFields();
    void leadingInteger_data();
    void leadingInteger();
    void divisorTables();
    void divisorsKeepTheirValueWhileOff();
    void logoSizeFromTheWell();
    void qualityPercent();
    void targetSize_data();
    void targetSize();
};

void TestOptions::sizeFields_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<bool>("widthMode");
    QTest::addColumn<int>("fieldWidth");
    QTest::addColumn<int>("fieldHeight");
    QTest::addColumn<bool>("resize");

    QTest::newRow("width 800") << "800"
                               << "" << true << 800 << 0 << true;
    QTest::newRow("height 600") << ""
                                << "600" << false << 0 << 600 << true;
    QTest::newRow("width 0") << "0"
                             << "" << true << 0 << 0 << false;
    QTest::newRow("both empty") << ""
                                << "" << false << 0 << 0 << false;
    QTest::newRow("width wins over height") << "800"
                                            << "600" << true << 800 << 0 << true;
    QTest::newRow("letters read as 0") << "abc"
                                       << "" << true << 0 << 0 << false;
    QTest::newRow("leading digits") << "640px"
                                    << "" << true << 640 << 0 << true;
}

void TestOptions::sizeFields()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    OptionControls controls;
    controls.widthText = width;
    controls.heightText = height;
    const ConversionOptions o = ConversionOptions::fromControls(controls);
    QTEST(o.numberIsInWidthTextField, "widthMode");
    QTEST(int(o.textFieldWidth), "fieldWidth");
    QTEST(int(o.textFieldHeight), "fieldHeight");
    QTEST(o.changeImageSize, "resize");
}

void TestOptions::leadingInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "1500" << 1500;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("spaces then digits") << "  42" << 42;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("trailing text") << "12abc" << 12;
    QTest::newRow("no digits") << "x12" << 0;
    QTest::newRow("overflow clamps") << "99999999999" << 2147483647;
}

void TestOptions::leadingInteger()
{
    QFETCH(QString, text);
    QTEST(int(::leadingInteger(text)), "value");
}

void TestOptions::divisorTables()
{
    OptionControls controls;
    controls.enableLogoState = 1;
    controls.logoImage = QImage(10, 10, QImage::Format_ARGB32);
    controls.enableWatermarkState = 1;
    controls.watermarkText = QStringLiteral("(c) Ann");
    const int logo[] = {5, 4, 3};
    for (int i = 0; i < 3; ++i) {
        controls.logoSizeIndex = i;
        QCOMPARE(ConversionOptions::fromControls(controls).divisionTimes, logo[i]);
    }
    const int watermark[] = {80, 40, 20, 10};
    for (int i = 0; i < 4; ++i) {
        controls.watermarkSizeIndex = i;
        QCOMPARE(ConversionOptions::fromControls(controls).watermarkDivisionTimes, watermark[i]);
    }
}

void TestOptions::divisorsKeepTheirValueWhileOff()
{
    ConversionOptions previous;
    previous.divisionTimes = 4;
    previous.watermarkDivisionTimes = 20;
    OptionControls controls;
    controls.enableLogoState = 1; // but the well is empty
    controls.enableWatermarkState = 1;
    controls.watermarkText.clear(); // enabled with an empty text
    controls.logoSizeIndex = 2;
    controls.watermarkSizeIndex = 3;
    ConversionOptions o = ConversionOptions::fromControls(controls, previous);
    QCOMPARE(o.divisionTimes, 4);
    QCOMPARE(o.watermarkDivisionTimes, 20);
    QCOMPARE(o.logoImgWidth, 0);
    QVERIFY(!o.logoActive());
    QVERIFY(!o.watermarkActive());

    // An index outside the table keeps the previous value too.
    controls.logoImage = QImage(8, 8, QImage::Format_ARGB32);
    controls.logoSizeIndex = -1;
    controls.watermarkText = QStringLiteral("x");
    controls.watermarkSizeIndex = 7;
    o = ConversionOptions::fromControls(controls, previous);
    QCOMPARE(o.divisionTimes, 4);
    QCOMPARE(o.watermarkDivisionTimes, 20);
}

void TestOptions::logoSizeFromTheWell()
{
    OptionControls controls;
    controls.logoImage = QImage(750, 300, QImage::Format_ARGB32);
    QCOMPARE(ConversionOptions::fromControls(controls).logoImgWidth, 0); // logo off
    controls.enableLogoState = 1;
    const ConversionOptions o = ConversionOptions::fromControls(controls);
    QCOMPARE(o.logoImgWidth, 750);
    QCOMPARE(o.logoImgHeight, 300);
}

void TestOptions::qualityPercent()
{
    ConversionOptions o;
    o.jpegQuality = 0.85f;
    QCOMPARE(o.jpegQualityPercent(), 85);
    o.jpegQuality = 1.0f;
    QCOMPARE(o.jpegQualityPercent(), 100);
    o.jpegQuality = 1.7f;
    QCOMPARE(o.jpegQualityPercent(), 100);
    o.jpegQuality = -1.0f;
    QCOMPARE(o.jpegQualityPercent(), 0);
}

void TestOptions::targetSize_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("3000x2000 to width 1500") << QSize(3000, 2000) << "1500"
                                             << "" << QSize(1500, 1000);
    QTest::newRow("3000x2000 to height 1000") << QSize(3000, 2000) << ""
                                              << "1000" << QSize(1500, 1000);
    QTest::newRow("1001x667 to width 500") << QSize(1001, 667) << "500"
                                           << "" << QSize(500, 333);
    QTest::newRow("enlarging") << QSize(400, 300) << "1200"
                               << "" << QSize(1200, 900);
    QTest::newRow("half rounds away from zero") << QSize(4, 3) << "2"
                                                << "" << QSize(2, 2);
    QTest::newRow("no resize keeps the size") << QSize(640, 480) << ""
                                              << "" << QSize(640, 480);
    QTest::newRow("a side rounding to 0 is 1 pixel") << QSize(6000, 10) << "100"
                                                     << "" << QSize(100, 1);
    QTest::newRow("width 0 with a height: no resize") << QSize(640, 480) << "0"
                                                      << "300" << QSize(640, 480);
    QTest::newRow("negative width: no resize") << QSize(640, 480) << "-20"
                                               << "" << QSize(640, 480);
}

void TestOptions::targetSize()
{
    QFETCH(QSize, source);
    QFETCH(QString, width);
    QFETCH(QString, height);
    OptionControls controls;
    controls.widthText = width;
    controls.heightText = height;
    QTEST(::targetSize(source, ConversionOptions::fromControls(controls)), "expected");
}

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
