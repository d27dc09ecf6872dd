#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "decode/ImageDecoder.h"
#include "options/ConversionOptions.h"
#include "pipeline/RenderFile.h"

#include <QStandardPaths>
#include <QtTest>

#include <exiv2/exiv2.hpp>
#include <libheif/heif.h>

namespace {

// Flat quadrants (red, green, blue, yellow from the top left), so lossy codecs keep the colours
// away from the edges; the first and last rows white, a highlight as photographs have, which
// raw development's automatic brightness takes for white.
QImage flatQuadrants(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            image.setPixel(x, y,
                           y == 0 || y == height - 1 ? qRgb(255, 255, 255)
                           : !bottom                 ? (!right ? qRgb(200, 20, 20) : qRgb(20, 200, 20))
                                                     : (!right ? qRgb(20, 20, 200) : qRgb(200, 200, 20)));
        }
    return image.convertToFormat(format);
}

bool hasTool(const char *program)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}

// EXIF as a TIFF structure, as libheif takes it.
QByteArray exifTiff(int orientation, const char *artist)
{
    Exiv2::ExifData exif;
    exif["Exif.Image.Orientation"] = uint16_t(orientation);
    exif["Exif.Image.Artist"] = artist;
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, exif);
    return QByteArray(reinterpret_cast<const char *>(blob.data()), qsizetype(blob.size()));
}

heif_image *heifImageOf(const QImage &picture)
{
    const bool alpha = picture.hasAlphaChannel();
    const QImage rgba = picture.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    heif_image *image = nullptr;
    heif_image_create(rgba.width(), rgba.height(), heif_colorspace_RGB,
                      alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, &image);
    heif_image_add_plane(image, heif_channel_interleaved, rgba.width(), rgba.height(), 8);
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    const int rowBytes = rgba.width() * (alpha ? 4 : 3);
    for (int y = 0; y < rgba.height(); ++y)
        memcpy(plane + qint64(y) * stride, rgba.constScanLine(y), size_t(rowBytes));
    return image;
}

// A HEIF file written through libheif's own encoder: the picture as stored, turned for showing
// by rotation and mirror properties (`turn`, an EXIF orientation) and with the given EXIF.
// With `first`, that picture is written before the primary one and made its thumbnail.
void writeHeif(const QString &path, const QImage &stored, heif_compression_format compression, int turn,
               const QByteArray &exif, const QImage &first = QImage())
{
    heif_context *context = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    QCOMPARE(heif_context_get_encoder_for_format(context, compression, &encoder).code, heif_error_Ok);
    heif_encoder_set_lossy_quality(encoder, 95);
    heif_image_handle *thumbnail = nullptr;
    if (!first.isNull()) {
        heif_image *image = heifImageOf(first);
        QCOMPARE(heif_context_encode_image(context, image, encoder, nullptr, &thumbnail).code, heif_error_Ok);
        heif_image_release(image);
    }
    heif_encoding_options *options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation(turn);
    heif_image *image = heifImageOf(stored);
    heif_image_handle *handle = nullptr;
    QCOMPARE(heif_context_encode_image(context, image, encoder, options, &handle).code, heif_error_Ok);
    heif_context_set_primary_image(context, handle);
    if (thumbnail)
        heif_context_assign_thumbnail(context, handle, thumbnail);
    if (!exif.isEmpty())
        heif_context_add_exif_metadata(context, handle, exif.constData(), int(exif.size()));
    QCOMPARE(heif_context_write_to_file(context, QFile::encodeName(path).constData()).code, heif_error_Ok);
    heif_image_release(image);
    heif_image_handle_release(handle);
    if (thumbnail)
        heif_image_handle_release(thumbnail);
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_context_free(context);
}

// The largest difference of the colour channels (and alpha) at one position, in 8-bit steps.
int difference(const QImage &actual, const QImage &expected, QPoint at)
{
    const QColor a = actual.pixelColor(at), e = expected.pixelColor(at);
    return std::max({std::abs(a.red() - e.red()), std::abs(a.green() - e.green()),
                     std::abs(a.blue() - e.blue()), std::abs(a.alpha() - e.alpha())});
}

// The centre of each quadrant and two points near opposite corners (a few pixels in, where
// chroma subsampling no longer mixes in the white edge).
QList<QPoint> probes(QSize size)
{
    const int w = size.width(), h = size.height();
    return {{w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4},
            {6, 6},         {w - 7, h - 7}};
}

#define PM_COMPARE_PROBES(actual, expected, tolerance)                                                       \
    do {                                                                                                     \
        QCOMPARE((actual).size(), (expected).size());                                                        \
        for (const QPoint &p : probes((expected).size()))                                                    \
            QVERIFY2(difference((actual), (expected), p) <= (tolerance),                                     \
                     qPrintable(QStringLiteral("at %1,%2: %3 where %4 was expected")                         \
                                    .arg(p.x())                                                              \
                                    .arg(p.y())                                                              \
                                    .arg(QString::number((actual).pixel(p), 16),                             \
                                         QString::number((expected).pixel(p), 16))));                        \
    } while (false)

} // namespace

class TestModernInputs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void turnedUprightOnce_data();
    void turnedUprightOnce();
    void primaryPictureNotItsThumbnail_data();
    void primaryPictureNotItsThumbnail();
    void depthAndAlpha_data();
    void depthAndAlpha();
    void shrinkOnLoad_data();
    void shrinkOnLoad();
    void rawIsToldByExtensionAndContent_data();
    void rawIsToldByExtensionAndContent();
    void truncatedFilesAreRefused_data();
    void truncatedFilesAreRefused();
    void colourCodePoints_data();
    void colourCodePoints();

private:
    QString fixture(const QString &kind, int orientation);
    QTemporaryDir m_dir;
    // The picture as a camera stores it (64 x 32) and as it is shown when tagged 6 (32 x 64).
    QImage m_stored, m_upright;
};

void TestModernInputs::initTestCase()
{
    m_stored = flatQuadrants(64, 32);
    m_upright = m_stored.transformed(QTransform().rotate(90));
}

// Writes the fixture of a kind, its stored picture tagged or turned by `orientation`; empty
// with a skip message when the tool is missing.
QString TestModernInputs::fixture(const QString &kind, int orientation)
{
    const QString jpeg = m_dir.filePath(kind + "-source.jpg");
    TestImages::writeWithQt(m_stored, jpeg, "jpeg", 97);
    TestImages::setExif(jpeg, {{"Exif.Image.Orientation", QString::number(orientation)},
                               {"Exif.Image.Artist", "Ann Example"}});
    QString path;
    if (kind == "heif-enc") {
        path = m_dir.filePath("exif6.heic");
        TestImages::run("heif-enc", {"-q", "95", jpeg, "-o", path});
    } else if (kind == "heic irot") {
        path = m_dir.filePath("irot.heic");
        writeHeif(path, m_stored, heif_compression_HEVC, orientation, exifTiff(1, "Ann Example"));
    } else if (kind == "heic irot and exif") {
        path = m_dir.filePath("both.heic");
        writeHeif(path, m_stored, heif_compression_HEVC, orientation, exifTiff(orientation, "Ann Example"));
    } else if (kind == "avifenc") {
        path = m_dir.filePath("both.avif");
        TestImages::run("avifenc", {"-s", "10", "--min", "0", "--max", "8", jpeg, path});
    } else if (kind == "avifenc irot") {
        path = m_dir.filePath("irot.avif");
        // irot turns anticlockwise in quarters: 3 is orientation 6's quarter clockwise.
        TestImages::run("avifenc",
                        {"-s", "10", "--min", "0", "--max", "8", "--ignore-exif", "--irot", "3", jpeg, path});
    } else if (kind == "cjxl") {
        path = m_dir.filePath("tagged.jxl");
        TestImages::run("cjxl", {jpeg, path});
    } else if (kind == "dng") {
        path = m_dir.filePath("tagged.dng");
        TestImages::writeDng(path, m_stored, orientation, "Ann Example");
    } else if (kind == "jp2") {
        path = m_dir.filePath("tagged.jp2");
        const QString png = m_dir.filePath("jp2-source.png");
        TestImages::writeWithQt(m_stored, png, "png");
        TestImages::run("opj_compress", {"-i", png, "-o", path, "-n", "4"});
        TestImages::setExif(path, {{"Exif.Image.Orientation", QString::number(orientation)},
                                   {"Exif.Image.Artist", "Ann Example"}});
    }
    TestImages::saveFuzzSeed(QFileInfo(path).suffix(), TestImages::readFile(path));
    return path;
}

void TestModernInputs::turnedUprightOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<bool>("exif");
    // heif-enc 1.15 copies the JPEG's EXIF, tag 6 and all, and stores the pixels as they were.
    QTest::newRow("HEIC, EXIF orientation only (heif-enc)")
        << QStringLiteral("heif-enc") << "heif-enc" << 12 << true;
    QTest::newRow("HEIC, rotation property only") << QStringLiteral("heic irot") << "" << 12 << true;
    QTest::newRow("HEIC, rotation property and EXIF 6")
        << QStringLiteral("heic irot and exif") << "" << 12 << true;
    // avifenc 0.11 writes the rotation property and keeps the EXIF tag 6 as well.
    QTest::newRow("AVIF, rotation property and EXIF 6 (avifenc)")
        << QStringLiteral("avifenc") << "avifenc" << 12 << true;
    QTest::newRow("AVIF, rotation property only")
        << QStringLiteral("avifenc irot") << "avifenc" << 12 << false;
    // cjxl moves the JPEG's orientation into the codestream and keeps the EXIF, compressed.
    QTest::newRow("JPEG XL from a JPEG tagged 6 (cjxl)") << QStringLiteral("cjxl") << "cjxl" << 6 << true;
    QTest::newRow("DNG tagged 6") << QStringLiteral("dng") << "" << 12 << true;
    QTest::newRow("JPEG 2000 tagged 6") << QStringLiteral("jp2") << "opj_compress" << 0 << true;
}

// Whatever holds the turn (HEIF's rotation property, the EXIF tag, JPEG XL's codestream, a
// camera's flip), the picture comes out upright, turned once.
void TestModernInputs::turnedUprightOnce()
{
    QFETCH(QString, kind);
    QFETCH(QString, tool);
    QFETCH(int, tolerance);
    QFETCH(bool, exif);
    if (!tool.isEmpty() && !hasTool(tool.toLatin1()))
        QSKIP(qPrintable(tool + " is missing (see scripts/setup.sh)"));
    const QString path = fixture(kind, 6);
    QVERIFY(QFileInfo(path).size() > 0);
    const PipelineResult result = convertFile(path, ConversionOptions());
    QVERIFY2(!result.failure.failed(), qPrintable(result.failure.text()));
    PM_COMPARE_PROBES(result.image, m_upright, tolerance);
    QCOMPARE(result.metadata.hasExifXmpOrIptc(), exif);

    // Written as a JPEG, tagged 1, with the source's EXIF but not what told how to develop a raw
    // file (read back by exiv2).
    QTemporaryDir out;
    ConversionJob job;
    job.inputs = {path};
    job.outputFolder = out.path();
    const QString written = ConversionRunner(job).run().files.value(0).output;
    QCOMPARE(TestImages::identify(written, "%m %w %h"), QStringLiteral("JPEG 32 64"));
    if (exif) {
        QCOMPARE(TestImages::exiv2Value(written, "Exif.Image.Orientation"), QStringLiteral("1"));
        QCOMPARE(TestImages::exiv2Value(written, "Exif.Image.Artist"), QStringLiteral("Ann Example"));
    }
    for (const char *key : {"Exif.Image.DNGVersion", "Exif.Image.ColorMatrix1", "Exif.Image.CFAPattern"})
        QCOMPARE(TestImages::exiv2Value(written, key), QString());
}

void TestModernInputs::primaryPictureNotItsThumbnail_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("heif-enc -t") << "heif-enc";
    QTest::newRow("another picture written first, made the thumbnail") << "first";
}

void TestModernInputs::primaryPictureNotItsThumbnail()
{
    QFETCH(QString, kind);
    const QString path = m_dir.filePath("thumbnailed-" + kind + ".heic");
    if (kind == "heif-enc") {
        if (!hasTool("heif-enc"))
            QSKIP("heif-enc is missing (package libheif-examples)");
        const QString png = m_dir.filePath("thumbnailed.png");
        TestImages::writeWithQt(m_stored, png, "png");
        TestImages::run("heif-enc", {"-q", "95", "-t", "16", png, "-o", path});
        QVERIFY(TestImages::run("heif-info", {path}).contains("thumbnail"));
    } else {
        QImage other(16, 16, QImage::Format_RGB32);
        other.fill(qRgb(250, 0, 250));
        writeHeif(path, m_stored, heif_compression_HEVC, 1, QByteArray(), other);
    }
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode();
    QVERIFY(decoded.ok());
    PM_COMPARE_PROBES(decoded.value().image, m_stored, 12);
}

void TestModernInputs::depthAndAlpha_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("HEIC with alpha") << "heic alpha" << int(QImage::Format_ARGB32) << 12;
    QTest::newRow("AVIF, 10 bits (avifenc)") << "avif 10" << int(QImage::Format_RGBX64) << 6;
    QTest::newRow("HEIC, 10 bits (heif-enc)") << "heic 10" << int(QImage::Format_RGBX64) << 6;
    QTest::newRow("JPEG XL, 16 bits with alpha, lossless")
        << "jxl 16 alpha" << int(QImage::Format_RGBA64) << 0;
    QTest::newRow("JPEG XL, 8 bits") << "jxl 8" << int(QImage::Format_RGB888) << 0;
    QTest::newRow("JPEG XL, gray") << "jxl gray" << int(QImage::Format_Grayscale8) << 0;
}

void TestModernInputs::depthAndAlpha()
{
    QFETCH(QString, kind);
    QFETCH(int, format);
    QFETCH(int, tolerance);
    QImage expected = m_stored;
    const QString png = m_dir.filePath(kind + ".png");
    QString path;
    if (kind == "heic alpha") {
        expected = m_stored.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < expected.height() / 2; ++y) // the top right quadrant half transparent
            for (int x = expected.width() / 2; x < expected.width(); ++x)
                expected.setPixel(x, y, qRgba(20, 200, 20, 128));
        path = m_dir.filePath("alpha.heic");
        writeHeif(path, expected, heif_compression_HEVC, 1, QByteArray());
    } else {
        const char *tool = kind == "avif 10" ? "avifenc" : kind == "heic 10" ? "heif-enc" : "cjxl";
        if (!hasTool(tool))
            QSKIP(qPrintable(QStringLiteral("%1 is missing (see scripts/setup.sh)").arg(tool)));
        if (kind == "avif 10" || kind == "heic 10") {
            TestImages::writeWithQt(m_stored.convertToFormat(QImage::Format_RGBX64), png, "png");
            path = m_dir.filePath(kind == "avif 10" ? "deep.avif" : "deep.heic");
            if (kind == "avif 10") // heif-enc's 10-bit AV1 trips an assertion in libaom 3.6
                TestImages::run("avifenc", {"-d", "10", "-s", "10", "--min", "0", "--max", "8", png, path});
            else
                TestImages::run("heif-enc", {"-b", "10", "-q", "95", png, "-o", path});
        } else if (kind == "jxl 16 alpha") {
            expected = m_stored.convertToFormat(QImage::Format_RGBA64);
            for (int x = 0; x < expected.width(); ++x)
                expected.setPixelColor(x, 5, QColor::fromRgba64(1000, 40000, 65535, 117 * 257));
            TestImages::writeWithQt(expected, png, "png");
            path = m_dir.filePath("deep.jxl");
            TestImages::run("cjxl", {"-d", "0", png, path});
        } else {
            if (kind == "jxl gray")
                expected = m_stored.convertToFormat(QImage::Format_Grayscale8);
            TestImages::writeWithQt(expected, png, "png");
            path = m_dir.filePath(kind == "jxl gray" ? "gray.jxl" : "plain.jxl");
            TestImages::run("cjxl", {"-d", "0", png, path});
        }
    }
    TestImages::saveFuzzSeed(QFileInfo(path).suffix(), TestImages::readFile(path));
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode();
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    const QImage &image = decoded.value().image;
    QCOMPARE(int(image.format()), format);
    PM_COMPARE_PROBES(image, expected, tolerance);
    // All 16 bits of the colours kept (cjxl keeps no more of alpha than its values need).
    if (kind == "jxl 16 alpha") {
        const QRgba64 seen = image.pixelColor(7, 5).rgba64();
        QCOMPARE(QList<int>({seen.red(), seen.green(), seen.blue(), seen.alpha()}),
                 QList<int>({1000, 40000, 65535, 117 * 257}));
    }
}

void TestModernInputs::shrinkOnLoad_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("shrink");
    QTest::newRow("DNG at half the sensor") << "dng" << QSize(60, 30) << QSize(64, 32) << 2;
    QTest::newRow("DNG whole, asked for more than half") << "dng" << QSize(65, 30) << QSize(128, 64) << 1;
    QTest::newRow("JPEG 2000 at a quarter") << "jp2" << QSize(30, 15) << QSize(32, 16) << 4;
    QTest::newRow("JPEG 2000 at a half") << "jp2" << QSize(33, 15) << QSize(64, 32) << 2;
    QTest::newRow("JPEG 2000 whole") << "jp2" << QSize() << QSize(128, 64) << 1;
}

// Never below the minimum asked for, and the pixels still where they belong.
void TestModernInputs::shrinkOnLoad()
{
    QFETCH(QString, kind);
    QFETCH(QSize, minimum);
    QFETCH(QSize, size);
    QFETCH(int, shrink);
    const QImage stored = flatQuadrants(128, 64);
    const QString path = m_dir.filePath("shrink." + kind);
    if (kind == "dng") {
        TestImages::writeDng(path, stored, 1, "Ann Example");
    } else {
        if (!hasTool("opj_compress"))
            QSKIP("opj_compress is missing (package libopenjp2-tools)");
        const QString png = m_dir.filePath("shrink.png");
        TestImages::writeWithQt(stored, png, "png");
        TestImages::run("opj_compress", {"-i", png, "-o", path});
    }
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode(minimum);
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    QCOMPARE(decoded.value().image.size(), size);
    QCOMPARE(decoded.value().shrink, shrink);
    QCOMPARE(decoded.value().storedSize, QSize(128, 64));
    PM_COMPARE_PROBES(decoded.value().image, stored.scaled(size), kind == "dng" || shrink > 1 ? 12 : 0);
}

void TestModernInputs::rawIsToldByExtensionAndContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("raw");
    QTest::newRow("DNG in upper case") << "upper.DNG" << true;
    QTest::newRow("NEF holding a DNG: LibRaw tells it by content") << "camera.nef" << true;
    QTest::newRow("DNG named .tif: a TIFF") << "camera.tif" << false;
    QTest::newRow("RGB TIFF named .dng: a TIFF") << "plain.dng" << false;
}

// Raw files start as TIFF files do: only their extension and LibRaw's own reading tell them.
void TestModernInputs::rawIsToldByExtensionAndContent()
{
    QFETCH(QString, name);
    QFETCH(bool, raw);
    const QString path = m_dir.filePath(name);
    if (name.startsWith("plain"))
        TestImages::writeWithQt(m_stored, path, "tiff");
    else
        TestImages::writeDng(path, m_stored, 1, "Ann Example");
    ImageDecoder decoder(path);
    const Result<DecodedImage> decoded = decoder.openAndDecode();
    if (raw) {
        QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
        PM_COMPARE_PROBES(decoded.value().image, m_stored, 12); // demosaiced in colour
    } else if (decoded.ok()) {
        // As a TIFF: a DNG's raw samples are one gray channel, never the colours.
        const QImage &image = decoded.value().image;
        QCOMPARE(image.size(), m_stored.size());
        if (name.startsWith("plain"))
            PM_COMPARE_PROBES(image, m_stored, 0);
        else
            QVERIFY(difference(image, m_stored, QPoint(16, 8)) > 30);
    }
}

void TestModernInputs::truncatedFilesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("HEIC") << "heic irot";
    QTest::newRow("AVIF") << "avifenc";
    QTest::newRow("JPEG XL") << "cjxl";
    QTest::newRow("DNG") << "dng";
    QTest::newRow("JPEG 2000") << "jp2";
}

// A file that stops early is refused, never half converted.
void TestModernInputs::truncatedFilesAreRefused()
{
    QFETCH(QString, kind);
    if ((kind == "avifenc" && !hasTool("avifenc")) || (kind == "cjxl" && !hasTool("cjxl")) ||
        (kind == "jp2" && !hasTool("opj_compress")))
        QSKIP("an encoder is missing (see scripts/setup.sh)");
    const QString path = fixture(kind, 1);
    const QByteArray whole = TestImages::readFile(path);
    for (const double part : {0.5, 0.8, 0.95}) {
        const QByteArray cut = whole.left(qsizetype(whole.size() * part));
        const Result<DecodedImage> decoded =
            ImageDecoder(cut, QFileInfo(path).suffix().toLatin1()).openAndDecode();
        QVERIFY2(!decoded.ok(), qPrintable(QStringLiteral("%1 of the file was decoded").arg(part)));
    }
}

void TestModernInputs::colourCodePoints_data()
{
    QTest::addColumn<QString>("cicp");
    QTest::addColumn<QRgb>("expected");
    QTest::addColumn<bool>("noted");
    QTest::newRow("sRGB: as they are") << "1/13/6" << qRgb(200, 20, 20) << false;
    QTest::newRow("unspecified: taken as sRGB") << "2/2/6" << qRgb(200, 20, 20) << false;
    // Display P3's (200, 20, 20) is (219, 0, 0) in sRGB, the green and blue beyond its gamut.
    QTest::newRow("Display P3: converted") << "12/13/6" << qRgb(219, 0, 0) << false;
    QTest::newRow("PQ: as they are, said") << "9/16/6" << qRgb(200, 20, 20) << true;
}

// AVIF and HEIF files state their colours by code points, not a profile: converted to sRGB
// when asked, through a profile made for them.
void TestModernInputs::colourCodePoints()
{
    QFETCH(QString, cicp);
    QFETCH(QRgb, expected);
    QFETCH(bool, noted);
    if (!hasTool("avifenc"))
        QSKIP("avifenc is missing (package libavif-bin)");
    QImage flat(32, 32, QImage::Format_RGB32);
    flat.fill(qRgb(200, 20, 20));
    const QString png = m_dir.filePath("flat.png"), path = m_dir.filePath("cicp.avif");
    TestImages::writeWithQt(flat, png, "png");
    QFile::remove(path);
    TestImages::run("avifenc", {"-s", "10", "-l", "-y", "444", "--cicp", cicp, png, path});
    ConversionOptions options;
    options.outputProfile = OutputProfile::Srgb;
    const PipelineResult result = convertFile(path, options);
    QVERIFY2(!result.failure.failed(), qPrintable(result.failure.text()));
    QCOMPARE(result.notes.join(" ").contains("taken as sRGB"), noted);
    const QColor seen = result.image.pixelColor(16, 16);
    QVERIFY2(std::abs(seen.red() - qRed(expected)) <= 4 && std::abs(seen.green() - qGreen(expected)) <= 4 &&
                 std::abs(seen.blue() - qBlue(expected)) <= 4,
             qPrintable(seen.name()));
}

QTEST_GUILESS_MAIN(TestModernInputs)
#include "tst_modern_inputs.moc"
