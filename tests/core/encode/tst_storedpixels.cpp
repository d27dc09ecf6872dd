// The pixels a preview shows (storedPixels) against the file encodeOutput() writes, read back by
// Qt's own readers: one rule for both.
#include "encode/OutputEncoder.h"
#include "encode/StoredPixels.h"
#include "metadata/SourceMetadata.h"

#include <QtTest>

namespace {

// Blue on a transparent ground, with bands at 40 % and 80 % opacity and a gradient, so GIF's
// palette has work to do.
QImage transparentPicture()
{
    QImage picture(120, 90, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 20; y < 70; ++y)
        for (int x = 20; x < 100; ++x)
            picture.setPixel(x, y, qRgba(48, 96 + x, 160, 255));
    for (int x = 10; x < 110; ++x)
        for (int y = 3; y < 10; ++y)
            picture.setPixel(x, y, qRgba(220, 30, 30, x < 60 ? 102 : 204));
    return picture;
}

} // namespace

class TestStoredPixels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writtenIsStored_data();
    void writtenIsStored();
    void storedFormIsKept();
};

void TestStoredPixels::writtenIsStored_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("JPEG") << int(OutputFormat::Jpeg) << 4 << false;
    QTest::newRow("PNG") << int(OutputFormat::Png) << 0 << true;
    QTest::newRow("GIF") << int(OutputFormat::Gif) << 0 << true;
    QTest::newRow("TIFF") << int(OutputFormat::Tiff) << 0 << true;
    QTest::newRow("WebP lossless") << int(OutputFormat::WebP) << 0 << true;
}

void TestStoredPixels::writtenIsStored()
{
    QFETCH(int, format);
    QFETCH(int, tolerance);
    QFETCH(bool, alpha);
    ConversionOptions options;
    options.format = OutputFormat(format);
    options.jpegQuality = 100;
    const QImage picture = transparentPicture();
    const Result<QImage> stored = storedPixels(picture, options.format);
    QVERIFY(stored.ok());
    QCOMPARE(stored.value().hasAlphaChannel(), alpha);
    const Result<EncodedOutput> encoded =
        encodeOutput(picture, options, 72.0, QByteArray(), SourceMetadata());
    QVERIFY(encoded.ok());
    const QImage shown = stored.value().convertToFormat(QImage::Format_ARGB32);
    const QImage back = QImage::fromData(encoded.value().bytes).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(back.size(), picture.size());
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = back.pixel(x, y);
            if (qAlpha(a) == 0 && qAlpha(b) == 0)
                continue;
            const int off = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            if (off > tolerance)
                QFAIL(qPrintable(QStringLiteral("at (%1, %2): shown %3, written %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(a, 8, 16, QLatin1Char('0'))
                                     .arg(b, 8, 16, QLatin1Char('0'))));
        }
}

void TestStoredPixels::storedFormIsKept()
{
    // A picture already in its stored form passes as it is: the encoder does not quantize a
    // preview's palette again, nor flatten twice.
    const QImage picture = transparentPicture();
    const QImage gif = storedPixels(picture, OutputFormat::Gif).value();
    QCOMPARE(gif.format(), QImage::Format_Indexed8);
    QVERIFY(gif.colorCount() <= 256);
    QCOMPARE(storedPixels(gif, OutputFormat::Gif).value().cacheKey(), gif.cacheKey());
    const QImage jpeg = storedPixels(picture, OutputFormat::Jpeg).value();
    QCOMPARE(storedPixels(jpeg, OutputFormat::Jpeg).value().cacheKey(), jpeg.cacheKey());
    QCOMPARE(storedPixels(picture, OutputFormat::Png).value().cacheKey(), picture.cacheKey());
    // Laid on white: the ground is white, the 40 % band pink.
    QCOMPARE(jpeg.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(jpeg.pixel(20, 5), qRgb(241, 165, 165));
}

QTEST_MAIN(TestStoredPixels)
#include "tst_storedpixels.moc"
