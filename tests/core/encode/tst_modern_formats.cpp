// WebP, AVIF and JPEG XL outputs, read back with each format's own decoder tool (dwebp, avifdec,
// djxl) and exiftool.
#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "encode/OutputEncoder.h"
#include "metadata/SourceMetadata.h"

#include <QtTest>

#include <cmath>
#include <limits>

using TestImages::run;

namespace {

constexpr double kExact = std::numeric_limits<double>::infinity();

struct Tool {
    const char *program;
    const char *package;
};

Tool decoderOf(OutputFormat format)
{
    switch (format) {
    case OutputFormat::WebP:
        return {"dwebp", "webp"};
    case OutputFormat::Avif:
        return {"avifdec", "libavif-bin"};
    default:
        return {"djxl", "libjxl-tools"};
    }
}

// The name of a tool that is not installed, with its package; empty when all are there.
QString missing(const QList<Tool> &tools)
{
    for (const Tool &tool : tools)
        if (QStandardPaths::findExecutable(QLatin1String(tool.program)).isEmpty())
            return QStringLiteral("%1 is not installed (package %2)").arg(tool.program, tool.package);
    return QString();
}

#define SKIP_WITHOUT(...)                                                                                    \
    do {                                                                                                     \
        const QString why = missing({__VA_ARGS__});                                                          \
        if (!why.isEmpty())                                                                                  \
            QSKIP(qPrintable(why));                                                                          \
    } while (false)

// The file decoded to PNG by the format's own tool (16 bits where the file has more than 8).
QImage decodedByTool(const QString &path, OutputFormat format)
{
    const QString png = path + ".decoded.png";
    QFile::remove(png);
    int code = -1;
    const QString said = format == OutputFormat::WebP   ? run("dwebp", {"-quiet", path, "-o", png}, &code)
                         : format == OutputFormat::Avif ? run("avifdec", {path, png}, &code)
                                                        : run("djxl", {path, png}, &code);
    if (code != 0)
        qWarning("%s", qPrintable(said));
    return QImage(png);
}

// A photo-like picture: smooth gradients with hard-edged shapes; with alpha, a transparent
// corner (whose hidden colours are not black) and a half-transparent band.
QImage scene(int w, int h, bool alpha)
{
    QImage image(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int r = 40 + x * 180 / w, g = 60 + y * 160 / h, b = 200 - (x + y) * 150 / (w + h);
            if ((x / 16 + y / 16) % 5 == 0)
                r = std::min(255, r + 50), g = std::min(255, g + 50),
                b = std::min(255, b + 50); // a few lighter tiles with sharp edges
            const int a = !alpha                         ? 255
                          : (x < w / 4 && y < h / 4)     ? 0
                          : (y > h / 2 && y < h / 2 + 8) ? 128
                                                         : 255;
            image.setPixel(x, y, qRgba(r, g, b, a));
        }
    return image;
}

// The colours as seen over black, so the colours under transparent pixels do not count.
QImage visible(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = qPremultiply(line[x]) | 0xff000000u;
    }
    return out.convertToFormat(QImage::Format_RGB32);
}

int largestAlphaDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            largest = std::max(largest, std::abs(qAlpha(x.pixel(col, row)) - qAlpha(y.pixel(col, row))));
    return largest;
}

FileResult convertOne(const QString &input, const QString &folder, const ConversionOptions &options)
{
    ConversionJob job;
    job.inputs = {input};
    job.options = options;
    job.outputFolder = folder;
    return ConversionRunner(job).run().files.value(0);
}

ConversionOptions optionsFor(OutputFormat format, int quality = kDefaultJpegQuality)
{
    ConversionOptions options;
    options.format = format;
    options.jpegQuality = quality;
    return options;
}

// The top-level boxes of a JPEG XL container, by type.
QStringList jxlBoxes(const QByteArray &file)
{
    QStringList types;
    qsizetype at = 0;
    while (at + 8 <= file.size()) {
        quint64 size = qFromBigEndian<quint32>(file.constData() + at);
        types << QString::fromLatin1(file.mid(at + 4, 4));
        if (size == 1 && at + 16 <= file.size())
            size = qFromBigEndian<quint64>(file.constData() + at + 8);
        if (size == 0)
            break; // the last box runs to the end
        if (size < 8)
            return types << QStringLiteral("(damaged)");
        at += qsizetype(size);
    }
    return types;
}

QString exiftool(const QString &path, const QString &tag)
{
    return run("exiftool", {"-s3", "-n", "-" + tag, path}).trimmed();
}

QByteArray exiftoolBinary(const QString &path, const QString &tag)
{
    QProcess process;
    process.start("exiftool", {"-b", "-" + tag, path});
    process.waitForFinished(30000);
    return process.readAllStandardOutput();
}

} // namespace

class TestModernFormats : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTripsThroughItsDecoder_data();
    void roundTripsThroughItsDecoder();
    void metadataAndProfileReachTheFile_data();
    void metadataAndProfileReachTheFile();
    void jpegIsRecompressedOnlyWhenUntouched_data();
    void jpegIsRecompressedOnlyWhenUntouched();
    void webpRefusesSidesOverItsLimit();
    void grayProfileBecomesSrgbForWebp();
};

void TestModernFormats::roundTripsThroughItsDecoder_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("kind"); // opaque, alpha, gray, deep
    QTest::addColumn<int>("quality");
    QTest::addColumn<double>("minPsnr"); // over the visible colours; kExact: every sample equal
    // Lossy bounds at 85 sit 2 to 3 dB under what each encoder gives on this picture (WebP 34.1,
    // AVIF 46.4, JPEG XL 44.5 dB; JPEG gives 45.9).
    const struct {
        OutputFormat format;
        const char *name;
        double psnr85;
    } formats[] = {{OutputFormat::WebP, "WebP", 32.0},
                   {OutputFormat::Avif, "AVIF", 43.0},
                   {OutputFormat::JpegXl, "JPEG XL", 41.0}};
    for (const auto &f : formats) {
        const int format = int(f.format);
        QTest::addRow("%s opaque at 85", f.name) << format << "opaque" << 85 << f.psnr85;
        QTest::addRow("%s opaque at 100: lossless", f.name) << format << "opaque" << 100 << kExact;
        QTest::addRow("%s alpha at 85", f.name) << format << "alpha" << 85 << f.psnr85;
        QTest::addRow("%s alpha at 100: lossless", f.name) << format << "alpha" << 100 << kExact;
        QTest::addRow("%s gray at 100: lossless", f.name) << format << "gray" << 100 << kExact;
    }
    // 16 bits: JPEG XL keeps them; AVIF writes 10, within half a 10-bit step.
    QTest::addRow("JPEG XL 16-bit at 100: lossless") << int(OutputFormat::JpegXl) << "deep" << 100 << kExact;
    QTest::addRow("AVIF 16-bit at 100: 10 bits") << int(OutputFormat::Avif) << "deep" << 100 << 0.0;
}

void TestModernFormats::roundTripsThroughItsDecoder()
{
    QFETCH(int, format);
    QFETCH(QString, kind);
    QFETCH(int, quality);
    QFETCH(double, minPsnr);
    const OutputFormat outputFormat = OutputFormat(format);
    SKIP_WITHOUT(decoderOf(outputFormat));
    QTemporaryDir dir;
    QImage source = scene(96, 64, kind == "alpha");
    if (kind == "gray")
        source = source.convertToFormat(QImage::Format_Grayscale8);
    if (kind == "deep") {
        source = QImage(96, 64, QImage::Format_RGBX64);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 96; ++x)
                source.setPixelColor(x, y,
                                     QColor::fromRgba64(quint16(x * 683 + 7), quint16(y * 1021 + 3), 40000));
    }

    const Result<EncodedOutput> encoded =
        encodeOutput(source, optionsFor(outputFormat, quality), 72.0, QByteArray(), SourceMetadata());
    QVERIFY2(encoded.ok(), qPrintable(encoded.ok() ? QString() : encoded.failure().detail));
    QVERIFY(encoded.value().notes.isEmpty());
    const QString path = dir.filePath("out" + extensionFor(outputFormat));
    TestImages::writeFile(path, encoded.value().bytes);
    const QImage back = decodedByTool(path, outputFormat);
    QCOMPARE(back.size(), source.size());

    if (kind == "deep") {
        const QImage wide = back.convertToFormat(QImage::Format_RGBX64);
        const int tolerance = outputFormat == OutputFormat::Avif ? 33 : 0; // 65535 / 1023 / 2 + rounding
        for (int y = 0; y < 64; y += 7)
            for (int x = 0; x < 96; x += 5) {
                const QRgba64 a = wide.pixelColor(x, y).rgba64(), e = source.pixelColor(x, y).rgba64();
                QVERIFY2(std::abs(a.red() - e.red()) <= tolerance &&
                             std::abs(a.green() - e.green()) <= tolerance &&
                             std::abs(a.blue() - e.blue()) <= tolerance,
                         qPrintable(QStringLiteral("at (%1, %2)").arg(x).arg(y)));
            }
        return;
    }
    if (minPsnr == kExact) {
        // Every sample, the colours under transparent pixels too.
        PM_COMPARE_IMAGES(back, source, 0);
        return;
    }
    QVERIFY(back.hasAlphaChannel() == source.hasAlphaChannel());
    // WebP and AVIF code alpha losslessly whatever the quality; libjxl 0.7 codes it with the
    // colours' distance.
    if (source.hasAlphaChannel())
        QVERIFY(largestAlphaDifference(back, source) <= (outputFormat == OutputFormat::JpegXl ? 4 : 0));
    const double psnr = TestImages::psnr(visible(back), visible(source));
    QVERIFY2(psnr >= minPsnr, qPrintable(QStringLiteral("PSNR %1 dB").arg(psnr)));
}

void TestModernFormats::metadataAndProfileReachTheFile_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("WebP") << int(OutputFormat::WebP);
    QTest::newRow("AVIF") << int(OutputFormat::Avif);
    QTest::newRow("JPEG XL") << int(OutputFormat::JpegXl);
}

void TestModernFormats::metadataAndProfileReachTheFile()
{
    QFETCH(int, format);
    const OutputFormat outputFormat = OutputFormat(format);
    SKIP_WITHOUT(decoderOf(outputFormat), Tool {"exiftool", "libimage-exiftool-perl"});
    QTemporaryDir dir;
    // A camera-like JPEG, stored on its side (orientation 6), with EXIF, XMP, IPTC and an
    // Adobe RGB profile.
    const QString source = dir.filePath("camera.jpg");
    TestImages::writeWithQt(TestImages::quadrants(400, 300), source, "jpeg", 95);
    TestImages::setExif(source, {{"Exif.Image.Make", "TestCam"},
                                 {"Exif.Image.Artist", "Ann Example"},
                                 {"Exif.Image.Orientation", "6"},
                                 {"Exif.Photo.PixelXDimension", "400"},
                                 {"Exif.Photo.PixelYDimension", "300"}});
    TestImages::setXmp(source, {{"Xmp.dc.title", "Harbour"}});
    TestImages::setIptc(source, {{"Iptc.Application2.Keywords", "boats"}});
    const QByteArray profile = TestImages::adobeRgbProfile();
    TestImages::setIcc(source, profile);

    const FileResult written = convertOne(source, dir.path(), optionsFor(outputFormat));
    QCOMPARE(written.status, FileStatus::Written);
    QVERIFY2(written.notes.isEmpty(), qPrintable(written.notes.join("; ")));
    QVERIFY(written.output.endsWith(extensionFor(outputFormat)));
    const QString out = written.output;
    QCOMPARE(exiftool(out, "EXIF:Artist"), QStringLiteral("Ann Example"));
    QCOMPARE(exiftool(out, "EXIF:Make"), QStringLiteral("TestCam"));
    QCOMPARE(exiftool(out, "EXIF:Orientation"), QStringLiteral("1"));
    QCOMPARE(exiftool(out, "EXIF:ExifImageWidth"), QStringLiteral("300"));
    QCOMPARE(exiftool(out, "EXIF:ExifImageHeight"), QStringLiteral("400"));
    QCOMPARE(exiftool(out, "XMP-dc:Title"), QStringLiteral("Harbour"));
    QCOMPARE(exiftool(out, "XMP-dc:Subject"), QStringLiteral("boats")); // the IPTC keywords, in XMP
    QVERIFY(exiftool(out, "EXIF:ThumbnailLength").isEmpty());

    // Upright: stored red at the top left turns to the top right, stored blue comes to the top left.
    const QImage back = decodedByTool(out, outputFormat);
    QCOMPARE(back.size(), QSize(300, 400));
    const QColor topRight = back.pixelColor(280, 20), topLeft = back.pixelColor(20, 20);
    QVERIFY2(topRight.red() > 150 && topRight.green() < 80, qPrintable(topRight.name()));
    QVERIFY2(topLeft.blue() > 150 && topLeft.red() < 80, qPrintable(topLeft.name()));

    // The profile byte for byte, as exiftool finds it in the file, or for JPEG XL (whose profile
    // is inside the codestream) as djxl gives it.
    QByteArray kept;
    if (outputFormat == OutputFormat::JpegXl) {
        const QString icc = dir.filePath("kept.icc");
        run("djxl", {out, dir.filePath("ignored.png"), "--orig_icc_out=" + icc});
        kept = TestImages::readFile(icc);
    } else {
        kept = exiftoolBinary(out, "ICC_Profile");
    }
    QCOMPARE(kept, profile);
}

void TestModernFormats::jpegIsRecompressedOnlyWhenUntouched_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("recompressed");
    QTest::newRow("none: recompressed") << "none" << true;
    QTest::newRow("tagged orientation 6") << "turned" << false;
    QTest::newRow("resized") << "resized" << false;
    QTest::newRow("a watermark") << "watermark" << false;
    QTest::newRow("Adobe RGB converted to sRGB") << "srgb" << false;
    QTest::newRow("sRGB asked of a JPEG without profile: recompressed") << "srgb-none" << true;
    QTest::newRow("a damaged profile, left out with a note") << "damaged" << false;
    // The recompressed file would carry the source's metadata whole.
    QTest::newRow("metadata without the location") << "no-location" << false;
}

void TestModernFormats::jpegIsRecompressedOnlyWhenUntouched()
{
    QFETCH(QString, change);
    QFETCH(bool, recompressed);
    SKIP_WITHOUT(Tool {"djxl", "libjxl-tools"});
    QTemporaryDir dir;
    const QString source = dir.filePath("photo.jpg");
    TestImages::writeWithQt(TestImages::quadrants(320, 240), source, "jpeg", 90);
    TestImages::setExif(
        source, {{"Exif.Image.Make", "TestCam"}, {"Exif.Image.Orientation", change == "turned" ? "6" : "1"}});
    if (change == "srgb")
        TestImages::setIcc(source, TestImages::adobeRgbProfile());
    if (change == "damaged") {
        // An RGB display profile's header with an empty tag table: it describes no colours.
        QByteArray header(132, '\0');
        qToBigEndian<quint32>(132, header.data());
        header.replace(8, 2, "\x02\x10");
        header.replace(12, 12, "mntrRGB XYZ ");
        header.replace(36, 4, "acsp");
        TestImages::setIcc(source, header);
    }
    const QByteArray original = TestImages::readFile(source);

    ConversionOptions options = optionsFor(OutputFormat::JpegXl, 60); // the quality does not apply
    if (change == "resized") {
        options.resize = ResizeMode::Width;
        options.resizeTo = 160;
    } else if (change == "watermark") {
        options.watermark.enabled = true;
        options.watermark.text = QStringLiteral("Proof");
    } else if (change.startsWith("srgb")) {
        options.outputProfile = OutputProfile::Srgb;
    } else if (change == "no-location") {
        options.metadata = MetadataKept::NoLocation;
    }
    const FileResult written = convertOne(source, dir.path(), options);
    QCOMPARE(written.status, FileStatus::Written);
    QCOMPARE(written.notes, change == "damaged"
                                ? QStringList {"the colour profile is damaged and is left out"}
                                : QStringList());
    const QByteArray jxl = TestImages::readFile(written.output);
    QCOMPARE(jxlBoxes(jxl).contains(QStringLiteral("jbrd")), recompressed);

    const QString rebuilt = dir.filePath("rebuilt.jpg");
    int code = -1;
    run("djxl", {written.output, rebuilt}, &code);
    QCOMPARE(code, 0);
    if (recompressed) {
        // The original file, byte for byte, from a file a fifth smaller or more.
        QCOMPARE(TestImages::readFile(rebuilt), original);
        QVERIFY2(jxl.size() < original.size() * 0.85,
                 qPrintable(QStringLiteral("%1 of %2 bytes").arg(jxl.size()).arg(original.size())));
        QCOMPARE(exiftool(written.output, "EXIF:Make"), QStringLiteral("TestCam"));
    } else {
        const QSize size = QImage(rebuilt).size();
        QCOMPARE(size, change == "turned"    ? QSize(240, 320)
                       : change == "resized" ? QSize(160, 120)
                                             : QSize(320, 240));
    }
}

void TestModernFormats::webpRefusesSidesOverItsLimit()
{
    QTemporaryDir dir;
    const QString wide = dir.filePath("wide.png");
    QImage strip(16384, 2, QImage::Format_RGB32);
    strip.fill(Qt::gray);
    TestImages::writeWithQt(strip, wide, "png");
    const FileResult refused = convertOne(wide, dir.path(), optionsFor(OutputFormat::WebP));
    QCOMPARE(refused.status, FileStatus::Failed);
    QCOMPARE(refused.failure.reason, FailureReason::TooLarge);
    QCOMPARE(refused.failure.detail,
             QStringLiteral("the output would be 16384 x 2 pixels; WebP holds at most 16383 a side"));
    QCOMPARE(QDir(dir.path()).entryList({"*.webp"}), QStringList());

    // One pixel less fits.
    TestImages::writeWithQt(strip.copy(0, 0, 16383, 2), wide, "png");
    QCOMPARE(convertOne(wide, dir.path(), optionsFor(OutputFormat::WebP)).status, FileStatus::Written);
}

// WebP holds RGB only: a gray picture's gray profile would not describe the file, so the
// picture is converted to sRGB and tagged with the RGB sRGB profile. AVIF and JPEG XL keep gray.
void TestModernFormats::grayProfileBecomesSrgbForWebp()
{
    SKIP_WITHOUT(Tool {"exiftool", "libimage-exiftool-perl"});
    QTemporaryDir dir;
    const QString gray = dir.filePath("gray.png");
    TestImages::writeWithQt(scene(40, 30, false).convertToFormat(QImage::Format_Grayscale8), gray, "png");
    TestImages::setIcc(gray, TestImages::grayProfile());
    const FileResult webp = convertOne(gray, dir.path(), optionsFor(OutputFormat::WebP, 100));
    QCOMPARE(webp.status, FileStatus::Written);
    QVERIFY2(webp.notes.isEmpty(), qPrintable(webp.notes.join("; ")));
    QCOMPARE(exiftool(webp.output, "ICC_Profile:ColorSpaceData"), QStringLiteral("RGB"));
    QCOMPARE(exiftool(webp.output, "ICC_Profile:ProfileDescription"), QStringLiteral("sRGB built-in"));
    const FileResult avif = convertOne(gray, dir.path(), optionsFor(OutputFormat::Avif));
    QCOMPARE(exiftool(avif.output, "ICC_Profile:ColorSpaceData"), QStringLiteral("GRAY"));
}

QTEST_MAIN(TestModernFormats)
#include "tst_modern_formats.moc"
