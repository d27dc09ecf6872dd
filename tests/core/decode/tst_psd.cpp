#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "decode/ImageDecoder.h"

#include <QtEndian>
#include <QtTest>

Q_DECLARE_METATYPE(FailureReason)

namespace {

// Builds Photoshop files byte by byte from the published layout, independently of the reader.
struct PsdLayout {
    bool large = false; // PSB
    int mode = 3;       // 1 gray, 2 indexed, 3 RGB, 4 CMYK
    int depth = 8;
    int width = 6;
    int height = 4;
    QList<QByteArray> planes; // one per channel, big-endian samples, row after row
    bool rle = false;
    double dpi = 0;
    QByteArray icc;
    int hasRealMergedData = -1; // -1: no version resource
    bool transparentComposite = false;
    QByteArray colorModeData;
};

QByteArray be16(quint16 v)
{
    QByteArray b(2, '\0');
    qToBigEndian(v, b.data());
    return b;
}
QByteArray be32(quint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}
QByteArray be64(quint64 v)
{
    QByteArray b(8, '\0');
    qToBigEndian(v, b.data());
    return b;
}

// PackBits with repeat runs for three or more equal bytes, literal runs otherwise.
QByteArray packBits(const QByteArray &row)
{
    QByteArray out;
    int i = 0;
    while (i < row.size()) {
        int run = 1;
        while (i + run < row.size() && run < 128 && row[i + run] == row[i])
            ++run;
        if (run >= 3) {
            out += char(1 - run);
            out += row[i];
            i += run;
            continue;
        }
        int literal = 0;
        while (i + literal < row.size() && literal < 128 &&
               !(i + literal + 2 < row.size() && row[i + literal] == row[i + literal + 1] &&
                 row[i + literal] == row[i + literal + 2]))
            ++literal;
        out += char(literal - 1);
        out += row.mid(i, literal);
        i += literal;
    }
    return out;
}

QByteArray resource(quint16 id, const QByteArray &data)
{
    QByteArray r = QByteArray("8BIM") + be16(id) + QByteArray(2, '\0') + be32(quint32(data.size())) + data;
    if (data.size() % 2)
        r += '\0';
    return r;
}

QByteArray buildPsd(const PsdLayout &s)
{
    QByteArray file = QByteArray("8BPS") + be16(s.large ? 2 : 1) + QByteArray(6, '\0') +
                      be16(quint16(s.planes.size())) + be32(quint32(s.height)) + be32(quint32(s.width)) +
                      be16(quint16(s.depth)) + be16(quint16(s.mode));
    file += be32(quint32(s.colorModeData.size())) + s.colorModeData;
    QByteArray resources;
    if (s.dpi > 0)
        resources += resource(1005, be32(quint32(s.dpi * 65536)) + be16(1) + be16(1) +
                                        be32(quint32(s.dpi * 65536)) + be16(1) + be16(1));
    if (!s.icc.isEmpty())
        resources += resource(1039, s.icc);
    if (s.hasRealMergedData >= 0)
        resources +=
            resource(1057, be32(1) + QByteArray(1, char(s.hasRealMergedData)) + be32(0) + be32(0) + be32(1));
    file += be32(quint32(resources.size())) + resources;
    // Layer and mask section: only a layer count, negative when the composite is transparent.
    const QByteArray layerInfo = be16(quint16(s.transparentComposite ? -1 : 0)) + QByteArray(2, '\0');
    const QByteArray layers =
        (s.large ? be64(quint64(layerInfo.size())) : be32(quint32(layerInfo.size()))) + layerInfo;
    file += (s.large ? be64(quint64(layers.size())) : be32(quint32(layers.size()))) + layers;
    file += be16(s.rle ? 1 : 0);
    const int rowBytes = s.width * s.depth / 8;
    if (!s.rle) {
        for (const QByteArray &plane : s.planes)
            file += plane;
        return file;
    }
    QByteArray counts, data;
    for (const QByteArray &plane : s.planes) {
        for (int y = 0; y < s.height; ++y) {
            const QByteArray packed = packBits(plane.mid(y * rowBytes, rowBytes));
            counts += s.large ? be32(quint32(packed.size())) : be16(quint16(packed.size()));
            data += packed;
        }
    }
    return file + counts + data;
}

QByteArray plane8(int w, int h, uchar base)
{
    QByteArray p(w * h, '\0');
    for (int i = 0; i < p.size(); ++i)
        p[i] = char(base + (i % w) * 3 + (i / w));
    return p;
}

QByteArray plane16(int w, int h, quint16 base)
{
    QByteArray p;
    for (int i = 0; i < w * h; ++i)
        p += be16(quint16(base + (i % w) * 701 + (i / w) * 13));
    return p;
}

DecodedImage decodeBytes(const QByteArray &bytes, QString *error = nullptr, FailureReason *reason = nullptr)
{
    TestImages::saveFuzzSeed(QStringLiteral("psd"), bytes);
    const Result<DecodedImage> decoded = ImageDecoder(bytes, QByteArray()).openAndDecode();
    if (error)
        *error = decoded.failure().detail;
    if (reason)
        *reason = decoded.failure().reason;
    return decoded.value();
}

} // namespace

class TestPsd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void composite_data();
    void composite();
    void sixteenBits();
    void transparency();
    void cmykThroughProfile();
    void indexedColour();
    void lyingFiles_data();
    void lyingFiles();
    void writtenByImageMagick();
};

void TestPsd::composite_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<bool>("rle");
    QTest::addColumn<int>("mode");
    for (bool large : {false, true})
        for (bool rle : {false, true})
            for (int mode : {1, 3})
                QTest::addRow("%s %s %s", large ? "PSB" : "PSD", rle ? "RLE" : "raw",
                              mode == 1 ? "gray" : "RGB")
                    << large << rle << mode;
}

void TestPsd::composite()
{
    QFETCH(bool, large);
    QFETCH(bool, rle);
    QFETCH(int, mode);
    PsdLayout layout;
    layout.large = large;
    layout.rle = rle;
    layout.mode = mode;
    layout.width = 150; // rows longer than one PackBits run
    layout.height = 5;
    layout.dpi = 300;
    layout.icc = mode == 3 ? TestImages::srgbProfile() : QByteArray();
    QByteArray red = plane8(150, 5, 10), green = plane8(150, 5, 50), blue(150 * 5, char(200));
    layout.planes << red;
    if (mode == 3)
        layout.planes << green << blue << plane8(150, 5, 1);
    const DecodedImage decoded = decodeBytes(buildPsd(layout));
    QCOMPARE(decoded.image.size(), QSize(150, 5));
    QCOMPARE(decoded.statedDpi, 300.0);
    QCOMPARE(decoded.iccProfile, layout.icc);
    QVERIFY(!decoded.image.hasAlphaChannel()); // the extra channel is not transparency here
    const QList<QPoint> probes = {QPoint(0, 0), QPoint(149, 4), QPoint(77, 2)};
    for (const QPoint &p : probes) {
        const int i = p.y() * 150 + p.x();
        const QColor c = decoded.image.pixelColor(p);
        QCOMPARE(c.red(), int(uchar(red[i])));
        QCOMPARE(c.green(), mode == 1 ? int(uchar(red[i])) : int(uchar(green[i])));
        QCOMPARE(c.blue(), mode == 1 ? int(uchar(red[i])) : 200);
    }
    if (mode == 1)
        QCOMPARE(decoded.image.format(), QImage::Format_Grayscale8);
}

void TestPsd::sixteenBits()
{
    PsdLayout layout;
    layout.depth = 16;
    layout.rle = true;
    layout.planes = {plane16(6, 4, 1000), plane16(6, 4, 30000), plane16(6, 4, 60000)};
    const DecodedImage decoded = decodeBytes(buildPsd(layout));
    QCOMPARE(decoded.image.format(), QImage::Format_RGBX64);
    const QRgba64 p = decoded.image.pixelColor(5, 3).rgba64();
    QCOMPARE(int(p.red()), 1000 + 5 * 701 + 3 * 13);
    QCOMPARE(int(p.green()), 30000 + 5 * 701 + 3 * 13);
    QCOMPARE(int(p.blue()), quint16(60000 + 5 * 701 + 3 * 13));
}

void TestPsd::transparency()
{
    // Photoshop stores a transparent composite blended onto white: half-transparent pure red
    // is stored as (255, 128, 128) with alpha 128.
    PsdLayout layout;
    layout.transparentComposite = true;
    layout.planes = {QByteArray(24, char(255)), QByteArray(24, char(128)), QByteArray(24, char(128)),
                     QByteArray(24, char(128))};
    layout.planes[3][0] = char(0);
    const DecodedImage decoded = decodeBytes(buildPsd(layout));
    QVERIFY(decoded.image.hasAlphaChannel());
    const QColor half = decoded.image.pixelColor(3, 2);
    QCOMPARE(half.alpha(), 128);
    QCOMPARE(half.red(), 255);
    QVERIFY(half.green() <= 1 && half.blue() <= 1);
    QCOMPARE(decoded.image.pixelColor(0, 0).alpha(), 0);
}

void TestPsd::cmykThroughProfile()
{
    const QString profilePath = QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc");
    if (!QFile::exists(profilePath))
        QSKIP("no CMYK profile installed (package ghostscript)");
    // Photoshop stores CMYK inverted (255 = no ink): full cyan only.
    PsdLayout layout;
    layout.mode = 4;
    layout.icc = TestImages::readFile(profilePath);
    layout.planes = {QByteArray(24, char(0)), QByteArray(24, char(255)), QByteArray(24, char(255)),
                     QByteArray(24, char(255))};
    const DecodedImage decoded = decodeBytes(buildPsd(layout));
    QVERIFY(decoded.convertedToSrgb);
    QVERIFY(decoded.iccProfile.isEmpty());
    const QColor cyan = decoded.image.pixelColor(2, 2);
    QVERIFY2(cyan.red() < 60 && cyan.green() > 120 && cyan.green() < 200 && cyan.blue() > 200,
             qPrintable(cyan.name()));
}

void TestPsd::indexedColour()
{
    PsdLayout layout;
    layout.mode = 2;
    layout.colorModeData = QByteArray(768, '\0');
    layout.colorModeData[7] = char(10);       // red of entry 7
    layout.colorModeData[256 + 7] = char(20); // green
    layout.colorModeData[512 + 7] = char(30); // blue
    layout.planes = {QByteArray(24, char(7))};
    const DecodedImage decoded = decodeBytes(buildPsd(layout));
    QCOMPARE(decoded.image.pixel(1, 1), qRgb(10, 20, 30));
}

void TestPsd::lyingFiles_data()
{
    QTest::addColumn<int>("damage");
    QTest::addColumn<FailureReason>("expected");
    const FailureReason damaged = FailureReason::Unsupported;
    QTest::newRow("truncated channel data") << 0 << damaged;
    QTest::newRow("RLE counts beyond the file") << 1 << damaged;
    QTest::newRow("RLE row decoding past its end") << 2 << damaged;
    QTest::newRow("resource length beyond the file") << 3 << damaged;
    QTest::newRow("claims 30000 x 30000") << 4 << FailureReason::TooLarge;
    QTest::newRow("zero channels") << 5 << damaged;
    QTest::newRow("layer section longer than the file") << 6 << damaged;
    QTest::newRow("no composite image (hasRealMergedData 0)") << 7 << damaged;
}

void TestPsd::lyingFiles()
{
    QFETCH(int, damage);
    PsdLayout layout;
    layout.rle = damage == 1 || damage == 2;
    layout.planes = {plane8(6, 4, 1), plane8(6, 4, 2), plane8(6, 4, 3)};
    layout.dpi = 72;
    layout.hasRealMergedData = damage == 7 ? 0 : -1;
    QByteArray bytes = buildPsd(layout);
    const int resources = 26 + 4 + 4; // header, empty colour data, resources length
    const int layers = resources + 28;
    switch (damage) {
    case 0:
        bytes.chop(5);
        break;
    case 1:
        qToBigEndian<quint16>(60000, bytes.data() + layers + 12 + 2);
        break;
    case 2:
        bytes[bytes.size() - 7] = char(-100); // the last row: a repeat run of 101 bytes in 6
        break;
    case 3:
        qToBigEndian<quint32>(0x7fffffff, bytes.data() + resources - 4);
        break;
    case 4:
        qToBigEndian<quint32>(30000, bytes.data() + 14);
        qToBigEndian<quint32>(30000, bytes.data() + 18);
        break;
    case 5:
        qToBigEndian<quint16>(0, bytes.data() + 12);
        break;
    case 6:
        qToBigEndian<quint32>(0x7ffffff0, bytes.data() + layers);
        break;
    }
    QString error;
    FailureReason reason = FailureReason::None;
    QVERIFY(decodeBytes(bytes, &error, &reason).image.isNull());
    QTEST(reason, "expected");
    if (damage == 7)
        QVERIFY2(error.contains(QStringLiteral("no composite image")), qPrintable(error));
}

void TestPsd::writtenByImageMagick()
{
    // Another writer's files: RLE composite, PSD and PSB, with metadata added by exiftool.
    QTemporaryDir dir;
    const QImage source = TestImages::quadrants(64, 48);
    TestImages::writeWithQt(source, dir.filePath("src.png"), "png");
    for (const QString &name : {QStringLiteral("im.psd"), QStringLiteral("im.psb")}) {
        const QString path = dir.filePath(name);
        TestImages::run("convert", {dir.filePath("src.png"), "-depth", "8", "-units", "PixelsPerInch",
                                    "-density", "240", (name.endsWith("psb") ? "PSB:" : "PSD:") + path});
        const DecodedImage decoded = decodeBytes(TestImages::readFile(path));
        PM_COMPARE_IMAGES(decoded.image, source, 0);
        QVERIFY(qAbs(decoded.statedDpi - 240.0) < 0.01);
    }
    const QString psd = dir.filePath("im.psd");
    TestImages::run("exiftool",
                    {"-q", "-overwrite_original", "-XMP-dc:Title=Harbour", "-EXIF:Make=TestCam", psd});
    ConversionJob job;
    job.inputs = {psd};
    job.outputFolder = dir.path();
    const FileResult result = ConversionRunner(job).run().files.value(0);
    QCOMPARE(result.status, FileStatus::Written);
    QCOMPARE(TestImages::exiv2Value(result.output, "Exif.Image.Make"), QStringLiteral("TestCam"));
    QCOMPARE(TestImages::exiv2Value(result.output, "Xmp.dc.title"),
             QStringLiteral("lang=\"x-default\" Harbour"));
    QCOMPARE(TestImages::identify(result.output, "%x"), QStringLiteral("240"));
}

QTEST_GUILESS_MAIN(TestPsd)
#include "tst_psd.moc"
