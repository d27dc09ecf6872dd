#include "TestImages.h"
#include "decode/ImageDecoder.h"
#include "metadata/SourceMetadata.h"
#include "options/ConversionOptions.h"
#include "pipeline/RenderFile.h"

#include <QBuffer>
#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <sys/stat.h>

namespace {

DecodedImage decodeOrFail(const QString &path, QSize minimum = QSize())
{
    TestImages::saveFuzzSeed(QStringLiteral("image"), TestImages::readFile(path));
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode(minimum);
    if (!decoded.ok())
        qWarning("decoding %s failed: %s", qPrintable(path), qPrintable(decoded.failure().text()));
    return decoded.value();
}

} // namespace

class TestDecoding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void formats_data();
    void formats();
    void cmykBecomesRgb_data();
    void cmykBecomesRgb();
    void largestRepresentation_data();
    void largestRepresentation();
    void shrinkOnLoadNeverBelowTheMinimum();
    void resolution_data();
    void resolution();
    void badInputs_data();
    void badInputs();
    void bombIsRefusedBeforeAllocation();
    void inputsThatAreNotWhatTheySeem();
    void truncatedFilesAreRefused_data();
    void truncatedFilesAreRefused();
    void cutsBehindAWholeStructure_data();
    void cutsBehindAWholeStructure();
    void loopingPageChainEndsAtTheLoop_data();
    void loopingPageChainEndsAtTheLoop();

private:
    QTemporaryDir m_dir;
    QImage m_picture;
};

void TestDecoding::initTestCase()
{
    m_picture = TestImages::quadrants(64, 48);
}

void TestDecoding::formats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tolerance");
    // Written by Qt's writers or ImageMagick, never by the core. PNG, TIFF and BMP in all their
    // layouts are tst_png's, tst_tiff's and tst_bmp's.
    QTest::newRow("baseline JPEG") << "base.jpg" << 1;
    QTest::newRow("progressive JPEG") << "prog.jpg" << 1;
    QTest::newRow("GIF first frame") << "anim.gif" << 0;
    QTest::newRow("WebP lossless") << "pic.webp" << 0;
    QTest::newRow("PNG named .gif") << "misnamed.gif" << 0;
}

void TestDecoding::formats()
{
    QFETCH(QString, name);
    QFETCH(int, tolerance);
    const QString path = m_dir.filePath(name);
    QImage expected = m_picture;
    if (name == "base.jpg") {
        TestImages::writeWithQt(m_picture, path, "jpeg", 95);
        expected = QImage(path); // lossy: Qt's own decoder is the reference
    } else if (name == "prog.jpg") {
        TestImages::writeWithQt(m_picture, m_dir.filePath("tmp.png"), "png");
        TestImages::run("convert", {m_dir.filePath("tmp.png"), "-interlace", "JPEG", "-quality", "95", path});
        QCOMPARE(TestImages::identify(path, "%[interlace]"), QStringLiteral("JPEG"));
        expected = QImage(path);
    } else if (name == "anim.gif") {
        expected = QImage(m_picture.size(), QImage::Format_RGB32);
        expected.fill(qRgb(255, 0, 0));
        QImage second = expected;
        second.fill(qRgb(0, 0, 255));
        TestImages::writeWithQt(expected, m_dir.filePath("f1.png"), "png");
        TestImages::writeWithQt(second, m_dir.filePath("f2.png"), "png");
        TestImages::run("convert",
                        {"-delay", "10", m_dir.filePath("f1.png"), m_dir.filePath("f2.png"), path});
        QCOMPARE(TestImages::identify(path, "%n "), QStringLiteral("2 2"));
    } else if (name == "misnamed.gif") {
        TestImages::writeWithQt(m_picture, path, "png");
    } else if (name == "pic.webp") {
        TestImages::writeWithQt(m_picture, m_dir.filePath("tmp.png"), "png");
        TestImages::run("convert", {m_dir.filePath("tmp.png"), "-define", "webp:lossless=true", path});
    }
    const DecodedImage decoded = decodeOrFail(path);
    QVERIFY(!decoded.image.isNull());
    PM_COMPARE_IMAGES(decoded.image, expected, tolerance);
}

void TestDecoding::cmykBecomesRgb_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("JPEG, no profile") << "plain.jpg";
    QTest::newRow("JPEG, Adobe inverted, no profile") << "adobe.jpg";
    QTest::newRow("JPEG through its profile") << "profiled.jpg";
    QTest::newRow("TIFF through its profile") << "profiled.tif";
}

// CMYK comes out as sRGB, its profile not kept: without a profile by the complement formula (cyan
// alone gives (0, 255, 255)); with one, through it: ImageMagick separates an sRGB red through the
// profile, and reading it back through the same profile gives the red again.
void TestDecoding::cmykBecomesRgb()
{
    QFETCH(QString, name);
    const QString path = m_dir.filePath("cmyk-" + name);
    QImage expected(16, 16, QImage::Format_RGB32);
    if (name.startsWith("profiled")) {
        const QString cmykProfile = QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc");
        const QString srgbProfile = QStringLiteral("/usr/share/color/icc/ghostscript/srgb.icc");
        if (!QFile::exists(cmykProfile) || !QFile::exists(srgbProfile))
            QSKIP("no CMYK profile installed (package ghostscript)");
        expected.fill(qRgb(220, 30, 40));
        TestImages::writeWithQt(expected, m_dir.filePath("red.png"), "png");
        TestImages::run("convert", {m_dir.filePath("red.png"), "-profile", srgbProfile, "-profile",
                                    cmykProfile, "-quality", "100", path});
        QCOMPARE(TestImages::identify(path, "%[colorspace] %[profiles]"), QStringLiteral("CMYK icc"));
    } else {
        const uchar cyan[4] = {255, 0, 0, 0};
        TestImages::writeCmykJpeg(path, 16, 16, cyan, name == "adobe.jpg");
        expected.fill(qRgb(0, 255, 255));
    }
    const DecodedImage decoded = decodeOrFail(path);
    QCOMPARE(decoded.image.format(), QImage::Format_RGB32);
    QVERIFY(decoded.convertedToSrgb);
    QVERIFY(decoded.iccProfile.isEmpty());
    PM_COMPARE_IMAGES(decoded.image, expected, 4);
}

static QByteArray icnsEntry(const char *type, const QByteArray &data)
{
    QByteArray entry(type, 4);
    entry.append(QByteArray(4, '\0'));
    qToBigEndian<quint32>(quint32(8 + data.size()), entry.data() + 4);
    return entry + data;
}

static QByteArray icns(const QByteArray &entries)
{
    QByteArray file("icns", 4);
    file.append(QByteArray(4, '\0'));
    qToBigEndian<quint32>(quint32(8 + entries.size()), file.data() + 4);
    return file + entries;
}

static QByteArray pngOf(int side, QRgb colour)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

void TestDecoding::largestRepresentation_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("colour"); // at (3, 3); 0: the quadrants pixel for pixel; 1: the size alone
    QTest::newRow("TIFF pages 800x600 and 1600x400") << "unequal.tif" << QSize(1600, 400) << qRgb(0, 0, 255);
    QTest::newRow("TIFF of equal pages") << "equal.tif" << QSize(800, 600) << qRgb(255, 0, 0);
    QTest::newRow("icon sizes; damaged JPEG 2000 entry passed over")
        << "icon.icns" << QSize(256, 256) << qRgb(0, 0, 255);
    QTest::newRow("classic icon with mask") << "classic.icns" << QSize(16, 16) << qRgb(0, 255, 0);
    // The large sizes of modern icons are JPEG 2000, decoded whatever their coding; losslessly
    // coded here.
    QTest::newRow("png2icns: JPEG 2000 at 512 and 256, run-length at 128")
        << "png2icns" << QSize(512, 512) << QRgb(0);
    QTest::newRow("bare codestream entry beside a PNG one") << "codestream" << QSize(320, 320) << QRgb(0);
    QTest::newRow("gray JP2 entry") << "gray" << QSize(256, 256) << QRgb(0);
    // Qt's plugin decodes run-length entries: the size tells which was taken.
    QTest::newRow("run-length entry larger than the PNG one") << "classic wins" << QSize(128, 128) << QRgb(1);
}

void TestDecoding::largestRepresentation()
{
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    QFETCH(QRgb, colour);
    const QString path = m_dir.filePath(kind.endsWith(".tif") ? kind : kind + ".icns");
    auto source = [&](int side, QImage::Format format = QImage::Format_ARGB32) {
        const QString png = m_dir.filePath(QStringLiteral("%1-%2.png").arg(kind).arg(side));
        TestImages::writeWithQt(TestImages::quadrants(side, side, format), png, "png");
        return png;
    };
    auto jpeg2000 = [&](const QString &png, const QString &suffix) {
        const QString out = m_dir.filePath(QStringLiteral("%1.%2").arg(kind, suffix));
        TestImages::run("opj_compress", {"-i", png, "-o", out});
        return TestImages::readFile(out);
    };
    QImage expected = TestImages::quadrants(size.width(), size.height(), QImage::Format_ARGB32);
    if (kind.endsWith(".tif")) {
        const QString red = m_dir.filePath("page-red.png"), other = m_dir.filePath("page-other.png");
        TestImages::run("convert", {"-size", "800x600", "xc:red", red});
        TestImages::run("convert", kind == "unequal.tif"
                                       ? QStringList {"-size", "1600x400", "xc:blue", other}
                                       : QStringList {"-size", "800x600", "xc:lime", other});
        TestImages::run("convert", {red, other, path});
    } else if (kind == "icon.icns") {
        const QByteArray jpeg2000 = QByteArray::fromHex("0000000c6a5020200d0a870a") + QByteArray(64, '\x11');
        TestImages::writeFile(path, icns(icnsEntry("ic07", pngOf(128, qRgb(255, 0, 0))) +
                                         icnsEntry("ic10", jpeg2000) +
                                         icnsEntry("ic08", pngOf(256, qRgb(0, 0, 255)))));
    } else if (kind == "classic.icns") {
        // 16 x 16 planes of red, green and blue, each as two runs (130 and 126 bytes), then an
        // opaque 8-bit mask.
        const QByteArray rgb = QByteArray::fromHex("ff00fb00"
                                                   "ffffFbff"
                                                   "ff00fb00");
        TestImages::writeFile(path,
                              icns(icnsEntry("is32", rgb) + icnsEntry("s8mk", QByteArray(256, '\xff'))));
    } else if (kind == "png2icns") {
        TestImages::run("png2icns", {path, source(512), source(256), source(128)});
        const QByteArray file = TestImages::readFile(path);
        QCOMPARE(file.mid(file.indexOf("ic09") + 8, 6), QByteArray("\0\0\0\x0cjP", 6)); // a JP2 box
    } else if (kind == "codestream") {
        const QByteArray j2k = jpeg2000(source(320, QImage::Format_RGB32), "j2k");
        QVERIFY(j2k.startsWith("\xff\x4f\xff\x51"));
        TestImages::writeFile(path,
                              icns(icnsEntry("ic07", pngOf(128, qRgb(255, 0, 0))) + icnsEntry("ic09", j2k)));
        expected = expected.convertToFormat(QImage::Format_RGB32);
    } else if (kind == "gray") {
        const QByteArray jp2 = jpeg2000(source(256, QImage::Format_Grayscale8), "jp2");
        TestImages::writeFile(path, icns(icnsEntry("ic08", jp2)));
        expected = TestImages::quadrants(256, 256, QImage::Format_Grayscale8);
    } else {
        TestImages::run("png2icns", {path, source(128)});
        const QByteArray file = TestImages::readFile(path);
        TestImages::writeFile(path, icns(file.mid(8) + icnsEntry("icp5", pngOf(32, qRgb(255, 0, 0)))));
    }
    const DecodedImage decoded = decodeOrFail(path);
    QCOMPARE(decoded.image.size(), size);
    if (colour == 0) {
        QCOMPARE(decoded.image.format(), expected.format());
        PM_COMPARE_IMAGES(decoded.image, expected, 0);
    } else if (colour != 1) {
        QCOMPARE(decoded.image.pixel(3, 3) | 0xff000000, colour);
    }
}

void TestDecoding::shrinkOnLoadNeverBelowTheMinimum()
{
    const QString path = m_dir.filePath("shrink.jpg");
    TestImages::writeWithQt(TestImages::quadrants(1000, 600), path, "jpeg", 90);
    const QList<QPair<QSize, QSize>> cases = {
        {QSize(125, 75), QSize(125, 75)},   // 1/8 exactly
        {QSize(126, 75), QSize(250, 150)},  // just over 1/8: 1/4
        {QSize(400, 240), QSize(500, 300)}, // 1/2
        {QSize(999, 1), QSize(1000, 600)},  // no shrink
    };
    for (const auto &c : cases)
        QCOMPARE(decodeOrFail(path, c.first).image.size(), c.second);
}

void TestDecoding::resolution_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("written"); // ImageMagick's options; none for a JPEG: cjpeg's, no unit
    QTest::addColumn<QStringList>("then");    // a tool and its options, to set tags after
    QTest::addColumn<double>("dpi");
    const QStringList inches = {"-units", "PixelsPerInch", "-density"}, none;
    const auto exif = [](const QString &resolution, const QString &unit = QString()) {
        QStringList tool = {"exiv2", "-M", "set Exif.Image.XResolution " + resolution};
        return unit.isEmpty() ? tool : tool + QStringList {"-M", "set Exif.Image.ResolutionUnit " + unit};
    };
    QTest::newRow("JFIF 300 dpi") << "jfif300.jpg" << inches + QStringList {"300"} << none << 300.0;
    QTest::newRow("JFIF in centimetres")
        << "jfifcm.jpg" << QStringList {"-units", "PixelsPerCentimeter", "-density", "118"} << none
        << 118.0 * 2.54;
    QTest::newRow("EXIF only") << "exif240.jpg" << none << exif("240/1", "2") << 240.0;
    QTest::newRow("EXIF in centimetres") << "exifcm.jpg" << none << exif("100/1", "3") << 100.0 * 2.54;
    QTest::newRow("EXIF unit not given: inches") << "exifnounit.jpg" << none << exif("180/1") << 180.0;
    QTest::newRow("EXIF with no absolute unit, as phones write it")
        << "exifunit1.jpg" << none << exif("1/1", "1") << 72.0;
    // exiv2 leaves a TIFF's own resolution tags alone.
    QTest::newRow("TIFF with no absolute unit")
        << "unitless.tiff" << QStringList {"-units", "Undefined"} << QStringList {"exiftool",
                                                                                  "-q",
                                                                                  "-overwrite_original",
                                                                                  "-XResolution=1",
                                                                                  "-YResolution=1",
                                                                                  "-ResolutionUnit=None"}
        << 72.0;
    QTest::newRow("PNG pHYs") << "phys.png" << inches + QStringList {"300"} << none << 11811 * 0.0254;
    QTest::newRow("TIFF XResolution") << "res.tiff" << inches + QStringList {"150"} << none << 150.0;
    QTest::newRow("no density") << "none.png" << QStringList {"-strip"} << none << 72.0;
    QTest::newRow("zero density") << "zero.jpg" << inches + QStringList {"0"} << exif("0/0") << 72.0;
}

void TestDecoding::resolution()
{
    QFETCH(QString, name);
    QFETCH(QStringList, written);
    QFETCH(QStringList, then);
    const QString path = m_dir.filePath(name), png = m_dir.filePath("res-src.png");
    TestImages::writeWithQt(m_picture, png, "png");
    if (written.isEmpty()) {
        TestImages::writeWithQt(m_picture, m_dir.filePath("src.ppm"), "ppm");
        TestImages::run("sh",
                        {"-c", QStringLiteral("cjpeg '%1' > '%2'").arg(m_dir.filePath("src.ppm"), path)});
    } else {
        TestImages::run("convert", QStringList {png} + written + QStringList {path});
    }
    if (!then.isEmpty())
        TestImages::run(then.first(), then.mid(1) + QStringList {path});
    if (name == "none.png")
        QVERIFY(!TestImages::readFile(path).contains("pHYs"));
    const PipelineResult result = convertFile(path, ConversionOptions());
    QVERIFY2(result.ok(), qPrintable(result.failure.text()));
    QFETCH(double, dpi);
    QVERIFY2(qAbs(double(result.imageDpi) - dpi) < 0.01,
             qPrintable(QStringLiteral("%1 dpi, expected %2").arg(result.imageDpi).arg(dpi)));
}

void TestDecoding::badInputs_data()
{
    QTest::addColumn<QString>("name");
    // Empty, random, missing and folder inputs are tst_runner's (everyFailureHasItsReason), a cut
    // PNG tst_png's.
    QTest::newRow("truncated JPEG") << "cut.jpg";
    QTest::newRow("truncated icon, whole small entries") << "cut.icns";
    QTest::newRow("JPEG header only") << "header.jpg";
}

void TestDecoding::badInputs()
{
    QFETCH(QString, name);
    const QString path = m_dir.filePath(name);
    const QString good = m_dir.filePath("good.jpg");
    TestImages::writeWithQt(TestImages::quadrants(300, 200), good, "jpeg", 90);
    if (name == "cut.jpg") {
        TestImages::writeFile(path, TestImages::readFile(good).left(TestImages::readFile(good).size() / 2));
    } else if (name == "cut.icns") {
        TestImages::writeWithQt(TestImages::quadrants(256, 256), m_dir.filePath("big.png"), "png");
        const QByteArray big = TestImages::readFile(m_dir.filePath("big.png"));
        const QByteArray file = icns(icnsEntry("ic07", pngOf(128, qRgb(255, 0, 0))) + icnsEntry("ic08", big));
        TestImages::writeFile(path, file.left(file.size() - 100));
    } else if (name == "header.jpg") {
        TestImages::writeFile(path, TestImages::readFile(good).left(200));
    }
    const PipelineResult result = convertFile(path, ConversionOptions());
    QCOMPARE(result.failure.reason, FailureReason::Unsupported);
    QVERIFY(result.image.isNull());
}

void TestDecoding::bombIsRefusedBeforeAllocation()
{
    const QString pngPath = m_dir.filePath("bomb.png");
    TestImages::writeFile(pngPath, TestImages::pngClaiming(100000, 100000));

    // A JPEG whose frame header claims 60000 x 60000.
    const QString good = m_dir.filePath("small.jpg");
    TestImages::writeWithQt(TestImages::quadrants(16, 16), good, "jpeg", 90);
    QByteArray jpeg = TestImages::readFile(good);
    const int sof = jpeg.indexOf("\xFF\xC0");
    QVERIFY(sof > 0);
    qToBigEndian<quint16>(60000, jpeg.data() + sof + 5);
    qToBigEndian<quint16>(60000, jpeg.data() + sof + 7);
    const QString jpegPath = m_dir.filePath("bomb.jpg");
    TestImages::writeFile(jpegPath, jpeg);

    for (const QString &path : {pngPath, jpegPath}) {
        const PipelineResult result = convertFile(path, ConversionOptions());
        QCOMPARE(result.failure.reason, FailureReason::TooLarge);
        QVERIFY(result.failure.detail.contains(QStringLiteral("megapixels")));
    }

    // The limit itself: 300 megapixels are taken (their header is read), one row more is not.
    for (const auto &[height, refused] : {std::pair {15000, false}, std::pair {15001, true}}) {
        const QString claim = m_dir.filePath(QStringLiteral("claim-%1.png").arg(height));
        TestImages::writeFile(claim, TestImages::pngClaiming(20000, quint32(height)));
        ImageDecoder decoder(claim);
        QCOMPARE(decoder.open().reason, refused ? FailureReason::TooLarge : FailureReason::None);
    }

    // A resize that would make a plausible source gigantic is refused as well.
    const QString strip = m_dir.filePath("strip.png");
    TestImages::writeWithQt(QImage(2, 1000, QImage::Format_RGB32), strip, "png");
    ConversionOptions wide;
    wide.resize = ResizeMode::Width;
    wide.resizeTo = kMaxResizeSide;
    QCOMPARE(convertFile(strip, wide).failure.reason, FailureReason::TooLarge);
}

// Files that change or are not files: each is that file's failure, with an accurate reason,
// never a hang or a crash of the run.
void TestDecoding::inputsThatAreNotWhatTheySeem()
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.jpg");
    TestImages::writeWithQt(TestImages::quadrants(640, 480), good, "jpeg", 90);

    // A sync client rewriting the file in place, shorter, after it was opened: a mapped file
    // would raise SIGBUS on the missing pages.
    const QString shrinking = dir.filePath("shrinking.jpg");
    QVERIFY(QFile::copy(good, shrinking));
    ImageDecoder decoder(shrinking);
    QVERIFY(!decoder.open().failed());
    QVERIFY(QFile::resize(shrinking, 100));
    QVERIFY(decoder.decode(QSize()).ok());

    // A FIFO with no writer named like a photo: refused at once, not waited on.
    const QString fifo = dir.filePath("x.jpg");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    PipelineResult result = convertFile(fifo, ConversionOptions());
    QCOMPARE(result.failure.text(), QStringLiteral("cannot read: not a regular file"));
    QVERIFY(SourceMetadata::read(fifo).isEmpty());

    // A symbolic-link loop is not "missing".
    const QString loop = dir.filePath("loop.jpg");
    QVERIFY(QFile::link(dir.filePath("loop2.jpg"), loop));
    QVERIFY(QFile::link(loop, dir.filePath("loop2.jpg")));
    result = convertFile(loop, ConversionOptions());
    QCOMPARE(result.failure.reason, FailureReason::CannotRead);
    QVERIFY2(result.failure.detail.contains("symbolic links"), qPrintable(result.failure.detail));
}

void TestDecoding::truncatedFilesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("kept"); // the fraction of the file left; 0 for all but the last byte
    for (const char *name : {"anim.gif", "pages.tif", "late-directory.tif", "photo.eps", "dos.eps"})
        for (const double kept : {0.5, 0.9, 0.0})
            QTest::addRow("%s, %s", name, kept > 0 ? qPrintable(QString::number(kept)) : "last byte cut")
                << name << kept;
}

// Qt's plugins decode what a cut GIF or TIFF still holds, and Ghostscript what a cut EPS holds,
// without a word; the file is refused as truncated, as a cut JPEG or PNG is.
void TestDecoding::truncatedFilesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(double, kept);
    const QString whole = m_dir.filePath("whole-" + name);
    TestImages::writeWithQt(TestImages::quadrants(300, 200), m_dir.filePath("p1.png"), "png");
    TestImages::writeWithQt(TestImages::quadrants(200, 300), m_dir.filePath("p2.png"), "png");
    if (name == "photo.eps") {
        TestImages::run("convert", {m_dir.filePath("p1.png"), "eps2:" + whole});
    } else if (name == "dos.eps") {
        // A DOS-binary EPS: header, PostScript, then a preview.
        TestImages::run("convert", {m_dir.filePath("p1.png"), "eps2:" + m_dir.filePath("ps.eps")});
        const QByteArray postscript = TestImages::readFile(m_dir.filePath("ps.eps"));
        const QByteArray preview = TestImages::readFile(m_dir.filePath("p2.png")); // any bytes
        QByteArray header(30, '\0');
        header.replace(0, 4, "\xC5\xD0\xD3\xC6");
        qToLittleEndian<quint32>(30, header.data() + 4);
        qToLittleEndian<quint32>(quint32(postscript.size()), header.data() + 8);
        qToLittleEndian<quint32>(quint32(30 + postscript.size()), header.data() + 20);
        qToLittleEndian<quint32>(quint32(preview.size()), header.data() + 24);
        header[28] = header[29] = '\xFF';
        TestImages::writeFile(whole, header + postscript + preview);
    } else if (name == "late-directory.tif") {
        // ImageMagick writes a single page's directory after its pixels.
        TestImages::run("convert", {m_dir.filePath("p1.png"), whole});
    } else {
        TestImages::run("convert",
                        {m_dir.filePath("p1.png"), m_dir.filePath("p2.png"), "-compress", "LZW", whole});
    }
    if (!name.endsWith("eps") || !QStandardPaths::findExecutable("gs").isEmpty())
        QVERIFY(ImageDecoder(whole).openAndDecode().ok());

    const QByteArray bytes = TestImages::readFile(whole);
    const QString cut = m_dir.filePath("cut-" + name);
    TestImages::writeFile(cut, bytes.left(kept > 0 ? qsizetype(bytes.size() * kept) : bytes.size() - 1));
    TestImages::saveFuzzSeed(QStringLiteral("image"), TestImages::readFile(cut));
    const Result<DecodedImage> decoded = ImageDecoder(cut).openAndDecode();
    if (kept == 0.0) {
        // Only the GIF trailer, a TIFF byte that may belong to no strip, or the line end after
        // "%%EOF": still whole (a DOS EPS's preview is cut).
        if (name.endsWith("gif") || name == "photo.eps")
            QVERIFY(decoded.ok() || QStandardPaths::findExecutable("gs").isEmpty());
        if (name == "dos.eps")
            QVERIFY(!decoded.ok());
        return;
    }
    QCOMPARE(decoded.failure().text(), QStringLiteral("unsupported or damaged image: the file is truncated"));
}

// A 16 x 8 gray TIFF whose directory comes first, before its two strips of four rows, as some
// scanners and libtiff's own tools write it (ImageMagick and Qt write it after the pixels):
// sample (x, y) is 16 y + x. Its resolution (a rational, stored outside the directory) lies
// before the strips, or after them at the very end. Written byte by byte, little-endian.
struct DirectoryFirstTiff {
    QByteArray bytes;
    quint32 pixels = 0; // where the first strip starts; the second follows it, 64 bytes each
};

static DirectoryFirstTiff directoryFirstTiff(bool resolutionLast)
{
    const quint32 directory = 8, entries = 10, offsets = directory + 2 + entries * 12 + 4;
    const quint32 counts = offsets + 8;
    const quint32 pixels = resolutionLast ? counts + 8 : counts + 16;
    const quint32 resolution = resolutionLast ? pixels + 128 : counts + 8;
    QByteArray bytes(int(pixels + 128 + (resolutionLast ? 8 : 0)), '\0');
    char *d = bytes.data();
    std::memcpy(d, "II*\0", 4);
    qToLittleEndian<quint32>(directory, d + 4);
    qToLittleEndian<quint16>(quint16(entries), d + directory);
    // tag, type (3 SHORT, 4 LONG, 5 RATIONAL), count, value or offset
    const quint32 table[][4] = {{256, 3, 1, 16},     {257, 3, 1, 8},         {258, 3, 1, 8}, {259, 3, 1, 1},
                                {262, 3, 1, 1},      {273, 4, 2, offsets},   {277, 3, 1, 1}, {278, 3, 1, 4},
                                {279, 4, 2, counts}, {282, 5, 1, resolution}};
    for (quint32 i = 0; i < entries; ++i) {
        char *entry = d + directory + 2 + 12 * i;
        qToLittleEndian<quint16>(quint16(table[i][0]), entry);
        qToLittleEndian<quint16>(quint16(table[i][1]), entry + 2);
        qToLittleEndian<quint32>(table[i][2], entry + 4);
        if (table[i][1] == 3)
            qToLittleEndian<quint16>(quint16(table[i][3]), entry + 8);
        else
            qToLittleEndian<quint32>(table[i][3], entry + 8);
    }
    for (quint32 strip = 0; strip < 2; ++strip) {
        qToLittleEndian<quint32>(pixels + 64 * strip, d + offsets + 4 * strip);
        qToLittleEndian<quint32>(64, d + counts + 4 * strip);
    }
    for (int i = 0; i < 128; ++i)
        d[pixels + quint32(i)] = char(i);
    qToLittleEndian<quint32>(300, d + resolution);
    qToLittleEndian<quint32>(1, d + resolution + 4);
    return {bytes, pixels};
}

void TestDecoding::cutsBehindAWholeStructure_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cut");
    // The directory is whole, and so is every value it points at; only the strips are cut.
    QTest::newRow("TIFF, directory first, cut in its first strip") << "first.tif"
                                                                   << "first strip";
    QTest::newRow("TIFF, directory first, cut in its last strip") << "first.tif"
                                                                  << "last strip";
    QTest::newRow("TIFF, directory first, its last byte cut") << "first.tif"
                                                              << "last byte";
    // Whole strips; only the resolution's value, stored last, is cut.
    QTest::newRow("TIFF, directory first, its resolution cut") << "resolution-last.tif"
                                                               << "last byte";
    // A whole header and colour table, and nothing of a picture.
    QTest::newRow("GIF cut after its colour table") << "flat.gif"
                                                    << "colour table";
    QTest::newRow("GIF cut in its first image's descriptor") << "flat.gif"
                                                             << "descriptor";
}

// Cut files whose first structures are whole: refused as truncated all the same, never
// decoded in part nor refused for a decoder's own reason.
void TestDecoding::cutsBehindAWholeStructure()
{
    QFETCH(QString, name);
    QFETCH(QString, cut);
    const QString whole = m_dir.filePath("whole-" + name);
    QByteArray bytes;
    qsizetype kept = 0;
    if (name.endsWith(".tif")) {
        const DirectoryFirstTiff tiff = directoryFirstTiff(name == "resolution-last.tif");
        bytes = tiff.bytes;
        TestImages::writeFile(whole, bytes);
        QCOMPARE(TestImages::identify(whole, "%w %h %z %x"), QStringLiteral("16 8 8 300"));
        const DecodedImage decoded = decodeOrFail(whole);
        QCOMPARE(decoded.image.size(), QSize(16, 8));
        QCOMPARE(qGray(decoded.image.pixel(3, 5)), 5 * 16 + 3);
        kept = cut == "first strip"  ? tiff.pixels + 32
               : cut == "last strip" ? tiff.pixels + 96
                                     : bytes.size() - 1;
    } else {
        TestImages::run("convert", {"-size", "8x8", "xc:red", whole});
        bytes = TestImages::readFile(whole);
        QVERIFY(uchar(bytes[10]) & 0x80); // a global colour table
        const qsizetype table = 3 * (qsizetype(1) << ((uchar(bytes[10]) & 7) + 1));
        kept = 13 + table;
        // Extensions (ImageMagick writes a graphic control) up to the first image descriptor.
        if (cut == "descriptor") {
            while (bytes[kept] == '\x21') {
                kept += 2;
                while (bytes[kept] != 0)
                    kept += uchar(bytes[kept]) + 1;
                ++kept;
            }
            QCOMPARE(bytes[kept], '\x2c');
            kept += 4;
        }
        QVERIFY(ImageDecoder(whole).openAndDecode().ok());
    }
    const QString path = m_dir.filePath("cut-" + name);
    TestImages::writeFile(path, bytes.left(kept));
    TestImages::saveFuzzSeed(QStringLiteral("image"), bytes.left(kept));
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode();
    QVERIFY(!decoded.ok());
    QCOMPARE(decoded.failure().text(), QStringLiteral("unsupported or damaged image: the file is truncated"));
}

// Points the last directory of a TIFF back at one of its directories (0 the first).
static QByteArray withPageLoop(QByteArray tiff, int target)
{
    const bool little = tiff.startsWith("II");
    const auto get = [&](qsizetype at, int bytes) -> quint32 {
        const char *p = tiff.constData() + at;
        if (bytes == 2)
            return little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
        return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    };
    QList<quint32> directories;
    for (quint32 at = get(4, 4); at != 0; at = get(at + 2 + 12 * get(at, 2), 4))
        directories << at;
    const qsizetype next = directories.last() + 2 + 12 * get(directories.last(), 2);
    if (little)
        qToLittleEndian<quint32>(directories.value(target), tiff.data() + next);
    else
        qToBigEndian<quint32>(directories.value(target), tiff.data() + next);
    return tiff;
}

void TestDecoding::loopingPageChainEndsAtTheLoop_data()
{
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QString>("type"); // ImageMagick's -type for the file
    QTest::addColumn<int>("target");   // the directory the last one points back at
    const QStringList two = {"300x200 xc:red", "200x100 xc:blue"};
    QTest::newRow("two pages, back to the first") << two << "TrueColor" << 0;
    QTest::newRow("two pages, the last to itself") << two << "TrueColor" << 1;
    QTest::newRow("one page, to itself") << QStringList {"300x200 xc:red"} << "TrueColor" << 0;
    QTest::newRow("CMYK, back to the first") << two << "ColorSeparation" << 0;
}

// libtiff stops at a page chain that loops, as at its end; the pages before the loop are a
// whole file.
void TestDecoding::loopingPageChainEndsAtTheLoop()
{
    QFETCH(QStringList, pages);
    QFETCH(QString, type);
    QFETCH(int, target);
    QStringList arguments;
    for (const QString &page : pages)
        arguments << "-size" << page.section(' ', 0, 0) << page.section(' ', 1);
    const QString whole = m_dir.filePath("chain.tif"), looped = m_dir.filePath("looped.tif");
    arguments += {"-type", type, "-depth", "8", whole};
    TestImages::run("convert", arguments);
    QCOMPARE(TestImages::identify(whole, "%n\n").count('\n'), pages.size() - 1);
    TestImages::writeFile(looped, withPageLoop(TestImages::readFile(whole), target));
    // ImageMagick's libtiff sees the loop.
    QProcess identify;
    identify.start("identify", {looped});
    QVERIFY(identify.waitForFinished());
    QVERIFY(QString::fromLocal8Bit(identify.readAllStandardError()).contains("looping"));

    const DecodedImage decoded = decodeOrFail(looped);
    QCOMPARE(decoded.convertedToSrgb, type == "ColorSeparation"); // through the CMYK reader
    QCOMPARE(decoded.image.size(), QSize(300, 200));
    QCOMPARE(decoded.image.pixel(10, 10) | 0xff000000, qRgb(255, 0, 0));
}

QTEST_GUILESS_MAIN(TestDecoding)
#include "tst_decoding.moc"
