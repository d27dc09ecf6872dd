// BMP against the values its fixtures were made with: files ImageMagick writes (core, V3 and V5
// headers, palettes, run-length, 16-bit subtypes, alpha, an embedded profile) and files written
// byte by byte for what it does not write (OS/2 headers, short palettes, run-length deltas and
// overflowing runs, wide bit fields, top-down rows, truncation).
#include "TestImages.h"
#include "decode/ImageDecoder.h"

#include <QtEndian>
#include <QtTest>

namespace {

using TestImages::hexBytes;

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(v, b.data());
    return b;
}
QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(v, b.data());
    return b;
}

// A BITMAPINFOHEADER-style header of the given size (40 and up; OS/2 2.x's 16 to 64), fields
// past the size left out.
QByteArray infoHeader(int size, int width, int height, int bits, int compression = 0, int colours = 0,
                      const QList<quint32> &masks = {})
{
    QByteArray h = le32(quint32(size)) + le32(quint32(width)) + le32(quint32(height)) + le16(1) +
                   le16(quint16(bits)) + le32(quint32(compression)) + le32(0) + le32(2835) + le32(2835) +
                   le32(quint32(colours)) + le32(0);
    for (const quint32 m : masks)
        h += le32(m);
    h = h.leftJustified(size, '\0', true);
    return h;
}

// An OS/2 1.x (BITMAPCOREHEADER) header.
QByteArray coreHeader(int width, int height, int bits)
{
    return le32(12) + le16(quint16(width)) + le16(quint16(height)) + le16(1) + le16(quint16(bits));
}

QByteArray bmp(const QByteArray &header, const QByteArray &between, const QByteArray &pixels)
{
    const quint32 offset = quint32(14 + header.size() + between.size());
    return "BM" + le32(offset + quint32(pixels.size())) + le32(0) + le32(offset) + header + between + pixels;
}

QByteArray bgrx(const QList<QRgb> &colours)
{
    QByteArray out;
    for (const QRgb c : colours)
        out += le32(c & 0xffffff); // B, G, R, 0
    return out;
}

QImage decode(const QByteArray &bytes, QString *failure = nullptr, DecodedImage *whole = nullptr)
{
    const Result<DecodedImage> decoded = ImageDecoder(bytes, "bmp").openAndDecode();
    if (failure)
        *failure = decoded.ok() ? QString() : decoded.failure().text();
    if (whole && decoded.ok())
        *whole = decoded.value();
    return decoded.ok() ? decoded.value().image : QImage();
}

// Every pixel row by row from the top left, and as the failure message prints them.
QList<QRgb> pixelsOf(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> pixels;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            pixels << argb.pixel(x, y);
    return pixels;
}
QString printed(const QList<QRgb> &list)
{
    QStringList words;
    for (const QRgb c : list)
        words << QString::number(c, 16);
    return words.join(' ');
}

// An icon file of the given entries; the directory states `stated` as every entry's size.
QByteArray ico(const QList<QByteArray> &entries, int type = 1, int stated = 16)
{
    QByteArray directory = le16(0) + le16(quint16(type)) + le16(quint16(entries.size()));
    quint32 offset = quint32(6 + 16 * entries.size());
    QByteArray data;
    for (const QByteArray &entry : entries) {
        directory += le16(quint16(stated | stated << 8)) + le16(0) + le16(1) + le16(32) +
                     le32(quint32(entry.size())) + le32(offset);
        offset += quint32(entry.size());
        data += entry;
    }
    return directory + data;
}

// A bitmap entry: header with the doubled height, then the colour rows and the mask rows.
QByteArray iconBitmap(int width, int height, int bits, const QByteArray &palette, const QByteArray &colour,
                      const QByteArray &mask)
{
    return infoHeader(40, width, height * 2, bits, 0, int(palette.size() / 4)) + palette + colour + mask;
}

QByteArray pngOf(const QImage &image)
{
    const QString path = QDir::temp().filePath("pressmark-ico-entry.png");
    TestImages::writeWithQt(image, path, "png");
    const QByteArray bytes = TestImages::readFile(path);
    QFile::remove(path);
    return bytes;
}

} // namespace

class TestBmp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writtenByImageMagick_data();
    void writtenByImageMagick();
    void writtenByHand_data();
    void writtenByHand();
    void embeddedProfile();
    void truncatedIsRefused_data();
    void truncatedIsRefused();
    void iconEntries_data();
    void iconEntries();

private:
    QTemporaryDir m_dir;
};

void TestBmp::writtenByImageMagick_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("headerSize"); // checked in the written file
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("compression");
    QTest::newRow("V5, 24 bits") << "quadrants" << QStringList {"BMP:"} << 124 << 24 << 0;
    QTest::newRow("V3, 24 bits") << "quadrants" << QStringList {"BMP3:"} << 40 << 24 << 0;
    QTest::newRow("core header, 24 bits") << "quadrants" << QStringList {"BMP2:"} << 12 << 24 << 0;
    const QStringList palette = {"-type", "Palette", "-compress", "None"};
    QTest::newRow("core header, 8-bit palette")
        << "20 colours" << palette + QStringList {"BMP2:"} << 12 << 8 << 0;
    QTest::newRow("8-bit palette") << "20 colours" << palette + QStringList {"BMP3:"} << 40 << 8 << 0;
    QTest::newRow("4-bit palette") << "3 colours" << palette + QStringList {"BMP3:"} << 40 << 4 << 0;
    QTest::newRow("1-bit palette") << "2 colours" << palette + QStringList {"BMP3:"} << 40 << 1 << 0;
    QTest::newRow("run-length 8 bits")
        << "20 colours" << QStringList {"-type", "Palette", "-compress", "RLE", "BMP3:"} << 40 << 8 << 1;
    QTest::newRow("16 bits, 5-6-5") << "flat" << QStringList {"-define", "bmp:subtype=RGB565", "BMP:"} << 124
                                    << 16 << 3;
    QTest::newRow("16 bits, 5-5-5") << "flat" << QStringList {"-define", "bmp:subtype=RGB555", "BMP:"} << 124
                                    << 16 << 3;
    QTest::newRow("32 bits with alpha") << "alpha" << QStringList {"BMP:"} << 124 << 32 << 3;
}

void TestBmp::writtenByImageMagick()
{
    QFETCH(QString, picture);
    QFETCH(QStringList, arguments);
    QImage expected = TestImages::quadrants(37, 23);
    if (picture.endsWith("colours")) {
        const int count = picture.section(' ', 0, 0).toInt();
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const int i = (x / 3 + y * 7) % count;
                expected.setPixel(x, y, qRgb(i * 12, 255 - i * 10, (i * 97) % 256));
            }
    } else if (picture == "flat") {
        // Colours 5- and 6-bit channels hold exactly: all bits set must read 255, not 248 or 252.
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                expected.setPixel(x, y,
                                  x < 12   ? qRgb(255, 255, 255)
                                  : x < 24 ? qRgb(255, 0, 255)
                                           : qRgb(0, 255, 0));
    } else if (picture == "alpha") {
        expected = expected.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                expected.setPixel(x, y,
                                  (expected.pixel(x, y) & 0xffffff) | (uint((x * 7 + y * 3) % 256) << 24));
    }
    const QString source = m_dir.filePath("source.png"), path = m_dir.filePath("im.bmp");
    TestImages::writeWithQt(expected, source, "png");
    QStringList all = {source};
    all += arguments.mid(0, arguments.size() - 1);
    all += arguments.last() + path;
    TestImages::run("convert", all);
    const QByteArray bytes = TestImages::readFile(path);
    QTEST(int(qFromLittleEndian<quint32>(bytes.constData() + 14)), "headerSize");
    const bool core = qFromLittleEndian<quint32>(bytes.constData() + 14) == 12;
    QTEST(int(qFromLittleEndian<quint16>(bytes.constData() + (core ? 24 : 28))), "bits");
    QTEST(core ? 0 : int(qFromLittleEndian<quint32>(bytes.constData() + 30)), "compression");
    TestImages::saveFuzzSeed(QStringLiteral("bmp"), bytes);
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode();
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    PM_COMPARE_IMAGES(decoded.value().image.convertToFormat(expected.format()), expected, 0);
}

void TestBmp::writtenByHand_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QRgb>>("pixels"); // row by row from the top left
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255),
               white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    const QByteArray palette4 = bgrx({red, green, blue, white});

    // OS/2 1.x: three-byte palette entries, here three of 256, then 2 x 2 indexes (rows padded).
    QTest::newRow("OS/2 1.x, 8 bits, three palette entries")
        << bmp(coreHeader(2, 2, 8), hexBytes("0000ff 00ff00 ff0000"), hexBytes("02010000 00010000"))
        << QList<QRgb> {red, green, blue, green};
    QTest::newRow("OS/2 2.x, 64-byte header, 4 bits")
        << bmp(infoHeader(64, 2, 2, 4), palette4, hexBytes("23000000 01000000"))
        << QList<QRgb> {red, green, blue, white};
    QTest::newRow("OS/2 2.x, 16-byte header, 24 bits")
        << bmp(infoHeader(16, 2, 2, 24), QByteArray(), hexBytes("ff0000 ffffff 0000 0000ff 00ff00 0000"))
        << QList<QRgb> {red, green, blue, white};
    QTest::newRow("2 bits") << bmp(infoHeader(40, 3, 1, 2), palette4, hexBytes("1c000000"))
                            << QList<QRgb> {red, green, white};
    QTest::newRow("8 bits, two palette entries, index past them")
        << bmp(infoHeader(40, 3, 1, 8, 0, 2), bgrx({red, green}), hexBytes("01050000"))
        << QList<QRgb> {green, black, red};
    QTest::newRow("top-down rows") << bmp(infoHeader(40, 1, -2, 24), QByteArray(),
                                          hexBytes("0000ff00 ff000000"))
                                   << QList<QRgb> {red, blue};

    // Run-length, 4 x 2: a run of six in a row of four is clipped, not carried into the next row.
    QTest::newRow("run-length 8, a run past the row's end")
        << bmp(infoHeader(40, 4, 2, 8, 1), palette4, hexBytes("06010000 04020001"))
        << QList<QRgb> {blue, blue, blue, blue, green, green, green, green};
    // A delta of (1, 1) from the start: unwritten pixels take index 0.
    QTest::newRow("run-length 8, delta and end of picture")
        << bmp(infoHeader(40, 3, 2, 8, 1), palette4, hexBytes("00020101 02030001"))
        << QList<QRgb> {red, white, white, red, red, red};
    // Absolute stretches of 3 (padded) and a run of alternating nibbles.
    QTest::newRow("run-length 4") << bmp(infoHeader(40, 4, 2, 4, 2), palette4,
                                         hexBytes("00031230 0000 0431 0001"))
                                  << QList<QRgb> {white, green, white, green, green, blue, white, red};

    // Bit fields: every width scaled so its largest value is 255.
    QTest::newRow("16 bits, no bit fields: 5-5-5")
        << bmp(infoHeader(40, 2, 1, 16), QByteArray(), hexBytes("ff7f007c")) << QList<QRgb> {white, red};
    QTest::newRow("16 bits, 5-6-5 fields")
        << bmp(infoHeader(40, 2, 1, 16, 3), le32(0xf800) + le32(0x07e0) + le32(0x001f), hexBytes("ffffe007"))
        << QList<QRgb> {white, green};
    QTest::newRow("32 bits, 10-10-10-2 fields with alpha")
        << bmp(infoHeader(40, 2, 1, 32, 6),
               le32(0x3ff00000) + le32(0x000ffc00) + le32(0x3ff) + le32(0xc0000000),
               le32(0xffffffff) + le32(0x400003ff))
        << QList<QRgb> {white, qRgba(0, 0, 255, 85)};
    QTest::newRow("V4 header, 32 bits with alpha")
        << bmp(infoHeader(108, 2, 1, 32, 3, 0, {0xff0000, 0xff00, 0xff, 0xff000000}), QByteArray(),
               le32(0x80ff0000) + le32(0xff00ff00))
        << QList<QRgb> {qRgba(255, 0, 0, 128), green};
    QTest::newRow("V5 header, alpha mask zero everywhere: opaque")
        << bmp(infoHeader(124, 2, 1, 32, 3, 0, {0xff0000, 0xff00, 0xff, 0xff000000}), QByteArray(),
               le32(0x00ff0000) + le32(0x0000ff00))
        << QList<QRgb> {red, green};
}

void TestBmp::writtenByHand()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QRgb>, pixels);
    TestImages::saveFuzzSeed(QStringLiteral("bmp"), file);
    QString failure;
    const QImage image = decode(file, &failure);
    QVERIFY2(!image.isNull(), qPrintable(failure));
    const QList<QRgb> actual = pixelsOf(image);
    QVERIFY2(actual == pixels, qPrintable(printed(actual) + " expected " + printed(pixels)));
}

void TestBmp::embeddedProfile()
{
    const QByteArray profile = TestImages::adobeRgbProfile();
    const QString icc = m_dir.filePath("wide.icc"), source = m_dir.filePath("p.png"),
                  path = m_dir.filePath("p.bmp");
    TestImages::writeFile(icc, profile);
    TestImages::writeWithQt(TestImages::quadrants(9, 7), source, "png");
    TestImages::run("convert", {source, "-profile", icc, "BMP:" + path});
    const QByteArray bytes = TestImages::readFile(path);
    QCOMPARE(bytes.mid(14 + 56, 4), QByteArray("DEBM")); // PROFILE_EMBEDDED
    DecodedImage decoded;
    QVERIFY(!decode(bytes, nullptr, &decoded).isNull());
    QCOMPARE(decoded.iccProfile, profile);
}

void TestBmp::truncatedIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<double>("kept"); // the fraction left; 0 for all but the last byte
    for (const char *kind : {"24 bits", "8 bits", "run-length"})
        for (const double kept : {0.5, 0.9, 0.0})
            // A run-length file's last byte is its end-of-picture mark, after the whole picture.
            if (kept > 0 || QByteArray(kind) != "run-length")
                QTest::addRow("%s, %s", kind, kept > 0 ? qPrintable(QString::number(kept)) : "last byte cut")
                    << QString(kind) << kept;
}

void TestBmp::truncatedIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(double, kept);
    const QString source = m_dir.filePath("t.png"), path = m_dir.filePath("t.bmp");
    QImage picture = TestImages::quadrants(64, 48);
    if (kind != "24 bits")
        picture = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    TestImages::writeWithQt(picture, source, "png");
    TestImages::run("convert", {source, "-compress", kind == "run-length" ? "RLE" : "None", "BMP3:" + path});
    QCOMPARE(qFromLittleEndian<quint32>(TestImages::readFile(path).constData() + 30),
             kind == "run-length" ? 1u : 0u);
    const QByteArray bytes = TestImages::readFile(path);
    QVERIFY(!decode(bytes).isNull());
    QString failure;
    QVERIFY(
        decode(bytes.left(kept > 0 ? qsizetype(bytes.size() * kept) : bytes.size() - 1), &failure).isNull());
    QCOMPARE(failure, QStringLiteral("unsupported or damaged image: the file is truncated"));
}

void TestBmp::iconEntries_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QRgb>>("pixels"); // row by row from the top left; empty for a failure
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), clear = 0;
    // 2 x 2, 24 bits, bottom row first; the mask (rows of four bytes) clears the top right.
    const QByteArray bgr24 = hexBytes("ff0000 00ff00 0000 0000ff 0000ff 0000"),
                     mask2 = hexBytes("00000000 40000000");
    const QByteArray small24 = iconBitmap(2, 2, 24, QByteArray(), bgr24, mask2);
    QTest::newRow("24-bit bitmap with mask, directory saying 16 x 16")
        << ico({small24}) << QList<QRgb> {red, clear, blue, green};
    QTest::newRow("cursor") << ico({small24}, 2) << QList<QRgb> {red, clear, blue, green};
    const QByteArray palette = le32(0xff0000) + le32(0x00ff00) + le32(0x0000ff) + le32(0);
    QTest::newRow("4-bit bitmap with mask")
        << ico({iconBitmap(2, 2, 4, palette, hexBytes("12000000 00100000"), mask2)})
        << QList<QRgb> {red, clear, green, blue};
    QTest::newRow("32-bit bitmap with alpha: mask ignored")
        << ico({iconBitmap(2, 1, 32, QByteArray(), le32(0x80ff0000) + le32(0xff00ff00),
                           QByteArray(4, '\xff'))})
        << QList<QRgb> {qRgba(255, 0, 0, 128), green};
    QTest::newRow("32-bit bitmap, alpha zero everywhere: mask used")
        << ico({iconBitmap(2, 1, 32, QByteArray(), le32(0x00ff0000) + le32(0x0000ff00),
                           hexBytes("40000000"))})
        << QList<QRgb> {red, clear};
    QImage png(3, 3, QImage::Format_ARGB32);
    png.fill(qRgba(0, 0, 255, 200));
    QTest::newRow("PNG entry larger than the bitmap, directory saying 16 x 16 for both")
        << ico({small24, pngOf(png)}) << QList<QRgb>(9, qRgba(0, 0, 255, 200));
    QTest::newRow("largest of three, directory saying 256 x 256")
        << ico({small24, iconBitmap(1, 1, 24, QByteArray(), hexBytes("00ff0000"), le32(0)),
                iconBitmap(5, 1, 24, QByteArray(), hexBytes("0000ff 0000ff 0000ff 0000ff 00ff0000"),
                           le32(0))},
               1, 0)
        << QList<QRgb> {red, red, red, red, green};
    const QByteArray cut =
        ico({iconBitmap(1, 1, 24, QByteArray(), hexBytes("00ff0000"), le32(0)),
             iconBitmap(40, 40, 24, QByteArray(), QByteArray(40 * 120, '\x10'), QByteArray(40 * 8, '\0'))});
    QTest::newRow("largest entry cut") << cut.left(cut.size() - 2000) << QList<QRgb>();
}

// Qt's plugin refused an entry whose header disagrees with the directory; the entry's own
// header is what its pixels follow.
void TestBmp::iconEntries()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QRgb>, pixels);
    TestImages::saveFuzzSeed(QStringLiteral("ico"), file);
    const Result<DecodedImage> decoded = ImageDecoder(file, "ico").openAndDecode();
    if (pixels.isEmpty()) {
        QCOMPARE(decoded.failure().text(),
                 QStringLiteral("unsupported or damaged image: the file is truncated"));
        return;
    }
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    const QList<QRgb> actual = pixelsOf(decoded.value().image);
    QVERIFY2(actual == pixels, qPrintable(printed(actual) + " expected " + printed(pixels)));
}

QTEST_GUILESS_MAIN(TestBmp)
#include "tst_bmp.moc"
