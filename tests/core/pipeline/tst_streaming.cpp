// Pictures decoded row by row: through the reducer as they come (never held whole), and at full
// size band by band into the JPEG, PNG or TIFF encoder. Each road must give the pixels and bytes the
// whole-picture road gives, for every chroma layout, colour model and orientation.
#include "TestImages.h"
#include "common/InputFile.h"
#include "common/LargeImage.h"
#include "common/SpareCores.h"
#include "decode/ImageDecoder.h"
#include "decode/JpegEntries.h"
#include "encode/OutputEncoder.h"
#include "options/ConversionOptions.h"
#include "pipeline/BandHandoff.h"
#include "pipeline/HeldRows.h"
#include "pipeline/PreviewDecodes.h"
#include "pipeline/RenderFile.h"
#include "pipeline/StreamedPicture.h"
#include "transform/Resample.h"
#include "transform/Upright.h"

#include <QStandardPaths>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <sys/resource.h>
#include <thread>

Q_DECLARE_METATYPE(OutputFormat)

class TestStreaming : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void rowsThroughTheReducerMatchTheWholePicture_data();
    void rowsThroughTheReducerMatchTheWholePicture();
    void everyOrientationIsTheStoredPictureTurned_data();
    void everyOrientationIsTheStoredPictureTurned();
    void turnedAfterIsAsCloseToTheReference_data();
    void turnedAfterIsAsCloseToTheReference();
    void fullSizeBandsMatchTheWholePicture_data();
    void fullSizeBandsMatchTheWholePicture();
    void cutMidStreamIsTruncated_data();
    void cutMidStreamIsTruncated();
    void heldRowsComeBackInOrder();
    void pictureMemoryIsKeptForTheNext();
    void admittedForWhatIsHeld();
    void aSecondCoreGivesTheSameBytes_data();
    void aSecondCoreGivesTheSameBytes();
    void bandsGoRoundBetweenTwoThreads();
    void twoDecodersShareAPicture_data();
    void twoDecodersShareAPicture();
    void previewsAfterAnOptionChangeAreDrawnAsAnew();
    void theHeapKeepsAFilesMemoryForTheNext();

private:
    QString source(const QString &name);
    QString largeSource(const QString &kind);
    QTemporaryDir m_dir;
};

namespace {

// What ImageMagick makes of the master picture for each source kind.
const QMap<QString, QStringList> &recipes()
{
    static const QMap<QString, QStringList> r {
        {"420.jpg", {"-quality", "90", "-sampling-factor", "2x2"}},
        {"422.jpg", {"-quality", "90", "-sampling-factor", "2x1"}},
        {"444.jpg", {"-quality", "92", "-sampling-factor", "1x1"}},
        {"progressive.jpg", {"-quality", "88", "-interlace", "JPEG"}},
        {"gray.jpg", {"-colorspace", "Gray", "-quality", "90"}},
        {"cmyk.jpg", {"-colorspace", "CMYK", "-quality", "90"}},
        {"deep.png", {"-depth", "16", "-define", "png:bit-depth=16"}},
        {"gray16.png", {"-colorspace", "Gray", "-depth", "16", "-define", "png:bit-depth=16"}},
        {"palette.png", {"-colors", "60", "-alpha", "set", "-channel", "A", "-fx", "i<40?0:1", "+channel"}},
        {"interlaced.png", {"-interlace", "PNG"}},
        {"alpha.png", {"-alpha", "set", "-channel", "A", "-fx", "j/h", "+channel"}},
        {"opaque.png", {}},
        {"strips.tif", {"-compress", "LZW"}},
        {"tiled.tif", {"-define", "tiff:tile-geometry=64x48", "-compress", "Zip"}},
        {"deep.tif", {"-depth", "16"}},
        {"gray.tif", {"-colorspace", "Gray"}},
        {"premultiplied.tif",
         {"-alpha", "set", "-channel", "A", "-fx", "j/h", "+channel", "-define", "tiff:alpha=associated"}},
        {"planar.tif", {}}, // its planes separated by tiffcp
        // Restart markers written by jpegtran: every row of MCUs, or every 7 MCUs (so only some
        // rows of MCUs begin an interval).
        {"422-restarts.jpg", {"-quality", "90", "-sampling-factor", "2x1"}},
        {"444-restarts7.jpg", {"-quality", "92", "-sampling-factor", "1x1"}},
        // One component stated at 2 x 2 (by cjpeg; jpegtran states 1 x 1): still MCUs of one block.
        {"gray-restarts.jpg", {"-colorspace", "Gray"}},
        {"420-restarts.jpg", {"-quality", "90", "-sampling-factor", "2x2"}},
        {"progressive-restarts.jpg", {"-quality", "88", "-interlace", "JPEG"}},
        {"420-standard.jpg", {"-quality", "90", "-sampling-factor", "2x2"}}, // through cjpeg
        // Gray from mid to light, row by row: its table codes DC differences of two bits at most,
        // and the DC values below the middle take dozens of them.
        {"gradient.jpg", {"-fx", "0.5+0.44*j/h", "-quality", "90"}},
        // Two flat areas: every MCU codes the same few bits, and the tables hold only the sizes used.
        {"flat.jpg",
         {"-fill", "#c04020", "-draw", "rectangle 0,0 1300,1000", "-fill", "#2060a0", "-draw",
          "rectangle 0,450 1300,1000", "-quality", "90"}},
    };
    return r;
}

// What a kind needs after ImageMagick made it.
void finish(const QString &kind, const QString &path)
{
    if (kind == "planar.tif") {
        TestImages::run("tiffcp", {"-p", "separate", path, path + ".separate"});
    } else if (kind == "gray-restarts.jpg") {
        TestImages::run("convert", {path, path + ".pgm"});
        TestImages::run("cjpeg",
                        {"-sample", "2x2", "-restart", "1", "-outfile", path + ".separate", path + ".pgm"});
    } else if (kind == "420-standard.jpg") {
        TestImages::run("convert", {path, path + ".ppm"});
        TestImages::run("cjpeg", {"-quality", "90", "-outfile", path + ".separate", path + ".ppm"});
    } else if (kind.contains("-restarts")) {
        const QString every = kind.contains("restarts7") ? "7B" : "1";
        TestImages::run("jpegtran", {"-restart", every, "-outfile", path + ".separate", path});
    } else {
        return;
    }
    QFile::remove(path);
    QFile::rename(path + ".separate", path);
}

bool samePixels(const QImage &a, const QImage &b, QString *where)
{
    if (a.size() != b.size() || a.format() != b.format()) {
        *where = QStringLiteral("%1x%2 format %3 against %4x%5 format %6")
                     .arg(a.width())
                     .arg(a.height())
                     .arg(a.format())
                     .arg(b.width())
                     .arg(b.height())
                     .arg(b.format());
        return false;
    }
    const qsizetype bytes = qsizetype(a.width()) * a.depth() / 8;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(bytes)) != 0) {
            *where = QStringLiteral("row %1 differs").arg(y);
            return false;
        }
    return true;
}

ConversionOptions toWidth(int width)
{
    ConversionOptions o;
    o.resize = ResizeMode::Width;
    o.resizeTo = width;
    return o;
}

} // namespace

void TestStreaming::initTestCase()
{
    if (QStandardPaths::findExecutable("convert").isEmpty())
        QSKIP("needs ImageMagick's convert (package imagemagick)");
    QVERIFY(m_dir.isValid());
    // Odd sizes, so a shrunk picture's last block is partial.
    TestImages::detailed(301, 203).save(m_dir.filePath("master.png"));
}

QString TestStreaming::source(const QString &name)
{
    const QString path = m_dir.filePath(name);
    if (!QFile::exists(path)) {
        const QString kind = name.section('-', -1);
        QStringList arguments {m_dir.filePath("master.png")};
        arguments << recipes().value(kind);
        arguments << (kind == "palette.png" ? "png8:" + path : path);
        TestImages::run("convert", arguments);
        finish(kind, path);
    }
    return path;
}

// The same picture large enough that its rows fill many bands of a BandHandoff.
QString TestStreaming::largeSource(const QString &kind)
{
    const QString master = m_dir.filePath("large-master.png");
    if (!QFile::exists(master))
        TestImages::detailed(1203, 901).save(master);
    const QString path = m_dir.filePath("large-" + kind);
    if (!QFile::exists(path)) {
        TestImages::run("convert", QStringList {master} << recipes().value(kind) << path);
        finish(kind, path);
    }
    return path;
}

void TestStreaming::rowsThroughTheReducerMatchTheWholePicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("minimum"); // the shrink on load asked of the reader
    QTest::addColumn<QSize>("out");
    for (const QString &kind : recipes().keys()) {
        for (const QSize minimum : {QSize(), QSize(150, 100), QSize(70, 40)})
            for (const QSize out : {QSize(61, 41), QSize(37, 97)})
                QTest::addRow("%s, at least %dx%d, to %dx%d", qPrintable(kind), minimum.width(),
                              minimum.height(), out.width(), out.height())
                    << kind << minimum << out;
    }
    QTest::newRow("enlarged") << "420.jpg" << QSize() << QSize(457, 311);
    QTest::newRow("one row") << "opaque.png" << QSize() << QSize(77, 1);
}

// A reader that gives rows, through the reducer as they come, against the same reader's whole
// picture through resampled(): the same pixels, bit for bit.
void TestStreaming::rowsThroughTheReducerMatchTheWholePicture()
{
    QFETCH(QString, name);
    QFETCH(QSize, minimum);
    QFETCH(QSize, out);
    const QString path = source(name);

    ImageDecoder whole(path);
    QVERIFY(!whole.open().failed());
    const Result<DecodedImage> decoded = whole.decode(minimum);
    QVERIFY(decoded.ok());
    const DecodedImage &d = decoded.value();
    const QSizeF extent(double(d.storedSize.width()) / d.shrink, double(d.storedSize.height()) / d.shrink);
    const QImage expected = resampled(d.image, out, extent);

    ImageDecoder rows(path);
    QVERIFY(!rows.open().failed());
    QCOMPARE(rows.givesRows(), !name.contains("interlaced") && !name.contains("planar"));
    if (!rows.givesRows())
        return;
    StreamedPicture sink([&](QSize size, QImage::Format, const DecodedImage &facts) {
        StreamedPicture::Plan plan;
        plan.mode = StreamedPicture::Plan::Mode::Reduce;
        plan.out = out;
        plan.extent = QSizeF(double(facts.storedSize.width()) / facts.shrink,
                             double(facts.storedSize.height()) / facts.shrink);
        Q_UNUSED(size)
        return Result<StreamedPicture::Plan>(plan);
    });
    const Result<DecodedImage> streamed = rows.decodeRows(minimum, &sink);
    QVERIFY(streamed.ok());
    QVERIFY(streamed.value().image.isNull());
    QCOMPARE(streamed.value().shrink, d.shrink);
    QCOMPARE(streamed.value().convertedToSrgb, d.convertedToSrgb);
    QCOMPARE(streamed.value().iccProfile, d.iccProfile);
    QVERIFY(sink.isComplete());
    QString where;
    QVERIFY2(samePixels(sink.takePicture(), expected, &where), qPrintable(where));
}

void TestStreaming::everyOrientationIsTheStoredPictureTurned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("width"); // of the upright output
    for (const char *kind : {"420.jpg", "422.jpg", "444.jpg", "progressive.jpg", "deep.png"})
        for (int orientation = 2; orientation <= 8; ++orientation)
            // Decoded at full size (the old road turned these before reducing), and shrunk on load.
            for (const int width : {170, 40})
                QTest::addRow("%s, orientation %d, %d wide", kind, orientation, width)
                    << QString::fromLatin1(kind) << orientation << width;
}

// Reduced on the stored picture and turned after, whatever the shrink on load: a file tagged
// with an orientation gives exactly the untagged file's output turned.
void TestStreaming::everyOrientationIsTheStoredPictureTurned()
{
    QFETCH(QString, name);
    QFETCH(int, orientation);
    QFETCH(int, width);
    const QString stored = source(name);
    const QString tagged = m_dir.filePath(QStringLiteral("o%1-%2").arg(orientation).arg(name));
    QFile::remove(tagged);
    QVERIFY(QFile::copy(stored, tagged));
    TestImages::setExif(tagged, {{"Exif.Image.Orientation", QString::number(orientation)}});

    const PipelineResult turned = convertFile(tagged, toWidth(width));
    QVERIFY2(turned.ok(), qPrintable(turned.failure.text()));
    // The untagged file reduced to the stored shape of the same output.
    const QSize storedOut = uprightSize(turned.image.size(), orientation);
    const PipelineResult plain = convertFile(stored, toWidth(storedOut.width()));
    QVERIFY(plain.ok());
    QCOMPARE(plain.image.size(), storedOut);
    QString where;
    QVERIFY2(samePixels(turned.image, uprightImage(plain.image, orientation), &where), qPrintable(where));
}

void TestStreaming::turnedAfterIsAsCloseToTheReference_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("orientation");
    for (const char *kind : {"420.jpg", "422.jpg", "444.jpg"})
        for (const int orientation : {3, 6, 7})
            QTest::addRow("%s, orientation %d", kind, orientation)
                << QString::fromLatin1(kind) << orientation;
}

// A picture decoded at full size was turned whole before it was reduced; it is now reduced as
// stored and the small result turned. The two differ by a level in a few pixels (the float sums
// run in another order); the new one is as close to ImageMagick's Lanczos reduction of the
// turned picture as the old one, within a hundredth of a level on average.
void TestStreaming::turnedAfterIsAsCloseToTheReference()
{
    QFETCH(QString, name);
    QFETCH(int, orientation);
    const QString stored = source(name);
    const QString tagged = m_dir.filePath(QStringLiteral("ref%1-%2").arg(orientation).arg(name));
    QFile::remove(tagged);
    QVERIFY(QFile::copy(stored, tagged));
    TestImages::setExif(tagged, {{"Exif.Image.Orientation", QString::number(orientation)}});
    const int width = 170; // decoded at full size: 301 or 203 is under twice the output
    const PipelineResult now = convertFile(tagged, toWidth(width));
    QVERIFY(now.ok());
    const QSize out = now.image.size();

    ImageDecoder decoder(stored);
    QVERIFY(!decoder.open().failed());
    const QImage before = resampled(uprightImage(decoder.decode(QSize()).value().image, orientation), out);

    const QString referencePath = m_dir.filePath(QStringLiteral("ref%1-%2.png").arg(orientation).arg(name));
    TestImages::run("convert", {tagged, "-colorspace", "sRGB", "-type", "TrueColor", "-auto-orient",
                                "-filter", "Lanczos", "-resize",
                                QStringLiteral("%1x%2!").arg(out.width()).arg(out.height()), referencePath});
    const QImage reference = QImage(referencePath).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(reference.size(), out);

    const auto meanError = [&](const QImage &image) {
        const QImage a = image.convertToFormat(QImage::Format_RGB32);
        double sum = 0.0;
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = reference.pixel(x, y);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                       std::abs(qBlue(p) - qBlue(q));
            }
        return sum / (3.0 * out.width() * out.height());
    };
    const double errorNow = meanError(now.image), errorBefore = meanError(before);
    qInfo("mean error against ImageMagick: %.4f now, %.4f before", errorNow, errorBefore);
    QVERIFY2(errorNow <= errorBefore + 0.01,
             qPrintable(QStringLiteral("%1 > %2").arg(errorNow).arg(errorBefore)));
}

void TestStreaming::fullSizeBandsMatchTheWholePicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<OutputFormat>("format");
    QTest::addColumn<int>("quality");
    QTest::addColumn<bool>("srgb");
    QTest::addColumn<int>("width");     // 0: full size
    QTest::addColumn<bool>("banded");   // whether the band road is taken
    QTest::addColumn<bool>("overlays"); // the logo, a watermark and diagonal lines
    for (const char *kind : {"420.jpg", "422.jpg", "progressive.jpg", "gray.jpg", "cmyk.jpg", "opaque.png"})
        for (const int quality : {80, 95})
            for (const bool srgb : {false, true})
                QTest::addRow("%s, q%d%s", kind, quality, srgb ? ", sRGB" : "")
                    << QString::fromLatin1(kind) << OutputFormat::Jpeg << quality << srgb << 0 << true
                    << false;
    // Rows the JPEG encoder does not take as they are: laid on white, 16 bits cut, whole.
    QTest::newRow("alpha PNG") << "alpha.png" << OutputFormat::Jpeg << 85 << false << 0 << false << false;
    QTest::newRow("16-bit PNG") << "deep.png" << OutputFormat::Jpeg << 85 << false << 0 << false << false;
    QTest::newRow("interlaced PNG") << "interlaced.png" << OutputFormat::Jpeg << 85 << false << 0 << false
                                    << false;
    // A format change: PNG and TIFF written band by band as well; alpha and 16 bits kept whole.
    for (const OutputFormat format : {OutputFormat::Png, OutputFormat::Tiff}) {
        const char *to = format == OutputFormat::Png ? "PNG" : "TIFF";
        for (const char *kind : {"420.jpg", "gray.jpg", "cmyk.jpg", "opaque.png"})
            for (const bool srgb : {false, true})
                QTest::addRow("%s to %s%s", kind, to, srgb ? ", sRGB" : "")
                    << QString::fromLatin1(kind) << format << 85 << srgb << 0 << true << false;
        for (const char *kind : {"alpha.png", "deep.png"})
            QTest::addRow("%s to %s", kind, to)
                << QString::fromLatin1(kind) << format << 85 << false << 0 << false << false;
    }
    QTest::newRow("to WebP, whole") << "420.jpg" << OutputFormat::WebP << 85 << false << 0 << false << false;
    // Resized: the output's rows encoded as the reducer makes them (shrunk on load, and not),
    // unless they are not in a form the encoder takes.
    for (const int width : {60, 200})
        for (const char *kind : {"420.jpg", "422.jpg", "gray.jpg", "cmyk.jpg", "opaque.png", "strips.tif"})
            for (const bool srgb : {false, true})
                QTest::addRow("%s to width %d%s", kind, width, srgb ? ", sRGB" : "")
                    << QString::fromLatin1(kind) << OutputFormat::Jpeg << 90 << srgb << width << true
                    << false;
    QTest::newRow("gray.jpg to PNG, width 90")
        << "gray.jpg" << OutputFormat::Png << 85 << false << 90 << true << false;
    QTest::newRow("420.jpg to TIFF, width 90")
        << "420.jpg" << OutputFormat::Tiff << 85 << false << 90 << true << false;
    QTest::newRow("alpha PNG, width 90")
        << "alpha.png" << OutputFormat::Jpeg << 85 << false << 90 << false << false;
    QTest::newRow("16-bit PNG, width 90")
        << "deep.png" << OutputFormat::Jpeg << 85 << false << 90 << false << false;
    // With overlays: the full-size picture held for them, stamped and encoded band by band, when
    // its rows are three-byte RGB (a colour JPEG's); others are drawn on whole, as are resized
    // pictures.
    for (const char *kind : {"420.jpg", "422.jpg", "progressive.jpg"})
        QTest::addRow("%s with overlays", kind)
            << QString::fromLatin1(kind) << OutputFormat::Jpeg << 85 << false << 0 << true << true;
    QTest::newRow("420.jpg with overlays to PNG")
        << "420.jpg" << OutputFormat::Png << 85 << true << 0 << true << true;
    QTest::newRow("422.jpg with overlays to TIFF")
        << "422.jpg" << OutputFormat::Tiff << 85 << false << 0 << true << true;
    for (const char *kind : {"gray.jpg", "cmyk.jpg", "opaque.png", "tiled.tif", "alpha.png", "deep.png"})
        QTest::addRow("%s with overlays, whole", kind)
            << QString::fromLatin1(kind) << OutputFormat::Jpeg << 85 << false << 0 << false << true;
    QTest::newRow("420.jpg with overlays, width 90")
        << "420.jpg" << OutputFormat::Jpeg << 85 << false << 90 << false << true;
}

// An output encoded band by band as it is decoded (resized, as the reducer makes its rows; with
// overlays, as they are stamped): the same bytes as the whole picture encoded, metadata and
// profile included.
void TestStreaming::fullSizeBandsMatchTheWholePicture()
{
    QFETCH(QString, name);
    QFETCH(OutputFormat, format);
    QFETCH(int, quality);
    QFETCH(bool, srgb);
    QFETCH(int, width);
    QFETCH(bool, banded);
    QFETCH(bool, overlays);
    const QString path = m_dir.filePath("meta-" + name);
    if (!QFile::exists(path)) {
        QVERIFY(QFile::copy(source(name), path));
        TestImages::setExif(path,
                            {{"Exif.Image.Artist", "Band Tester"}, {"Exif.Image.XResolution", "300/1"}});
    }
    ConversionOptions options;
    options.format = format;
    options.jpegQuality = quality;
    options.outputProfile = srgb ? OutputProfile::Srgb : OutputProfile::Keep;
    if (width > 0) {
        options.resize = ResizeMode::Width;
        options.resizeTo = width;
    }
    if (overlays) {
        options.copyright.enabled = true;
        options.copyright.pattern = LinePattern::DiagonalCross;
        options.copyright.opacity = 0.4f;
        options.logo.enabled = true;
        options.logo.picture = TestImages::quadrants(40, 30);
        options.logo.position = Placement::Center;
        options.logo.opacity = 0.7f;
        options.watermark.enabled = true;
        options.watermark.text = QStringLiteral("(c) Ågjy");
        options.watermark.fontFamily = QStringLiteral("DejaVu Sans");
        options.watermark.size = TextSize::Huge;
        options.watermark.position = Placement::BottomRight;
        options.watermark.opacity = 0.6f;
    }

    const PipelineResult whole = convertFile(path, options);
    QVERIFY2(whole.ok(), qPrintable(whole.failure.text()));
    QVERIFY(whole.compressed.isEmpty());
    const PipelineResult bands = convertFile(path, options, {}, true);
    QVERIFY2(bands.ok(), qPrintable(bands.failure.text()));
    QCOMPARE(!bands.compressed.isEmpty(), banded);
    QCOMPARE(bands.image.isNull(), banded);
    QCOMPARE(bands.iccProfile, whole.iccProfile);
    QCOMPARE(bands.imageDpi, whole.imageDpi);

    const Result<EncodedOutput> expected =
        encodeOutput(whole.image, options, whole.imageDpi, whole.iccProfile, whole.metadata);
    const Result<EncodedOutput> actual =
        banded ? encodeOutput(bands.compressed, options, bands.imageDpi, bands.iccProfile, bands.metadata)
               : encodeOutput(bands.image, options, bands.imageDpi, bands.iccProfile, bands.metadata);
    QVERIFY(expected.ok() && actual.ok());
    QCOMPARE(actual.value().pixels, expected.value().pixels);
    QCOMPARE(actual.value().metadataWritten, expected.value().metadataWritten);
    QCOMPARE(actual.value().profileWritten, expected.value().profileWritten);
    QCOMPARE(actual.value().notes, expected.value().notes);
    QVERIFY(actual.value().bytes == expected.value().bytes);
}

void TestStreaming::cutMidStreamIsTruncated_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width"); // 0: full size
    QTest::addColumn<bool>("bands");
    for (const char *kind : {"420.jpg", "progressive.jpg", "gray.jpg", "opaque.png", "deep.png"}) {
        QTest::addRow("%s, reduced", kind) << QString::fromLatin1(kind) << 60 << false;
        QTest::addRow("%s, shrunk on load", kind) << QString::fromLatin1(kind) << 30 << false;
        QTest::addRow("%s, reduced in bands", kind) << QString::fromLatin1(kind) << 60 << true;
        QTest::addRow("%s, full size in bands", kind) << QString::fromLatin1(kind) << 0 << true;
    }
}

// A file cut in the middle of its pixels fails as it did when it was decoded whole: nothing of
// what was streamed before the cut is written.
void TestStreaming::cutMidStreamIsTruncated()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(bool, bands);
    const QByteArray bytes = TestImages::readFile(source(name));
    const QString cut = m_dir.filePath("cut-" + name);
    TestImages::writeFile(cut, bytes.left(bytes.size() * 3 / 5));
    const PipelineResult result =
        convertFile(cut, width > 0 ? toWidth(width) : ConversionOptions(), {}, bands);
    QCOMPARE(result.failure.text(), QStringLiteral("unsupported or damaged image: the file is truncated"));
    QVERIFY(result.image.isNull());
    QVERIFY(result.compressed.isEmpty());
}

// A worker's scope keeps the memory of the large picture it let go and gives it to the next
// one that fits, never more than a file is admitted for.
// Rows held while something waits to draw on them, let go from the top as they are encoded: each
// comes back as it went in, through the ring's wrap and its growth while wrapped, and the runs
// the encoder is given lie one after another in memory.
void TestStreaming::heldRowsComeBackInOrder()
{
    constexpr int width = 5;
    const auto rowOf = [](int y) {
        QByteArray row(3 * width, Qt::Uninitialized);
        for (int x = 0; x < 3 * width; ++x)
            row[x] = char(y * 7 + x);
        return row;
    };
    HeldRows held(int(width), 32);
    int next = 0;
    // (rows in, rows let go) in turn: fills the first 32 slots, wraps, grows while wrapped, empties.
    const QVector<QPair<int, int>> steps {{20, 12}, {20, 30}, {25, 33}, {40, 40},
                                          {30, 95}, {9, 120}, {3, 121}};
    for (const auto &[count, dropTo] : steps) {
        QByteArray band;
        for (int i = 0; i < count; ++i)
            band += rowOf(next + i);
        QVERIFY(held.append(reinterpret_cast<const uchar *>(band.constData()), 3 * width, count));
        next += count;
        QCOMPARE(held.end(), next);
        for (int y = held.first(); y < held.end();) {
            const int run = held.runFrom(y);
            QVERIFY(run >= 1 && y + run <= held.end());
            for (int i = 0; i < run; ++i)
                QCOMPARE(QByteArray(reinterpret_cast<const char *>(held.row(y) + i * held.bytesPerLine()),
                                    3 * width),
                         rowOf(y + i));
            y += run;
        }
        held.dropBefore(dropTo);
        QCOMPARE(held.first(), std::min(dropTo, next));
    }
}

void TestStreaming::pictureMemoryIsKeptForTheNext()
{
    const QSize big(3000, 2000), smaller(2950, 1950), larger(3500, 2500);
    {
        LargeImageReuse reuse;
        QCOMPARE(LargeImageReuse::current(), &reuse);
        QImage first = reusedLargeImage(big, QImage::Format_RGB888);
        QVERIFY(!first.isNull());
        const uchar *bits = first.constBits();
        first.fill(Qt::red);
        first = QImage();
        const qint64 kept = reuse.keptBytes();
        QVERIFY(kept >= qint64(big.width()) * 3 * big.height());
        // A smaller picture takes the same memory, as it was.
        QImage second = reusedLargeImage(smaller, QImage::Format_RGB888);
        QCOMPARE(second.constBits(), bits);
        QCOMPARE(reuse.keptBytes(), 0);
        second = QImage();
        // A larger one is mapped anew; the kept memory is let go.
        const QImage third = reusedLargeImage(larger, QImage::Format_RGB888);
        QVERIFY(!third.isNull());
        QCOMPARE(reuse.keptBytes(), 0);
        // A picture that must start cleared never takes kept memory.
        QImage fourth = allocateLargeImage(big, QImage::Format_RGB888);
        fourth = QImage();
        QVERIFY(reuse.keptBytes() > 0);
        reuse.keepAtMost(reuse.keptBytes() - 1);
        QCOMPARE(reuse.keptBytes(), 0);
    }
    QCOMPARE(LargeImageReuse::current(), nullptr);
    // Without a scope nothing is kept: a picture is cleared memory, freshly mapped.
    const QImage alone = reusedLargeImage(big, QImage::Format_RGB888);
    QCOMPARE(alone.pixel(big.width() - 1, big.height() - 1), qRgb(0, 0, 0));
}

// A file streamed through the reducer is admitted for its rows and its output, not for the
// picture it never holds; a progressive JPEG for the coefficients libjpeg holds whole.
void TestStreaming::admittedForWhatIsHeld()
{
    const QString baseline = m_dir.filePath("admit.jpg");
    TestImages::writeWithQt(TestImages::detailed(3000, 2000), baseline, "jpeg", 90);
    const QString progressive = m_dir.filePath("admit-progressive.jpg");
    TestImages::run("jpegtran", {"-progressive", "-outfile", progressive, baseline});
    if (!QFile::exists(progressive))
        QSKIP("needs jpegtran (package libjpeg-turbo-progs)");
    const auto admitted = [](const QString &path, const ConversionOptions &options) {
        qint64 bytes = -1;
        const PipelineResult result = convertFile(
            path, options, [&](qint64 b) { bytes = b; }, true);
        return result.ok() ? bytes - QFileInfo(path).size() : -1;
    };
    const qint64 pixels = 3000 * 2000;
    // 300 x 200 out: its four bytes a pixel, a byte encoded, and a band of rows.
    const qint64 reduced = admitted(baseline, toWidth(300));
    QVERIFY2(reduced > 300 * 200 * 5 && reduced < 300 * 200 * 5 + 200 * 1000,
             qPrintable(QString::number(reduced)));
    // Full size, band by band into the encoder: the encoded bytes and a band.
    const qint64 bands = admitted(baseline, ConversionOptions());
    QVERIFY2(bands > pixels && bands < pixels + 400 * 1000, qPrintable(QString::number(bands)));
    // Progressive (4:2:0): two bytes for each of 1.5 coefficients a pixel, whatever the output.
    const qint64 coefficients = admitted(progressive, toWidth(300));
    QVERIFY2(coefficients > reduced + pixels * 3, qPrintable(QString::number(coefficients)));
}

QTEST_MAIN(TestStreaming)
void TestStreaming::aSecondCoreGivesTheSameBytes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("width");  // 0: full size (in bands unless drawn on)
    QTest::addColumn<bool>("drawn"); // a watermark and lines: a JPEG stamped in bands, others whole
    QTest::addColumn<bool>("cut");
    for (const char *kind : {"422.jpg", "444.jpg", "progressive.jpg", "gray.jpg", "opaque.png", "deep.png",
                             "tiled.tif", "premultiplied.tif"})
        QTest::addRow("%s, reduced", kind) << QString::fromLatin1(kind) << 500 << false << false;
    for (const char *kind : {"420.jpg", "gray.jpg", "opaque.png", "strips.tif"})
        QTest::addRow("%s, full size in bands", kind) << QString::fromLatin1(kind) << 0 << false << false;
    // A TIFF decoded whole: its lower half on the second core.
    for (const char *kind : {"strips.tif", "tiled.tif", "deep.tif", "gray.tif", "premultiplied.tif"})
        QTest::addRow("%s, whole", kind) << QString::fromLatin1(kind) << 0 << true << false;
    for (const char *kind : {"420.jpg", "444.jpg"})
        QTest::addRow("%s, stamped in bands", kind) << QString::fromLatin1(kind) << 0 << true << false;
    QTest::newRow("cut JPEG, stamped in bands") << "422.jpg" << 0 << true << true;
    QTest::newRow("cut JPEG, reduced") << "420.jpg" << 500 << false << true;
    QTest::newRow("cut JPEG, full size") << "420.jpg" << 0 << false << true;
    QTest::newRow("cut PNG, reduced") << "opaque.png" << 500 << false << true;
    QTest::newRow("cut TIFF, reduced") << "strips.tif" << 500 << false << true;
    QTest::newRow("cut TIFF, whole") << "strips.tif" << 0 << true << true;
    // Restart markers: the lower rows decoded on the second core at once.
    QTest::newRow("JPEG with restart markers, reduced") << "422-restarts.jpg" << 500 << false << false;
    QTest::newRow("JPEG with restart markers, reduced and drawn on")
        << "444-restarts7.jpg" << 500 << true << false;
    QTest::newRow("cut JPEG with restart markers, reduced") << "422-restarts.jpg" << 500 << false << true;
}

// With a core to spare, the reducer or the band encoder runs on a second thread while the
// reader decodes (or a TIFF decoded whole decodes half its rows there): the same pixels and
// bytes, the same failure, and the core is given back.
void TestStreaming::aSecondCoreGivesTheSameBytes()
{
    QFETCH(QString, kind);
    QFETCH(int, width);
    QFETCH(bool, drawn);
    QFETCH(bool, cut);
    QString path = largeSource(kind);
    if (cut) {
        const QByteArray bytes = TestImages::readFile(path);
        path = m_dir.filePath("large-cut-" + kind);
        TestImages::writeFile(path, bytes.left(bytes.size() * 3 / 5));
    }
    ConversionOptions options = width > 0 ? toWidth(width) : ConversionOptions();
    if (drawn) {
        options.watermark.enabled = true;
        options.watermark.text = QStringLiteral("(c) Two Cores");
        options.copyright.enabled = true;
        options.copyright.pattern = LinePattern::DiagonalCross;
        options.copyright.opacity = 0.5f;
    }
    const PipelineResult alone = convertFile(path, options, {}, true);
    SpareCores cores(1);
    PipelineResult helped;
    {
        const SpareCoresScope scope(&cores);
        helped = convertFile(path, options, {}, true);
    }
    QVERIFY2(cores.take(), "the borrowed core was not given back");
    QVERIFY(!cores.take());
    QCOMPARE(helped.failure.text(), alone.failure.text());
    QCOMPARE(helped.failure.failed(), cut);
    QVERIFY(helped.compressed.bytes == alone.compressed.bytes);
    QString where;
    QVERIFY2(helped.image.isNull() == alone.image.isNull() &&
                 (alone.image.isNull() || samePixels(helped.image, alone.image, &where)),
             qPrintable(where));
}

namespace {
// Keeps every row it is given and the threads it was given them on; fails when told to.
class RecordingSink final : public RowSink {
public:
    int failAtCall = -1;
    QImage rows;
    int taken = 0, calls = 0;
    std::thread::id beganOn, tookOn;
    Failure begin(QSize size, QImage::Format format, const DecodedImage &) override
    {
        beganOn = std::this_thread::get_id();
        rows = QImage(size, format);
        return {};
    }
    Failure take(uchar *bits, qsizetype bytesPerLine, int count) override
    {
        tookOn = std::this_thread::get_id();
        if (calls++ == failAtCall)
            return Failure(FailureReason::Unsupported, QStringLiteral("the sink gave up"));
        for (int i = 0; i < count && taken < rows.height(); ++i, ++taken)
            std::memcpy(rows.scanLine(taken), bits + i * bytesPerLine,
                        size_t(std::min(bytesPerLine, qsizetype(rows.width()) * rows.depth() / 8)));
        return {};
    }
};
} // namespace

// The rows cross to the second thread in order and whole, band after band; a target that fails
// stops the reader with its failure, however many bands are on their way.
void TestStreaming::bandsGoRoundBetweenTwoThreads()
{
    const QString path = largeSource("444.jpg");
    ImageDecoder direct(path);
    QVERIFY(!direct.open().failed());
    RecordingSink expected;
    QVERIFY(direct.decodeRows(QSize(), &expected).ok());
    QCOMPARE(expected.taken, 901);

    SpareCores cores(1);
    const SpareCoresScope scope(&cores);
    for (const int failAt : {-1, 0, 3}) {
        ImageDecoder decoder(path);
        QVERIFY(!decoder.open().failed());
        RecordingSink sink;
        sink.failAtCall = failAt;
        BandHandoff handoff(&sink, [] { return true; });
        Result<DecodedImage> decoded = decoder.decodeRows(QSize(), &handoff);
        const Failure finished = handoff.finish();
        QVERIFY(handoff.handedOff());
        QCOMPARE(sink.beganOn, std::this_thread::get_id());
        QVERIFY(sink.tookOn != std::this_thread::get_id());
        if (failAt < 0) {
            QVERIFY(decoded.ok());
            QVERIFY(!finished.failed());
            QVERIFY(sink.calls > 4); // more bands than go round
            QString where;
            QVERIFY2(samePixels(sink.rows, expected.rows, &where), qPrintable(where));
        } else {
            const Failure failure = decoded.ok() ? finished : decoded.failure();
            QCOMPARE(failure.detail, QStringLiteral("the sink gave up"));
            QCOMPARE(sink.calls, failAt + 1);
        }
    }
}

namespace {
// Takes a picture in two parts when a reader offers to divide it, as a reducer would (a few rows
// more above than the lower part begins at), recording each.
class DividingSink final : public RowSink {
public:
    RecordingSink upper, lower;
    int first = -1, rowsAbove = -1;
    Failure begin(QSize size, QImage::Format format, const DecodedImage &facts) override
    {
        lower.begin(size, format, facts);
        return upper.begin(size, format, facts);
    }
    Failure take(uchar *bits, qsizetype bytesPerLine, int count) override
    {
        return upper.take(bits, bytesPerLine, count);
    }
    bool canDivide() const override { return upper.taken == 0 && first < 0; }
    RowSink *divide(int from, int *above) override
    {
        first = from;
        rowsAbove = *above = from + 5;
        lower.taken = from;
        return &lower;
    }
    Failure joinDivided() override
    {
        ++joins;
        return {};
    }
    int joins = 0;
};
} // namespace

void TestStreaming::twoDecodersShareAPicture_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("shrink"); // the picture's size is its stored size divided by this
    QTest::addColumn<bool>("divided");
    QTest::newRow("4:2:2, a restart every row of MCUs") << "422-restarts.jpg" << 1 << true;
    QTest::newRow("4:4:4, a restart every 7 MCUs") << "444-restarts7.jpg" << 1 << true;
    QTest::newRow("gray") << "gray-restarts.jpg" << 1 << true;
    QTest::newRow("4:2:0, halved") << "420-restarts.jpg" << 2 << true;
    // Most of the work is reading the coded data: a picture shrunk to an eighth is divided too.
    QTest::newRow("4:2:2, an eighth") << "422-restarts.jpg" << 8 << true;
    // Its chroma is upsampled from the rows above and below.
    QTest::newRow("4:2:0, full size") << "420-restarts.jpg" << 1 << false;
    QTest::newRow("progressive") << "progressive-restarts.jpg" << 1 << false;
    QTest::newRow("restart markers out of order") << "444-restarts7.jpg" << 0 << false;
    // No restart markers: the second decoder enters the data where it has read it to. The
    // Huffman tables are ImageMagick's, made for each picture, or libjpeg's standard (cjpeg's).
    QTest::newRow("4:4:4, no restart markers") << "444.jpg" << 1 << true;
    QTest::newRow("4:2:2 at an eighth, no restart markers") << "422.jpg" << 8 << true;
    QTest::newRow("gray, no restart markers") << "gray.jpg" << 1 << true;
    QTest::newRow("4:2:0, halved, standard tables") << "420-standard.jpg" << 2 << true;
    QTest::newRow("flat areas, tables made for them") << "flat.jpg" << 1 << true;
    QTest::newRow("a gradient, small DC differences only") << "gradient.jpg" << 1 << true;
    // Four components: divided when decoded whole (the rows to a sink are converted from CMYK).
    QTest::newRow("CMYK, no restart markers") << "cmyk.jpg" << 1 << false;
    // An undecodable code above the entry: the second decoder decodes from the top.
    QTest::newRow("damaged, no restart markers") << "422.jpg" << -1 << true;
}

// A JPEG is decoded in two parts at once, the rows from a row of MCUs near the middle on (or
// lower, without restart markers) by a second decoder on a second thread (given to a sink, or
// into the whole picture): every row as one decoder gives it. A file that would not give the
// same rows so is decoded in one part.
void TestStreaming::twoDecodersShareAPicture()
{
    QFETCH(QString, kind);
    QFETCH(int, shrink);
    QFETCH(bool, divided);
    QString path;
    if (shrink == 2) {
        // With restart markers, divided at the 58th row of MCUs, after the 58th restart marker,
        // RST1: the second decoder's markers are not numbered from RST0.
        path = m_dir.filePath("huge-" + kind);
        if (!QFile::exists(path)) {
            TestImages::detailed(2410, 1850).save(m_dir.filePath("huge-master.png"));
            TestImages::run("convert",
                            QStringList {m_dir.filePath("huge-master.png")} << recipes().value(kind) << path);
            finish(kind, path);
        }
    } else {
        path = largeSource(kind);
    }
    if (shrink == 0) {
        QByteArray bytes = TestImages::readFile(path);
        const qsizetype second = bytes.indexOf("\xFF\xD1", bytes.indexOf("\xFF\xDA"));
        QVERIFY(second > 0);
        bytes[second + 1] = char(0xD5);
        path = m_dir.filePath("disordered-" + kind);
        TestImages::writeFile(path, bytes);
        shrink = 1;
    } else if (shrink < 0) {
        QByteArray bytes = TestImages::readFile(path);
        const qsizetype data = bytes.indexOf("\xFF\xDA");
        QVERIFY(data > 0);
        // Sixteen 1 bits and more: no code of any table.
        bytes.replace(data + (bytes.size() - data) / 3, 6, QByteArray("\xFF\x00\xFF\x00\xFF\x00", 6));
        path = m_dir.filePath("damaged-" + kind);
        TestImages::writeFile(path, bytes);
        shrink = 1;
    }
    if (divided && !kind.contains("restarts")) {
        // Entered where the data was read to, except after a damage.
        const QByteArray bytes = TestImages::readFile(path);
        const std::optional<JpegPartEntry> entry = jpegScanEntry(bytes, jpegMcuRows(bytes).rows / 2);
        QCOMPARE(entry.has_value(), !path.contains("damaged"));
    }
    ImageDecoder whole(path);
    QVERIFY(!whole.open().failed());
    const QSize minimum = whole.size() / shrink;
    RecordingSink expected;
    QVERIFY(whole.decodeRows(minimum, &expected).ok());

    // Decoded whole with a core to spare: the same picture.
    {
        SpareCores cores(1);
        const SpareCoresScope scope(&cores);
        ImageDecoder helped(path);
        QVERIFY(!helped.open().failed());
        const Result<DecodedImage> picture = helped.decode(minimum);
        QVERIFY(picture.ok());
        QString where;
        QVERIFY2(samePixels(picture.value().image, expected.rows, &where), qPrintable(where));
        QVERIFY(cores.take());
    }

    ImageDecoder decoder(path);
    QVERIFY(!decoder.open().failed());
    DividingSink sink;
    const Result<DecodedImage> decoded = decoder.decodeRows(minimum, &sink);
    QVERIFY(decoded.ok());
    QCOMPARE(sink.first >= 0, divided);
    QString where;
    if (!divided) {
        QCOMPARE(sink.upper.taken, expected.taken);
        QVERIFY2(samePixels(sink.upper.rows, expected.rows, &where), qPrintable(where));
        return;
    }
    const int height = expected.rows.height();
    QVERIFY2(sink.first > height / 4 && sink.first < height * 3 / 4, qPrintable(QString::number(sink.first)));
    QVERIFY(sink.upper.taken >= sink.rowsAbove);
    QCOMPARE(sink.lower.taken, height);
    QVERIFY(sink.lower.tookOn != std::this_thread::get_id());
    QCOMPARE(sink.joins, 1);
    QImage rows = sink.lower.rows;
    for (int y = 0; y < sink.rowsAbove; ++y)
        std::memcpy(rows.scanLine(y), sink.upper.rows.constScanLine(y), size_t(rows.bytesPerLine()));
    QVERIFY2(samePixels(rows, expected.rows, &where), qPrintable(where));
    // The upper part's rows below the lower part's first are the lower part's too.
    const size_t length = size_t(rows.width()) * size_t(rows.depth() / 8);
    for (int y = sink.first; y < sink.rowsAbove; ++y)
        QVERIFY(std::memcmp(sink.lower.rows.constScanLine(y), sink.upper.rows.constScanLine(y), length) == 0);
}

// A preview drawn again after an option change takes the picture the last preview decoded and
// draws the same pixels as a preview decoded anew; a file changed since is decoded again.
void TestStreaming::previewsAfterAnOptionChangeAreDrawnAsAnew()
{
    const QString path = m_dir.filePath("previewed.jpg");
    QFile::remove(path);
    QVERIFY(QFile::copy(largeSource("422.jpg"), path));
    TestImages::setExif(path, {{"Exif.Image.Orientation", "6"}});
    ConversionOptions first;
    first.watermark.enabled = true;
    first.watermark.text = QStringLiteral("first");
    ConversionOptions second = first;
    second.watermark.text = QStringLiteral("second");
    second.copyright.enabled = true;
    second.format = OutputFormat::Png;

    const auto fresh = [&](const ConversionOptions &options) {
        PreviewDecodes::forgetAll();
        return previewFile(path, options, QSize(300, 200)).image;
    };
    const QImage expected = fresh(second);

    PreviewDecodes::forgetAll();
    QVERIFY(!previewFile(path, first, QSize(300, 200)).image.isNull());
    QCOMPARE(PreviewDecodes::keptCount(), 1);
    const QImage again = previewFile(path, second, QSize(300, 200)).image;
    QCOMPARE(PreviewDecodes::keptCount(), 1);
    QString where;
    QVERIFY2(samePixels(again, expected, &where), qPrintable(where));

    // Another picture written over the file: its own pixels, not the kept ones.
    QImage other = TestImages::detailed(1203, 901).mirrored(true, false);
    QVERIFY(other.save(m_dir.filePath("other.jpg"), "JPEG", 90));
    QVERIFY(QFile::remove(path) && QFile::rename(m_dir.filePath("other.jpg"), path));
    const QImage changed = previewFile(path, second, QSize(300, 200)).image;
    QVERIFY(!samePixels(changed, expected, &where));
    QVERIFY2(samePixels(changed, fresh(second), &where), qPrintable(where));
    PreviewDecodes::forgetAll();
}

// Within a run, a file's bytes and its output reuse the memory the last file freed: after the
// first file, touching its output faults in hardly a page, and the bytes of a file over 16 MiB
// (whose room rounded up to a power of two would be mapped on its own) come from the heap too.
void TestStreaming::theHeapKeepsAFilesMemoryForTheNext()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("a sanitizer's allocator keeps freed memory aside on purpose");
#endif
    const auto faults = [] {
        struct rusage usage {};
        getrusage(RUSAGE_THREAD, &usage);
        return long(usage.ru_minflt);
    };
    constexpr qsizetype kFile = 20 * 1024 * 1024 + 12345, kOutput = 9 * 1024 * 1024;
    const QString path = m_dir.filePath("twenty-megabytes.bin");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(kFile, 'x')), kFile);
    }
    long firstFile = 0, laterFiles = 0;
    size_t mappedForBytes = 0;
    std::thread worker([&] {
        const HeapReuse heap;
        for (int i = 0; i < 6; ++i) {
            const size_t mappedBefore = mallinfo2().hblkhd;
            const Result<QByteArray> bytes = readInputFile(path);
            mappedForBytes = std::max(mappedForBytes, mallinfo2().hblkhd - mappedBefore);
            const long before = faults();
            auto *output = static_cast<volatile char *>(std::malloc(kOutput));
            for (qsizetype at = 0; output && at < kOutput; at += 4096)
                output[at] = 1;
            std::free(const_cast<char *>(output));
            (i == 0 ? firstFile : laterFiles) += faults() - before;
        }
    });
    worker.join();
    QVERIFY2(mappedForBytes < size_t(kFile), qPrintable(QString::number(mappedForBytes)));
    const long pages = long(kOutput / 4096);
    QVERIFY2(firstFile > pages / 2, qPrintable(QString::number(firstFile)));
    QVERIFY2(laterFiles < pages / 2, qPrintable(QString::number(laterFiles)));
}

#include "tst_streaming.moc"
