#include "TestImages.h"
#include "decode/ImageDecoder.h"
#include "options/ConversionOptions.h"
#include "pipeline/RenderFile.h"
#include "transform/Resample.h"
#include "transform/TargetSize.h"
#include "transform/Upright.h"

#include <QtTest>

namespace {

// The upright picture of a stored one, built pixel by pixel from the EXIF definitions:
// display (x, y) takes stored (sx, sy).
QImage expectedUpright(const QImage &s, int orientation)
{
    const int w = s.width(), h = s.height();
    const bool swap = orientation >= 5;
    QImage out(swap ? h : w, swap ? w : h, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int sx = x, sy = y;
            switch (orientation) {
            case 2:
                sx = w - 1 - x;
                break;
            case 3:
                sx = w - 1 - x;
                sy = h - 1 - y;
                break;
            case 4:
                sy = h - 1 - y;
                break;
            case 5:
                sx = y;
                sy = x;
                break;
            case 6:
                sx = y;
                sy = h - 1 - x;
                break;
            case 7:
                sx = w - 1 - y;
                sy = h - 1 - x;
                break;
            case 8:
                sx = w - 1 - y;
                sy = x;
                break;
            default:
                break;
            }
            out.setPixel(x, y, s.pixel(sx, sy));
        }
    }
    return out;
}

ConversionOptions widthOptions(int width)
{
    ConversionOptions options;
    options.resize = ResizeMode::Width;
    options.resizeTo = width;
    return options;
}

} // namespace

class TestGeometry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rotationIsExactForEveryDepth_data();
    void rotationIsExactForEveryDepth();
    void orientationStatedInXmp_data();
    void orientationStatedInXmp();
    void jpegTurnedWhileDecoded_data();
    void jpegTurnedWhileDecoded();
    void sideBeyondTheOutputFormat();
    void jpegReducedThroughTheResampler();
    void untouchedWithoutResize();
    void targetSizeByMode_data();
    void targetSizeByMode();
    void palettePicturesAreReducedInTrueColour();
};

void TestGeometry::rotationIsExactForEveryDepth_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("RGB32") << int(QImage::Format_RGB32);
    QTest::newRow("ARGB32") << int(QImage::Format_ARGB32);
    QTest::newRow("Grayscale8") << int(QImage::Format_Grayscale8);
    QTest::newRow("Grayscale16") << int(QImage::Format_Grayscale16);
    QTest::newRow("RGBA64") << int(QImage::Format_RGBA64);
    QTest::newRow("RGB888") << int(QImage::Format_RGB888);
    QTest::newRow("Indexed8") << int(QImage::Format_Indexed8);
}

void TestGeometry::rotationIsExactForEveryDepth()
{
    QFETCH(int, format);
    const QImage src = TestImages::quadrants(37, 23, QImage::Format(format));
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QImage up = uprightImage(src, orientation);
        QCOMPARE(int(up.format()), format);
        PM_COMPARE_IMAGES(up, expectedUpright(src.convertToFormat(QImage::Format_RGB32), orientation), 0);
    }
}

void TestGeometry::orientationStatedInXmp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("exif"); // Exif.Image.Orientation, none when empty
    QTest::addColumn<int>("expected");
    QTest::newRow("PNG, XMP alone") << QStringLiteral("tagged.png") << QString() << 6;
    QTest::newRow("JPEG, XMP alone") << QStringLiteral("tagged.jpg") << QString() << 6;
    QTest::newRow("PNG, EXIF's over XMP's") << QStringLiteral("tagged.png") << "3" << 3;
}

// Xmp.tiff.Orientation turns a picture whose EXIF says nothing of it; EXIF's tag governs when
// both are there.
void TestGeometry::orientationStatedInXmp()
{
    QFETCH(QString, name);
    QFETCH(QString, exif);
    QFETCH(int, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const QImage stored = TestImages::quadrants(24, 16);
    TestImages::writeWithQt(stored, path, QFileInfo(name).suffix().toLatin1(), 95);
    const Result<DecodedImage> plain = ImageDecoder(path).openAndDecode(); // JPEG: as decoded
    QVERIFY(plain.ok());
    if (!exif.isEmpty())
        TestImages::setExif(path, {{"Exif.Image.Orientation", exif}});
    TestImages::setXmp(path, {{"Xmp.tiff.Orientation", "6"}});
    QCOMPARE(TestImages::exiv2Value(path, "Exif.Image.Orientation"), exif);
    const PipelineResult result = convertFile(path, ConversionOptions());
    QVERIFY2(result.ok(), qPrintable(result.failure.text()));
    PM_COMPARE_IMAGES(result.image.convertToFormat(QImage::Format_RGB32),
                      expectedUpright(plain.value().image.convertToFormat(QImage::Format_RGB32), expected),
                      0);
}

void TestGeometry::jpegTurnedWhileDecoded_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("gray");
    for (const bool gray : {false, true})
        for (int o = 1; o <= 8; ++o)
            QTest::addRow("%s, orientation %d", gray ? "gray" : "colour", o) << o << gray;
}

// A full-size JPEG is turned as its rows are decoded, in bands: the same pixels as turning the
// decoded picture, for a size that crosses several bands and fills none evenly.
void TestGeometry::jpegTurnedWhileDecoded()
{
    QFETCH(int, orientation);
    QFETCH(bool, gray);
    QTemporaryDir dir;
    const QString path = dir.filePath("tagged.jpg");
    const QImage picture = TestImages::quadrants(137, 203);
    TestImages::writeWithQt(gray ? picture.convertToFormat(QImage::Format_Grayscale8) : picture, path, "jpeg",
                            95);
    const Result<DecodedImage> plain = ImageDecoder(path).openAndDecode();
    QVERIFY(plain.ok());
    TestImages::setExif(path, {{"Exif.Image.Orientation", QString::number(orientation)}});

    ImageDecoder decoder(path);
    QVERIFY(!decoder.open().failed());
    const Result<DecodedImage> turned = decoder.decode(QSize(), orientation);
    QVERIFY(turned.ok());
    QCOMPARE(turned.value().upright, orientation != 1);
    const QImage expected =
        expectedUpright(plain.value().image.convertToFormat(QImage::Format_RGB32), orientation);
    PM_COMPARE_IMAGES(turned.value().image.convertToFormat(QImage::Format_RGB32), expected, 0);

    const PipelineResult full = convertFile(path, ConversionOptions());
    QVERIFY(full.ok());
    PM_COMPARE_IMAGES(full.image.convertToFormat(QImage::Format_RGB32), expected, 0);
    // Reduced from a full-size decode: resampling the turned picture is resampling then turning,
    // the turn here the EXIF definitions' own (the resampler has its own reference).
    const bool swaps = orientation >= 5;
    const PipelineResult reduced = convertFile(path, widthOptions(swaps ? 150 : 100));
    const QSize size = reduced.image.size();
    QCOMPARE(size, swaps ? QSize(150, 101) : QSize(100, 148));
    const QImage turnedAfter =
        expectedUpright(resampled(plain.value().image, swaps ? size.transposed() : size)
                            .convertToFormat(QImage::Format_RGB32),
                        orientation);
    PM_COMPARE_IMAGES(reduced.image.convertToFormat(QImage::Format_RGB32), turnedAfter, 1);
}

// A 70,000 x 1 picture: JPEG and GIF cannot hold it, and say so before anything is encoded.
void TestGeometry::sideBeyondTheOutputFormat()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("strip.png");
    QImage strip(70000, 1, QImage::Format_Grayscale8);
    strip.fill(128);
    TestImages::writeWithQt(strip, path, "png");
    ConversionOptions options;
    for (const auto &[format, name, most] :
         {std::tuple {OutputFormat::Jpeg, "JPEG", 65500}, std::tuple {OutputFormat::Gif, "GIF", 65535}}) {
        options.format = format;
        const PipelineResult result = convertFile(path, options);
        QCOMPARE(result.failure.text(),
                 QStringLiteral("too large: the output would be 70000 x 1 pixels; %1 holds at most %2 a side")
                     .arg(QLatin1String(name))
                     .arg(most));
    }
    options.format = OutputFormat::Png;
    QVERIFY(convertFile(path, options).ok());
}

// A JPEG is shrunk on load by its decoder only so far that the resampler still reduces it by 2
// or more, so the output stays close to the resampler's reduction of the whole picture: 31 dB
// on these fine lines after libjpeg's shrink by 2; its shrink by 4 alone, a cruder filter, gives
// 25 dB.
void TestGeometry::jpegReducedThroughTheResampler()
{
    QTemporaryDir dir;
    QImage picture(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const bool line = x % 7 == 0 || y % 11 == 0 || (x + 2 * y) % 37 < 2;
            picture.setPixel(x, y, line ? qRgb(20, 30, 40) : qRgb(230, 220 - y / 10, 100 + x / 20));
        }
    const QString path = dir.filePath("lines.jpg");
    TestImages::writeWithQt(picture, path, "jpeg", 95);
    const Result<DecodedImage> whole = ImageDecoder(path).openAndDecode();
    QVERIFY(whole.ok());
    const QImage reference =
        resampled(whole.value().image, QSize(400, 300)).convertToFormat(QImage::Format_RGB32);
    const PipelineResult reduced = convertFile(path, widthOptions(400));
    QVERIFY(reduced.ok());
    const double psnr = TestImages::psnr(reduced.image.convertToFormat(QImage::Format_RGB32), reference);
    QVERIFY2(psnr > 28.0, qPrintable(QStringLiteral("%1 dB from the resampler's reduction").arg(psnr)));
}

void TestGeometry::untouchedWithoutResize()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("src.png");
    QImage src = TestImages::quadrants(33, 17, QImage::Format_ARGB32);
    src.setPixel(0, 0, qRgba(10, 20, 30, 0)); // transparency stays
    TestImages::writeWithQt(src, path, "png");
    const PipelineResult result = convertFile(path, ConversionOptions());
    QVERIFY(result.ok());
    QVERIFY(result.image.hasAlphaChannel());
    PM_COMPARE_IMAGES(result.image, src, 0);
}

void TestGeometry::palettePicturesAreReducedInTrueColour()
{
    // A 256-colour PNG reduced 4x: the same as reducing its colours decoded by ImageMagick, not
    // re-quantised to a web palette on the way.
    QTemporaryDir dir;
    QImage smooth(600, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x)
            smooth.setPixel(x, y, qRgb(x * 255 / 599, y * 255 / 399, (x + y) * 255 / 999));
    TestImages::writeWithQt(smooth, dir.filePath("smooth.png"), "png");
    const QString palette = dir.filePath("palette.png"), truecolour = dir.filePath("truecolour.png");
    TestImages::run("convert", {dir.filePath("smooth.png"), "-colors", "256", "PNG8:" + palette});
    TestImages::run("convert", {palette, "PNG24:" + truecolour});
    QCOMPARE(TestImages::identify(palette, "%[type]"), QStringLiteral("Palette"));
    const QImage reduced = convertFile(palette, widthOptions(150)).image;
    const QImage expected = convertFile(truecolour, widthOptions(150)).image;
    QCOMPARE(reduced.size(), QSize(150, 100));
    const double db = TestImages::psnr(reduced, expected);
    QVERIFY2(db > 50.0, qPrintable(QString::number(db)));
}

void TestGeometry::targetSizeByMode_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("value");     // the side, the box's width or the percent
    QTest::addColumn<int>("fitHeight"); // the box's height
    QTest::addColumn<bool>("neverEnlarge");
    QTest::addColumn<QSize>("expected");
    const QSize landscape(300, 200), portrait(200, 300);
    const int width = int(ResizeMode::Width), height = int(ResizeMode::Height),
              longEdge = int(ResizeMode::LongEdge), shortEdge = int(ResizeMode::ShortEdge),
              fit = int(ResizeMode::Fit), percent = int(ResizeMode::Percent);
    // Each mode, on a landscape and a portrait source, asked for less and for more than the
    // source, with never-enlarge off and on; worked out by hand.
    const struct {
        const char *name;
        QSize source;
        int mode, value, fitHeight;
        QSize enlarging, neverEnlarging;
    } rows[] = {
        {"width 150, landscape", landscape, width, 150, 0, {150, 100}, {150, 100}},
        {"width 150, portrait", portrait, width, 150, 0, {150, 225}, {150, 225}},
        {"width 450, landscape", landscape, width, 450, 0, {450, 300}, landscape},
        // 1.5 rounds away from zero; 0.17 to 0 and then up to 1 pixel.
        {"width 2 of 4 x 3", QSize(4, 3), width, 2, 0, {2, 2}, {2, 2}},
        {"width 100 of 6000 x 10", QSize(6000, 10), width, 100, 0, {100, 1}, {100, 1}},
        {"width 400, portrait", portrait, width, 400, 0, {400, 600}, portrait},
        {"height 100, landscape", landscape, height, 100, 0, {150, 100}, {150, 100}},
        {"height 150, portrait", portrait, height, 150, 0, {100, 150}, {100, 150}},
        {"height 400, landscape", landscape, height, 400, 0, {600, 400}, landscape},
        {"height 450, portrait", portrait, height, 450, 0, {300, 450}, portrait},
        // 200 x 100/300 = 66.67
        {"long edge 100, landscape", landscape, longEdge, 100, 0, {100, 67}, {100, 67}},
        {"long edge 100, portrait", portrait, longEdge, 100, 0, {67, 100}, {67, 100}},
        {"long edge 600, landscape", landscape, longEdge, 600, 0, {600, 400}, landscape},
        {"long edge 600, portrait", portrait, longEdge, 600, 0, {400, 600}, portrait},
        {"long edge 100, square", QSize(200, 200), longEdge, 100, 0, {100, 100}, {100, 100}},
        {"short edge 100, landscape", landscape, shortEdge, 100, 0, {150, 100}, {150, 100}},
        {"short edge 100, portrait", portrait, shortEdge, 100, 0, {100, 150}, {100, 150}},
        {"short edge 400, landscape", landscape, shortEdge, 400, 0, {600, 400}, landscape},
        {"short edge 400, portrait", portrait, shortEdge, 400, 0, {400, 600}, portrait},
        // Scales 1/3 and 1/2: the width governs the landscape, the height the portrait.
        {"fit 100x100, landscape", landscape, fit, 100, 100, {100, 67}, {100, 67}},
        {"fit 100x100, portrait", portrait, fit, 100, 100, {67, 100}, {67, 100}},
        // Scales 4/3 and 1/2: reduced although the box is wider than the picture.
        {"fit 400x100, landscape", landscape, fit, 400, 100, {150, 100}, {150, 100}},
        // Scales 2 and 4.5, and 3 and 3 (equal: the width governs, exact either way).
        {"fit 600x900, landscape", landscape, fit, 600, 900, {600, 400}, landscape},
        {"fit 600x900, portrait", portrait, fit, 600, 900, {600, 900}, portrait},
        // 1000 x 67/301 = 222.59 against 1000 x 100/449 = 222.72: the width's scale is smaller.
        {"fit 67x100, nearly equal scales", QSize(301, 449), fit, 67, 100, {67, 100}, {67, 100}},
        {"fit 0x150: the height alone", landscape, fit, 0, 150, {225, 150}, {225, 150}},
        {"fit 120x0: the width alone", portrait, fit, 120, 0, {120, 180}, {120, 180}},
        {"50 percent, landscape", landscape, percent, 50, 0, {150, 100}, {150, 100}},
        {"50 percent, portrait", portrait, percent, 50, 0, {100, 150}, {100, 150}},
        {"150 percent, landscape", landscape, percent, 150, 0, {450, 300}, landscape},
        {"150 percent, portrait", portrait, percent, 150, 0, {300, 450}, portrait},
        // 99.33 and 66.33; 0.5 rounds away from zero, 0.3 to 0 and then up to 1 pixel.
        {"33 percent rounds each side", QSize(301, 201), percent, 33, 0, {99, 66}, {99, 66}},
        {"10 percent, no side below 1", QSize(5, 3), percent, 10, 0, {1, 1}, {1, 1}},
        {"100 percent", landscape, percent, 100, 0, landscape, landscape},
        {"1000 percent", QSize(3, 2), percent, 1000, 0, {30, 20}, {3, 2}},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s, enlarging", row.name)
            << row.source << row.mode << row.value << row.fitHeight << false << row.enlarging;
        QTest::addRow("%s, never enlarging", row.name)
            << row.source << row.mode << row.value << row.fitHeight << true << row.neverEnlarging;
    }
}

void TestGeometry::targetSizeByMode()
{
    QFETCH(QSize, source);
    QFETCH(int, mode);
    ConversionOptions options;
    options.resize = ResizeMode(mode);
    QFETCH(int, value);
    options.resizeTo = value;
    QFETCH(int, fitHeight);
    options.fitHeight = fitHeight;
    QFETCH(bool, neverEnlarge);
    options.neverEnlarge = neverEnlarge;
    QTEST(targetSize(source, options), "expected");
}

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_transform.moc"
