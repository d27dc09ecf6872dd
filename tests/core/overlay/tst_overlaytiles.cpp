#include "TestImages.h"
#include "options/ConversionOptions.h"
#include "overlay/CopyrightOverlay.h"
#include "overlay/LogoOverlay.h"
#include "overlay/OverlayBands.h"
#include "overlay/OverlayCanvas.h"
#include "overlay/OverlayComposer.h"
#include "overlay/WatermarkOverlay.h"
#include "pipeline/RenderFile.h"

#include <QDir>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

namespace {

// The overlays drawn by a painter on the three-byte canvas itself: what every full-size output
// held before tiles, the reference the tiles must match byte for byte.
QImage paintedInPlace(QImage canvas, bool resized, const ConversionOptions &options)
{
    const OverlayCanvas layout {canvas.width(), canvas.height(), resized};
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (options.copyright.active())
        drawCopyrightLines(painter, layout, options);
    if (options.logo.active())
        drawLogo(painter, layout, options);
    if (options.watermark.active())
        drawWatermark(painter, layout, options);
    painter.end();
    return canvas;
}

// Noise in every channel: any blend that rounds differently shows.
QImage noise(QSize size, quint32 seed)
{
    QImage image(size, QImage::Format_RGB888);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y)
        random.fillRange(reinterpret_cast<quint32 *>(image.scanLine(y)), image.width() * 3 / 4);
    return image;
}

// A logo with soft edges and a transparent hole, as logos are drawn.
QImage softLogo(QSize size)
{
    QImage logo(size, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(32, 64, 128, 200));
    painter.setPen(QPen(QColor(250, 240, 10), size.width() / 20.0));
    painter.drawRoundedRect(QRectF(QPointF(0, 0), size).adjusted(3, 3, -3, -3), 20, 20);
    painter.setBrush(Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawEllipse(QRectF(QPointF(0, 0), size).adjusted(size.width() / 3, 8, -size.width() / 3, -8));
    return logo;
}

QString firstDifference(const QImage &actual, const QImage &expected)
{
    for (int y = 0; y < actual.height(); ++y) {
        if (std::memcmp(actual.constScanLine(y), expected.constScanLine(y), size_t(actual.width()) * 3) == 0)
            continue;
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
        }
    }
    return QString();
}

} // namespace

class TestOverlayTiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameAsInPlace_data();
    void sameAsInPlace();
    void turnedPhotoThroughThePipeline_data();
    void turnedPhotoThroughThePipeline();
};

void TestOverlayTiles::sameAsInPlace_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("photo"); // empty: noise
    QTest::addColumn<bool>("resized");
    QTest::addColumn<int>("lines"); // LinePattern, 0 for none
    QTest::addColumn<float>("linesOpacity");
    QTest::addColumn<int>("logo");     // Placement 0-4, -1 for none
    QTest::addColumn<int>("logoSize"); // LogoSize
    QTest::addColumn<float>("logoOpacity");
    QTest::addColumn<int>("text");     // Placement 0-6, -1 for none
    QTest::addColumn<int>("textSize"); // TextSize
    QTest::addColumn<float>("textOpacity");
    QTest::addColumn<QString>("words");

    const QString plain = QStringLiteral("(c) 2024 Pressmark Bench");
    const QString accented = QStringLiteral("Ågjy Çé ſ ∫ — ½ «fü»");
    const QSize wide(3000, 2000), portrait(2000, 3000);
    QTest::newRow("diagonal lines alone")
        << wide << "" << false << 1 << 0.25f << -1 << 1 << 1.0f << -1 << 1 << 1.0f << plain;
    QTest::newRow("diagonal, resized layout")
        << QSize(2999, 1999) << "" << true << 1 << 0.6f << -1 << 1 << 1.0f << -1 << 1 << 1.0f << plain;
    QTest::newRow("centre cross, opaque")
        << wide << "" << false << 2 << 1.0f << -1 << 1 << 1.0f << -1 << 1 << 1.0f << plain;
    QTest::newRow("horizontal pairs")
        << portrait << "" << false << 3 << 0.5f << -1 << 1 << 1.0f << -1 << 1 << 1.0f << plain;
    QTest::newRow("vertical pairs") << wide << "" << true << 4 << 0.33f << -1 << 1 << 1.0f << -1 << 1 << 1.0f
                                    << plain;
    QTest::newRow("logo top left") << wide << "" << false << 0 << 0.0f << 0 << 0 << 0.8f << -1 << 1 << 1.0f
                                   << plain;
    QTest::newRow("logo top right, third")
        << portrait << "" << false << 0 << 0.0f << 1 << 2 << 0.5f << -1 << 1 << 1.0f << plain;
    QTest::newRow("logo bottom left, opaque")
        << QSize(1501, 999) << "" << true << 0 << 0.0f << 2 << 1 << 1.0f << -1 << 1 << 1.0f << plain;
    QTest::newRow("logo bottom right, faint")
        << wide << "" << false << 0 << 0.0f << 3 << 0 << 0.1f << -1 << 1 << 1.0f << plain;
    QTest::newRow("logo centre") << QSize(997, 1503) << "" << false << 0 << 0.0f << 4 << 2 << 0.75f << -1 << 1
                                 << 1.0f << plain;
    QTest::newRow("text small (cached glyphs)")
        << wide << "" << false << 0 << 0.0f << -1 << 1 << 1.0f << 3 << 0 << 0.6f << plain;
    QTest::newRow("text huge (outlines)")
        << wide << "" << false << 0 << 0.0f << -1 << 1 << 1.0f << 4 << 3 << 0.6f << accented;
    QTest::newRow("text top left, opaque")
        << portrait << "" << true << 0 << 0.0f << -1 << 1 << 1.0f << 0 << 1 << 1.0f << accented;
    QTest::newRow("text centre top") << wide << "" << false << 0 << 0.0f << -1 << 1 << 1.0f << 5 << 2 << 0.35f
                                     << plain;
    QTest::newRow("text centre bottom, past the edges")
        << QSize(640, 480) << "" << false << 0 << 0.0f << -1 << 1 << 1.0f << 6 << 3 << 0.9f << accented;
    QTest::newRow("all three") << wide << "" << false << 1 << 0.25f << 1 << 1 << 0.8f << 3 << 1 << 0.6f
                               << plain;
    QTest::newRow("all three, overlapping at the centre")
        << QSize(2400, 1600) << "" << true << 2 << 0.5f << 4 << 2 << 0.7f << 4 << 2 << 0.5f << accented;
    QTest::newRow("all three, portrait")
        << portrait << "" << false << 1 << 0.9f << 2 << 0 << 0.4f << 1 << 0 << 0.8f << plain;
    QTest::newRow("all three, panorama")
        << QSize(7000, 900) << "" << false << 1 << 0.5f << 3 << 2 << 0.8f << 6 << 2 << 0.6f << plain;
    QTest::newRow("all three, tiny") << QSize(61, 41) << "" << false << 1 << 1.0f << 4 << 1 << 0.8f << 3 << 3
                                     << 0.6f << plain;
    // Qt takes glyphs up to 64 pixels from its cache and fills larger ones as outlines.
    QTest::newRow("text of 64 pixels")
        << QSize(5120, 300) << "" << false << 0 << 0.0f << -1 << 1 << 1.0f << 4 << 0 << 0.7f << accented;
    QTest::newRow("text of 65 pixels")
        << QSize(5200, 300) << "" << false << 0 << 0.0f << -1 << 1 << 1.0f << 4 << 0 << 0.7f << accented;
    QTest::newRow("outlined text past both edges") << QSize(1000, 700) << "" << true << 0 << 0.0f << -1 << 1
                                                   << 1.0f << 4 << 3 << 0.8f << accented + accented;
    QTest::newRow("lines and text, no opacity")
        << wide << "" << false << 1 << 0.0f << -1 << 1 << 1.0f << 3 << 1 << 0.0f << plain;
    // Real photographs, full size, as the bench draws on them.
    const QDir backgrounds(QStringLiteral("/usr/share/backgrounds"));
    int n = 0;
    for (const QString &name : backgrounds.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name)) {
        QTest::newRow(qPrintable(QStringLiteral("photo %1").arg(name)))
            << QSize() << backgrounds.filePath(name) << (n % 2 == 1) << 1 + n % 4 << 0.25f + 0.2f * n << n % 5
            << n % 3 << 0.8f << 3 + n % 4 << 1 + n % 3 << 0.6f << (n % 2 ? accented : plain);
        ++n;
    }
    if (n == 0)
        QTest::newRow("photos") << QSize() << "none" << false << 0 << 0.0f << -1 << 1 << 1.0f << -1 << 1
                                << 1.0f << plain;
}

void TestOverlayTiles::sameAsInPlace()
{
    QFETCH(QSize, size);
    QFETCH(QString, photo);
    QFETCH(bool, resized);
    QFETCH(int, lines);
    QFETCH(float, linesOpacity);
    QFETCH(int, logo);
    QFETCH(int, logoSize);
    QFETCH(float, logoOpacity);
    QFETCH(int, text);
    QFETCH(int, textSize);
    QFETCH(float, textOpacity);
    QFETCH(QString, words);

    if (photo == QLatin1String("none"))
        QSKIP("no photographs in /usr/share/backgrounds (lomiri-wallpapers-20.04)");
    const QImage picture = photo.isEmpty() ? noise(size, quint32(size.width() * 31 + lines))
                                           : QImage(photo).convertToFormat(QImage::Format_RGB888);
    QVERIFY(!picture.isNull());
    ConversionOptions o;
    o.copyright.enabled = lines > 0;
    o.copyright.pattern = LinePattern(lines);
    o.copyright.color = QColor(240, 250, 255);
    o.copyright.opacity = linesOpacity;
    o.logo.enabled = logo >= 0;
    o.logo.picture = softLogo(QSize(600, 300));
    o.logo.position = Placement(qMax(0, logo));
    o.logo.size = LogoSize(logoSize);
    o.logo.opacity = logoOpacity;
    o.watermark.enabled = text >= 0;
    o.watermark.text = words;
    o.watermark.fontFamily = QStringLiteral("DejaVu Sans");
    o.watermark.position = Placement(qMax(0, text));
    o.watermark.size = TextSize(textSize);
    o.watermark.color = QColor(255, 60, 20);
    o.watermark.opacity = textOpacity;

    const QImage expected = paintedInPlace(picture, resized, o);
    const QImage tiled = composeOverlayCanvas(picture.copy(), picture.size(), resized, o);
    QCOMPARE(tiled.format(), QImage::Format_RGB888);
    QCOMPARE(tiled.size(), expected.size());
    const QString difference = firstDifference(tiled, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    // Stamped as the rows come, in uneven bands, on memory that held another picture: each row is
    // the whole canvas's as soon as it is said to be final, and no row is touched before it has
    // come or after it was let go.
    QImage canvas = noise(picture.size(), 99);
    OverlayBands bands(OverlayCanvas {picture.width(), picture.height(), resized}, o);
    QVERIFY(bands.isValid());
    const size_t rowBytes = size_t(picture.width()) * 3;
    int in = 0, final = 0;
    QString outside;
    const CanvasRows rows {
        canvas.width(), canvas.height(), [&](int y) {
            if ((y < final || y >= in) && outside.isEmpty())
                outside = QStringLiteral("row %1 with rows %2 to %3 held").arg(y).arg(final).arg(in);
            return canvas.scanLine(y);
        }};
    for (int step = 1; in < picture.height(); step = step * 5 % 67 + 1) {
        for (const int end = std::min(picture.height(), in + step); in < end; ++in)
            std::memcpy(canvas.scanLine(in), picture.constScanLine(in), rowBytes);
        QVERIFY(in - final <= bands.rowsHeldAtMost(67)); // the most held, as said before
        const int now = bands.rowsIn(rows, in);
        QVERIFY2(outside.isEmpty(), qPrintable(outside));
        QVERIFY(now >= final && now <= in);
        for (; final < now; ++final)
            QVERIFY2(std::memcmp(canvas.constScanLine(final), expected.constScanLine(final), rowBytes) == 0,
                     qPrintable(QStringLiteral("row %1, final with %2 rows in").arg(final).arg(in)));
    }
    QCOMPARE(final, picture.height());
}

void TestOverlayTiles::turnedPhotoThroughThePipeline_data()
{
    QTest::addColumn<int>("orientation");
    QTest::newRow("upright") << 1;
    QTest::newRow("turned half") << 3;
    QTest::newRow("turned right") << 6;
    QTest::newRow("turned left") << 8;
}

// A full-size JPEG, turned by its EXIF tag, converted with all three overlays: the output is the
// upright picture with the overlays painted on it in place.
void TestOverlayTiles::turnedPhotoThroughThePipeline()
{
    QFETCH(int, orientation);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    TestImages::writeWithQt(noise(QSize(1600, 1000), 7).convertToFormat(QImage::Format_RGB32), path, "jpeg",
                            92);
    TestImages::setExif(path, {{"Exif.Image.Orientation", QString::number(orientation)}});
    ConversionOptions plain;
    const PipelineResult upright = convertFile(path, plain);
    QVERIFY(upright.ok());
    QCOMPARE(upright.image.format(), QImage::Format_RGB888);
    ConversionOptions o;
    o.copyright.enabled = true;
    o.copyright.pattern = orientation % 2 ? LinePattern::VerticalPairs : LinePattern::CenterCross;
    o.copyright.opacity = 0.4f;
    o.logo.enabled = true;
    o.logo.picture = softLogo(QSize(400, 400));
    o.logo.position = Placement(orientation % 5);
    o.logo.opacity = 0.7f;
    o.watermark.enabled = true;
    o.watermark.text = QStringLiteral("(c) 2024 Ågjy");
    o.watermark.fontFamily = QStringLiteral("DejaVu Sans");
    o.watermark.size = TextSize::Huge;
    o.watermark.opacity = 0.5f;
    const PipelineResult stamped = convertFile(path, o);
    QVERIFY(stamped.ok());
    const QImage expected = paintedInPlace(upright.image, false, o);
    QCOMPARE(stamped.image.size(), expected.size());
    const QString difference = firstDifference(stamped.image, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(TestOverlayTiles)
#include "tst_overlaytiles.moc"
