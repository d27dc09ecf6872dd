#include "TestImages.h"
#include "options/ConversionOptions.h"
#include "overlay/CopyrightOverlay.h"
#include "overlay/LogoOverlay.h"
#include "overlay/OverlayComposer.h"
#include "overlay/OverlayGeometry.h"
#include "overlay/WatermarkOverlay.h"
#include "pipeline/RenderFile.h"

#include <QFontMetricsF>
#include <QtTest>

namespace {

OverlayCanvas canvas(int w, int h, bool resized = false)
{
    return OverlayCanvas {w, h, resized};
}

QImage solid(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Options with only the named overlays on, opaque, in plain colours.
ConversionOptions overlays(bool lines, bool logo, bool watermark)
{
    ConversionOptions o;
    o.copyright.enabled = lines;
    o.copyright.pattern = LinePattern::CenterCross;
    o.copyright.color = Qt::green;
    o.logo.enabled = logo;
    o.logo.picture = solid(50, 50, qRgb(255, 0, 0));
    o.logo.size = LogoSize::Quarter;
    o.logo.position = Placement::Center;
    o.watermark.enabled = watermark;
    o.watermark.text = QString(QChar(0x2588)); // a full block: covers its whole cell
    o.watermark.fontFamily = QStringLiteral("DejaVu Sans");
    o.watermark.size = TextSize::Huge;
    o.watermark.color = Qt::blue;
    o.watermark.position = Placement::Center;
    return o;
}

} // namespace

class TestOverlays : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void logoGeometry_data();
    void logoGeometry();
    void watermarkGeometry();
    void copyrightGeometry();
    void bottomUpToImageRows();
    void logoPixels_data();
    void logoPixels();
    void logoOpacityAndTransparency();
    void copyrightPixels();
    void watermarkStaysInItsRectangle();
    void drawingOrder();
    void packedRgbDrawnInPlace();
    void portraitPhotoWatermark();
    void previewLooksLikeTheOutput();
};

void TestOverlays::logoGeometry_data()
{
    QTest::addColumn<QSize>("canvasSize");
    QTest::addColumn<bool>("resized");
    QTest::addColumn<QSize>("logo");
    QTest::addColumn<int>("division");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("top left") << QSize(4000, 3000) << false << QSize(500, 500) << 4 << 0
                              << QRectF(40, 2210, 750, 750);
    QTest::newRow("bottom right") << QSize(4000, 3000) << false << QSize(500, 500) << 4 << 3
                                  << QRectF(3210, 40, 750, 750);
    QTest::newRow("top right") << QSize(4000, 3000) << false << QSize(500, 500) << 4 << 1
                               << QRectF(3210, 2210, 750, 750);
    QTest::newRow("centre, integer halves")
        << QSize(1001, 801) << false << QSize(500, 500) << 4 << 4 << QRectF(400, 300, 200, 200);
    QTest::newRow("centre, resized halves")
        << QSize(1001, 801) << true << QSize(500, 500) << 4 << 4 << QRectF(401, 301, 200, 200);
    QTest::newRow("wide logo keeps its size")
        << QSize(4000, 3000) << false << QSize(1000, 100) << 4 << 2 << QRectF(40, 40, 1000, 100);
    QTest::newRow("portrait margin from the width")
        << QSize(3000, 4000) << false << QSize(500, 500) << 4 << 0 << QRectF(30, 4000 - 750 - 30, 750, 750);
    QTest::newRow("third, truncated box")
        << QSize(1000, 1000) << false << QSize(2, 3) << 3 << 2 << QRectF(10, 10, 222, 333);
    QTest::newRow("third, exact box")
        << QSize(1000, 1000) << true << QSize(2, 3) << 3 << 2 << QRectF(10, 10, 222, 333);
    QTest::newRow("tag outside 0-4") << QSize(4000, 3000) << false << QSize(500, 500) << 4 << 5 << QRectF();
    QTest::newRow("logo without size") << QSize(4000, 3000) << false << QSize(0, 0) << 4 << 0 << QRectF();
}

void TestOverlays::logoGeometry()
{
    QFETCH(QSize, canvasSize);
    QFETCH(bool, resized);
    QFETCH(QSize, logo);
    QFETCH(int, division);
    QFETCH(int, tag);
    QTEST(logoRect(canvas(canvasSize.width(), canvasSize.height(), resized), logo.width(), logo.height(),
                   division, tag),
          "expected");
}

void TestOverlays::watermarkGeometry()
{
    const OverlayCanvas c = canvas(4000, 3000);
    QCOMPARE(watermarkFontSize(c, 40), 100);
    QCOMPARE(watermarkFontSize(c, 80), 50);
    QCOMPARE(watermarkFontSize(c, 10), 400);
    QCOMPARE(watermarkFontSize(canvas(1999, 100), 40), 49);
    QCOMPARE(watermarkFontSize(canvas(1999, 100, true), 40), 50);

    const QSizeF text(800, 120);
    QCOMPARE(watermarkRect(c, text, 1).topLeft(), QPointF(3160, 2840));
    QCOMPARE(watermarkRect(c, text, 4).topLeft(), QPointF(1600, 1440));
    QCOMPARE(watermarkRect(c, text, 6).topLeft(), QPointF(1600, 40));
    QCOMPARE(watermarkRect(c, text, 5).topLeft(), QPointF(1600, 2840));
    QCOMPARE(watermarkRect(c, text, 2).topLeft(), QPointF(40, 40));
    QCOMPARE(watermarkRect(c, text, 7), QRectF());
    QCOMPARE(watermarkRect(canvas(1001, 500), QSizeF(200, 20), 4).x(), 400.0);
    QCOMPARE(watermarkRect(canvas(1001, 500, true), QSizeF(200, 20), 4).x(), 401.0);
    QCOMPARE(watermarkRect(canvas(3000, 4000), text, 0).topLeft(), QPointF(30, 4000 - 120 - 30));
}

void TestOverlays::copyrightGeometry()
{
    const OverlayCanvas c = canvas(3000, 2000);
    QCOMPARE(copyrightLineWidth(c), 15.0f);
    QCOMPARE(copyrightGap(c), 60);
    const auto ys = [](const QVector<QLineF> &lines) {
        QList<qreal> v;
        for (const QLineF &l : lines)
            v << l.y1();
        return v;
    };
    const auto xs = [](const QVector<QLineF> &lines) {
        QList<qreal> v;
        for (const QLineF &l : lines)
            v << l.x1();
        return v;
    };
    QCOMPARE(ys(copyrightLines(c, 3)), (QList<qreal> {727, 607, 1393, 1273}));
    QCOMPARE(xs(copyrightLines(c, 4)), (QList<qreal> {1060, 940, 2060, 1940}));
    QCOMPARE(copyrightLines(c, 2),
             (QVector<QLineF> {QLineF(1500, 0, 1500, 2000), QLineF(0, 1000, 3000, 1000)}));
    QCOMPARE(copyrightLines(c, 1),
             (QVector<QLineF> {QLineF(0, 0, 2999.5, 1999.5), QLineF(0, 2000, 3000, 0)}));
    QVERIFY(copyrightLines(c, 5).isEmpty());
    QCOMPARE(copyrightLineWidth(canvas(2000, 3000)), 10.0f);
    QCOMPARE(copyrightGap(canvas(2000, 3000)), 40);
    QCOMPARE(copyrightLineWidth(canvas(99, 50)), 0.0f);
}

void TestOverlays::bottomUpToImageRows()
{
    // Logo tag 0 on a 4000 x 3000 canvas with a 750 x 750 logo: columns and rows 40-789.
    const QRect r = canvas(4000, 3000).toImage(QRectF(40, 2210, 750, 750)).toRect();
    QCOMPARE(r, QRect(40, 40, 750, 750));
    QCOMPARE(r.bottom(), 789);
}

void TestOverlays::logoPixels_data()
{
    QTest::addColumn<bool>("resized");
    QTest::addColumn<int>("firstColumn");
    QTest::newRow("source size: x = 500 - 100") << false << 400;
    QTest::newRow("resized: x = 500.5 - 100") << true << 401;
}

void TestOverlays::logoPixels()
{
    QFETCH(bool, resized);
    QFETCH(int, firstColumn);
    ConversionOptions o = overlays(false, true, false);
    o.logo.picture = solid(500, 500, qRgb(255, 0, 0));
    const QImage out = composeOverlayCanvas(solid(1001, 801, qRgb(0, 0, 0)), QSize(1001, 801), resized, o);
    // 200 x 200 logo; bottom-up y 300 (or 301) puts its top row at 801 - y - 200.
    const int top = 801 - (resized ? 301 : 300) - 200;
    QCOMPARE(out.pixel(firstColumn, top), qRgb(255, 0, 0));
    QCOMPARE(out.pixel(firstColumn + 199, top + 199), qRgb(255, 0, 0));
    QCOMPARE(out.pixel(firstColumn - 1, top + 100), qRgb(0, 0, 0));
    QCOMPARE(out.pixel(firstColumn + 200, top + 100), qRgb(0, 0, 0));
    QCOMPARE(out.pixel(firstColumn + 100, top - 1), qRgb(0, 0, 0));
    QCOMPARE(out.pixel(firstColumn + 100, top + 200), qRgb(0, 0, 0));
}

void TestOverlays::logoOpacityAndTransparency()
{
    ConversionOptions o = overlays(false, true, false);
    QImage logo(50, 50, QImage::Format_ARGB32);
    logo.fill(qRgba(255, 0, 0, 255));
    for (int y = 0; y < 50; ++y)
        for (int x = 25; x < 50; ++x)
            logo.setPixel(x, y, qRgba(0, 0, 0, 0)); // right half transparent
    o.logo.picture = logo;
    o.logo.position = Placement::TopLeft; // 75 x 75 at columns and rows 4-78 of a 400 x 300 canvas
    const QImage black = solid(400, 300, qRgb(0, 0, 0));
    QImage out = composeOverlayCanvas(black, black.size(), false, o);
    QCOMPARE(out.pixel(10, 40), qRgb(255, 0, 0));
    QCOMPARE(out.pixel(70, 40), qRgb(0, 0, 0)); // the logo's own transparency
    o.logo.opacity = 0.0f;
    PM_COMPARE_IMAGES(composeOverlayCanvas(black, black.size(), false, o), black, 0);
    o.logo.opacity = 0.5f;
    out = composeOverlayCanvas(black, black.size(), false, o);
    QVERIFY(qAbs(qRed(out.pixel(10, 40)) - 128) <= 1);
}

void TestOverlays::copyrightPixels()
{
    ConversionOptions c;
    c.copyright.enabled = true;
    c.copyright.color = QColor(255, 0, 0, 40); // the well's own alpha is replaced by the opacity
    const QImage black = solid(3000, 2000, qRgb(0, 0, 0));
    const QRgb red = qRgb(255, 0, 0), none = qRgb(0, 0, 0);

    c.copyright.pattern =
        LinePattern::HorizontalPairs; // horizontal lines at bottom-up y 727, 607, 1393, 1273, 15 wide
    QImage out = composeOverlayCanvas(black, black.size(), false, c);
    for (int y : {727, 607, 1393, 1273}) {
        QCOMPARE(out.pixel(0, 2000 - y), red);
        QCOMPARE(out.pixel(2999, 2000 - y + 6), red);
        QCOMPARE(out.pixel(1500, 2000 - y - 10), none);
        QCOMPARE(out.pixel(1500, 2000 - y + 10), none);
    }
    QCOMPARE(out.pixel(1500, 2000 - 667), none); // between the two lines of a pair

    c.copyright.pattern = LinePattern::VerticalPairs;
    out = composeOverlayCanvas(black, black.size(), false, c);
    for (int x : {1060, 940, 2060, 1940}) {
        QCOMPARE(out.pixel(x, 0), red);
        QCOMPARE(out.pixel(x - 10, 1000), none);
    }

    c.copyright.pattern = LinePattern::DiagonalCross;
    out = composeOverlayCanvas(black, black.size(), false, c);
    QCOMPARE(out.pixel(1500, 1000), red);  // where the diagonals cross
    QCOMPARE(out.pixel(750, 1500), red);   // on the rising diagonal: bottom-up (750, 500)
    QCOMPARE(out.pixel(1500, 1200), none); // off both

    c.copyright.opacity = 0.0f;
    PM_COMPARE_IMAGES(composeOverlayCanvas(black, black.size(), false, c), black, 0);

    // A canvas narrower than 100 pixels still gets a line, one pixel wide.
    c.copyright.opacity = 1.0f;
    c.copyright.pattern = LinePattern::CenterCross;
    const QImage small = solid(60, 40, qRgb(0, 0, 0));
    out = composeOverlayCanvas(small, small.size(), false, c);
    int reds = 0;
    for (int x = 0; x < 60; ++x)
        reds += out.pixel(x, 5) == red;
    QCOMPARE(reds, 1);
}

void TestOverlays::watermarkStaysInItsRectangle()
{
    // The text is measured with the font's metrics and drawn into that rectangle only.
    ConversionOptions o = overlays(false, false, true);
    o.watermark.text = QStringLiteral("Hg (c) 2024");
    o.watermark.position = Placement::BottomRight;
    const QImage black = solid(1200, 800, qRgb(0, 0, 0));
    const QImage out = composeOverlayCanvas(black, black.size(), false, o);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(120);
    const QFontMetricsF metrics(font);
    const OverlayCanvas c = canvas(1200, 800);
    const QRectF place = c.toImage(
        watermarkRect(c, QSizeF(metrics.horizontalAdvance(o.watermark.text), metrics.lineSpacing()), 3));
    QVERIFY(qAbs(place.right() - (1200 - 12)) <= 0.5); // a margin of 1 % of the width
    QVERIFY(qAbs(place.bottom() - (800 - 12)) <= 0.5);
    int inside = 0, outside = 0;
    for (int y = 0; y < 800; ++y) {
        for (int x = 0; x < 1200; ++x) {
            if (out.pixel(x, y) == qRgb(0, 0, 0))
                continue;
            if (place.adjusted(-1, -1, 1, 1).contains(x, y))
                ++inside;
            else
                ++outside;
        }
    }
    QVERIFY(inside > 1000);
    QCOMPARE(outside, 0);
}

void TestOverlays::drawingOrder()
{
    // Centre cross (green), centred logo (red), centred full block (blue): at the centre the
    // watermark lies over the logo, which lies over the lines.
    const QImage black = solid(400, 300, qRgb(0, 0, 0));
    const QPoint centre(200, 150);
    QCOMPARE(composeOverlayCanvas(black, black.size(), false, overlays(true, true, true)).pixel(centre),
             qRgb(0, 0, 255));
    QCOMPARE(composeOverlayCanvas(black, black.size(), false, overlays(true, true, false)).pixel(centre),
             qRgb(255, 0, 0));
    QCOMPARE(composeOverlayCanvas(black, black.size(), false, overlays(true, false, false)).pixel(centre),
             qRgb(0, 255, 0));
}

// A full-size decode comes in three bytes a pixel and is drawn on where it is: the same
// pixels as on a four-byte canvas, within a level of blending.
void TestOverlays::packedRgbDrawnInPlace()
{
    const QImage picture = TestImages::quadrants(400, 300);
    ConversionOptions o = overlays(true, true, true);
    o.watermark.opacity = 0.6;
    o.logo.opacity = 0.5;
    const QImage packed = composeOverlayCanvas(picture.convertToFormat(QImage::Format_RGB888), picture.size(),
                                               false, o);
    QCOMPARE(packed.format(), QImage::Format_RGB888);
    const QImage wide = composeOverlayCanvas(picture, picture.size(), false, o);
    QVERIFY(TestImages::psnr(wide, picture) < 30); // the overlays were drawn
    PM_COMPARE_IMAGES(packed.convertToFormat(QImage::Format_RGB32), wide, 1);
}

void TestOverlays::portraitPhotoWatermark()
{
    // A phone photo stored 400 x 300 and tagged 6 is 300 x 400 upright; its bottom-right
    // watermark is at the bottom right of the upright picture.
    QTemporaryDir dir;
    const QString path = dir.filePath("phone.jpg");
    TestImages::writeWithQt(solid(400, 300, qRgb(0, 0, 0)), path, "jpeg", 95);
    TestImages::setExif(path, {{"Exif.Image.Orientation", "6"}});
    ConversionOptions o = overlays(false, false, true);
    o.watermark.position = Placement::BottomRight;
    const PipelineResult result = convertFile(path, o);
    QCOMPARE(result.image.size(), QSize(300, 400));
    const auto blueIn = [&](const QRect &area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += qBlue(result.image.pixel(x, y)) > 200 && qRed(result.image.pixel(x, y)) < 60;
        return n;
    };
    QVERIFY(blueIn(QRect(200, 300, 100, 100)) > 200);
    QCOMPARE(blueIn(QRect(0, 0, 150, 300)), 0);
    QCOMPARE(blueIn(QRect(150, 0, 150, 250)), 0);
}

void TestOverlays::previewLooksLikeTheOutput()
{
    // A preview drawn from a reduced decode, its overlays scaled with it, against the output
    // scaled down afterwards.
    QTemporaryDir dir;
    const QString path = dir.filePath("photo.jpg");
    TestImages::writeWithQt(TestImages::quadrants(1600, 1200), path, "jpeg", 95);
    ConversionOptions o = overlays(true, true, true);
    o.copyright.pattern = LinePattern::DiagonalCross;
    o.logo.position = Placement::BottomRight;
    o.watermark.text = QStringLiteral("(c) Preview 2024");
    o.watermark.size = TextSize::Large;
    o.watermark.position = Placement::CenterTop;
    const QImage preview = previewFile(path, o, 400).image.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(preview.size(), QSize(400, 300));
    const QImage output = convertFile(path, o)
                              .image.convertToFormat(QImage::Format_RGB32)
                              .scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 difference = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            const QRgb a = preview.pixel(x, y), b = output.pixel(x, y);
            difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
        }
    QVERIFY2(difference / (400 * 300 * 3) < 3, qPrintable(QString::number(difference / (400.0 * 300 * 3))));
    // The logo sits in the same corner: bottom right, 1 % margin.
    QCOMPARE(preview.pixel(400 - 4 - 10, 300 - 3 - 10), qRgb(255, 0, 0));
}

QTEST_MAIN(TestOverlays)
#include "tst_overlays.moc"
