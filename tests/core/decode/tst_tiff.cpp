// TIFF against the values its fixtures were written with: pages written sample by sample with
// libtiff's own writer in every layout the reader takes (strips and tiles, contiguous and
// separate planes, 1 to 16 bits, gray, RGB, palette, CMYK, alpha of both kinds), compared at 16
// bits; and files libtiff's tools make (JPEG-compressed YCbCr).
#include "TestImages.h"
#include "decode/ImageDecoder.h"

#include <QtTest>

#include <tiffio.h>

namespace {

struct TiffLayout {
    int photometric = PHOTOMETRIC_RGB;
    int bits = 8;
    int colours = 3;
    int alpha = 0; // 0 none, else EXTRASAMPLE_ASSOCALPHA or EXTRASAMPLE_UNASSALPHA
    bool separate = false;
    bool tiled = false;
    int compression = COMPRESSION_NONE;
    int width = 37, height = 21; // not a multiple of the 16-pixel tiles
};

} // namespace

Q_DECLARE_METATYPE(TiffLayout)

namespace {

int samplesOf(const TiffLayout &l)
{
    return l.colours + (l.alpha ? 1 : 0);
}

// A sample's stored value: spread over the whole range, different for every channel.
quint32 valueAt(const TiffLayout &l, int x, int y, int sample)
{
    const quint32 largest = (quint32(1) << l.bits) - 1;
    if (l.alpha && sample == l.colours)
        return quint32(x * largest / (l.width - 1)); // alpha from 0 to full across
    if (l.photometric == PHOTOMETRIC_PALETTE)
        return quint32((x + y) % 16) & largest;
    return quint32((x * 2654435761u + y * 40503u + sample * 977u + quint32(x * y)) % (largest + 1));
}

QRgb paletteEntry(int i)
{
    return qRgb(i * 16, 255 - i * 16, (i * 77) % 256);
}

bool writeTiff(const QString &path, const TiffLayout &l, const QByteArray &icc = QByteArray())
{
    TIFF *tiff = TIFFOpen(QFile::encodeName(path).constData(), "w");
    if (!tiff)
        return false;
    const int samples = samplesOf(l);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(l.width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(l.height));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(samples));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(l.bits));
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, uint16_t(l.photometric));
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG,
                 uint16_t(l.separate ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG));
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, uint16_t(l.compression));
    if (l.alpha) {
        const uint16_t type = uint16_t(l.alpha);
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, uint16_t(1), &type);
    }
    if (l.photometric == PHOTOMETRIC_SEPARATED)
        TIFFSetField(tiff, TIFFTAG_INKSET, uint16_t(INKSET_CMYK));
    std::vector<uint16_t> map[3];
    if (l.photometric == PHOTOMETRIC_PALETTE) {
        for (int i = 0; i < (1 << l.bits); ++i) {
            const QRgb c = paletteEntry(i);
            map[0].push_back(uint16_t(qRed(c) * 257));
            map[1].push_back(uint16_t(qGreen(c) * 257));
            map[2].push_back(uint16_t(qBlue(c) * 257));
        }
        TIFFSetField(tiff, TIFFTAG_COLORMAP, map[0].data(), map[1].data(), map[2].data());
    }
    if (!icc.isEmpty())
        TIFFSetField(tiff, TIFFTAG_ICCPROFILE, uint32_t(icc.size()), icc.constData());
    const int tileSide = 16;
    if (l.tiled) {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, uint32_t(tileSide));
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, uint32_t(tileSide));
    } else {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(5));
    }
    // Packs `count` samples starting at (x, y): whole words for 16 bits, high bit first below.
    auto pack = [&](int x0, int y, int count, int plane, int columnsPerRow) {
        const int perPixel = l.separate ? 1 : samples;
        QByteArray bytes((qsizetype(columnsPerRow) * perPixel * l.bits + 7) / 8, '\0');
        for (int i = 0; i < count * perPixel; ++i) {
            const int x = x0 + i / perPixel, s = l.separate ? plane : i % perPixel;
            const quint32 v = x < l.width && y < l.height ? valueAt(l, x, y, s) : 0;
            if (l.bits == 16) {
                reinterpret_cast<uint16_t *>(bytes.data())[i] = uint16_t(v);
                continue;
            }
            for (int b = 0; b < l.bits; ++b) {
                const qsizetype bit = qsizetype(i) * l.bits + b;
                if (v & (1u << (l.bits - 1 - b)))
                    bytes[bit / 8] = char(bytes[bit / 8] | (0x80 >> (bit % 8)));
            }
        }
        return bytes;
    };
    const int planes = l.separate ? samples : 1;
    bool ok = true;
    for (int plane = 0; plane < planes; ++plane) {
        if (!l.tiled) {
            for (int y = 0; y < l.height && ok; ++y) {
                QByteArray row = pack(0, y, l.width, plane, l.width);
                ok = TIFFWriteScanline(tiff, row.data(), uint32_t(y), uint16_t(plane)) == 1;
            }
            continue;
        }
        for (int ty = 0; ty < l.height; ty += tileSide)
            for (int tx = 0; tx < l.width; tx += tileSide) {
                QByteArray tile;
                for (int r = 0; r < tileSide; ++r)
                    tile += pack(tx, ty + r, tileSide, plane, tileSide);
                ok = ok &&
                     TIFFWriteTile(tiff, tile.data(), uint32_t(tx), uint32_t(ty), 0, uint16_t(plane)) >= 0;
            }
    }
    TIFFClose(tiff);
    return ok;
}

} // namespace

class TestTiff : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layouts_data();
    void layouts();
    void cmyk_data();
    void cmyk();
    void jpegCompressedYCbCr();
    void profile();

private:
    QTemporaryDir m_dir;
};

void TestTiff::layouts_data()
{
    QTest::addColumn<TiffLayout>("layout");
    QTest::addColumn<int>("format"); // the picture's QImage::Format
    TiffLayout l;
    l.bits = 16;
    l.compression = COMPRESSION_LZW;
    QTest::newRow("RGB 16, strips") << l << int(QImage::Format_RGBX64);
    l.separate = true;
    QTest::newRow("RGB 16, separate planes in strips") << l << int(QImage::Format_RGBX64);
    l.tiled = true;
    QTest::newRow("RGB 16, separate planes in tiles") << l << int(QImage::Format_RGBX64);
    l.separate = false;
    l.compression = COMPRESSION_ADOBE_DEFLATE;
    QTest::newRow("RGB 16, tiles") << l << int(QImage::Format_RGBX64);
    l = TiffLayout();
    l.bits = 12;
    QTest::newRow("RGB 12") << l << int(QImage::Format_RGBX64);
    l.tiled = true;
    l.separate = true;
    QTest::newRow("RGB 12, separate planes in tiles") << l << int(QImage::Format_RGBX64);
    l = TiffLayout();
    QTest::newRow("RGB 8") << l << int(QImage::Format_RGB32);
    l.alpha = EXTRASAMPLE_UNASSALPHA;
    l.bits = 16;
    l.separate = true;
    QTest::newRow("RGBA 16, unassociated, separate planes") << l << int(QImage::Format_RGBA64);
    l.bits = 8;
    l.separate = false;
    l.alpha = EXTRASAMPLE_ASSOCALPHA;
    QTest::newRow("RGBA 8, associated") << l << int(QImage::Format_ARGB32);
    l = TiffLayout();
    l.photometric = PHOTOMETRIC_MINISBLACK;
    l.colours = 1;
    for (const int bits : {1, 2, 4, 8, 12, 16}) {
        l.bits = bits;
        QTest::addRow("gray %d", bits)
            << l << int(bits > 8 ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8);
    }
    l.bits = 1;
    l.photometric = PHOTOMETRIC_MINISWHITE;
    l.compression = COMPRESSION_CCITTFAX4;
    QTest::newRow("gray 1, white is zero, fax coded") << l << int(QImage::Format_Grayscale8);
    l = TiffLayout();
    l.photometric = PHOTOMETRIC_MINISBLACK;
    l.colours = 1;
    l.bits = 16;
    l.alpha = EXTRASAMPLE_UNASSALPHA;
    l.tiled = true;
    QTest::newRow("gray 16 with alpha, tiles") << l << int(QImage::Format_RGBA64);
    l = TiffLayout();
    l.photometric = PHOTOMETRIC_PALETTE;
    l.colours = 1;
    for (const int bits : {4, 8}) {
        l.bits = bits;
        QTest::addRow("palette %d", bits) << l << int(QImage::Format_RGB32);
    }
}

// Each sample as written, scaled to the picture's depth (12 bits to 16), at exact coordinates.
void TestTiff::layouts()
{
    QFETCH(TiffLayout, layout);
    QFETCH(int, format);
    const QString path = m_dir.filePath("layout.tif");
    QVERIFY(writeTiff(path, layout));
    TestImages::saveFuzzSeed(QStringLiteral("tiff"), TestImages::readFile(path));
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode();
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    const QImage image = decoded.value().image;
    QCOMPARE(image.size(), QSize(layout.width, layout.height));
    QCOMPARE(int(image.format()), format);
    const bool deep = layout.bits > 8;
    const quint32 largest = (quint32(1) << layout.bits) - 1;
    auto scaled = [&](quint32 v) -> quint32 {
        if (deep)
            return quint32((quint64(v) * 65535 + largest / 2) / largest);
        return quint32((quint64(v) * 255 + largest / 2) / largest) * 257; // 8 bits, as Qt widens them
    };
    const QImage wide = image.convertToFormat(QImage::Format_RGBA64);
    for (int y = 0; y < layout.height; ++y) {
        for (int x = 0; x < layout.width; ++x) {
            const QRgba64 p = reinterpret_cast<const QRgba64 *>(wide.constScanLine(y))[x];
            quint32 r, g, b, a = 65535;
            if (layout.photometric == PHOTOMETRIC_PALETTE) {
                const QRgb c = paletteEntry(int(valueAt(layout, x, y, 0)));
                r = qRed(c) * 257, g = qGreen(c) * 257, b = qBlue(c) * 257;
            } else if (layout.colours == 1) {
                r = g = b = scaled(valueAt(layout, x, y, 0));
                if (layout.photometric == PHOTOMETRIC_MINISWHITE)
                    r = g = b = 65535 - r;
            } else {
                r = scaled(valueAt(layout, x, y, 0)), g = scaled(valueAt(layout, x, y, 1)),
                b = scaled(valueAt(layout, x, y, 2));
            }
            if (layout.alpha) {
                a = scaled(valueAt(layout, x, y, layout.colours));
                if (layout.alpha == EXTRASAMPLE_ASSOCALPHA) {
                    // Written as is: read back as colours multiplied by alpha, then divided.
                    auto divided = [a](quint32 c) {
                        return a == 0
                                   ? 0u
                                   : std::min<quint32>(255, (c / 257 * 255 + a / 257 / 2) / (a / 257)) * 257;
                    };
                    r = divided(r), g = divided(g), b = divided(b);
                }
            }
            const QString where = QStringLiteral("(%1, %2): %3 %4 %5 %6, expected %7 %8 %9 %10")
                                      .arg(x)
                                      .arg(y)
                                      .arg(p.red())
                                      .arg(p.green())
                                      .arg(p.blue())
                                      .arg(p.alpha())
                                      .arg(r)
                                      .arg(g)
                                      .arg(b)
                                      .arg(a);
            if (layout.alpha && a == 0)
                QVERIFY2(p.alpha() == 0, qPrintable(where));
            else
                QVERIFY2(p.red() == r && p.green() == g && p.blue() == b && p.alpha() == a,
                         qPrintable(where));
        }
    }
}

void TestTiff::cmyk_data()
{
    QTest::addColumn<TiffLayout>("layout");
    TiffLayout l;
    l.photometric = PHOTOMETRIC_SEPARATED;
    l.colours = 4;
    l.bits = 16;
    QTest::newRow("CMYK 16") << l;
    l.separate = true;
    l.tiled = true;
    QTest::newRow("CMYK 16, separate planes in tiles") << l;
    l.bits = 8;
    QTest::newRow("CMYK 8, separate planes in tiles") << l;
}

// Without a profile, the complement formula: each ink's 8-bit value against white.
void TestTiff::cmyk()
{
    QFETCH(TiffLayout, layout);
    const QString path = m_dir.filePath("cmyk.tif");
    QVERIFY(writeTiff(path, layout));
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode();
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    QVERIFY(decoded.value().convertedToSrgb);
    const QImage image = decoded.value().image;
    const quint32 largest = (quint32(1) << layout.bits) - 1;
    auto ink = [&](int x, int y, int s) {
        return int((quint64(valueAt(layout, x, y, s)) * 255 + largest / 2) / largest);
    };
    for (const QPoint at : {QPoint(0, 0), QPoint(5, 3), QPoint(36, 20), QPoint(17, 11)}) {
        const int k = ink(at.x(), at.y(), 3);
        auto channel = [&](int s) { return (255 - ink(at.x(), at.y(), s)) * (255 - k) / 255; };
        const QRgb p = image.pixel(at);
        QVERIFY2(std::abs(qRed(p) - channel(0)) <= 1 && std::abs(qGreen(p) - channel(1)) <= 1 &&
                     std::abs(qBlue(p) - channel(2)) <= 1,
                 qPrintable(QStringLiteral("(%1, %2): %3, expected %4 %5 %6")
                                .arg(at.x())
                                .arg(at.y())
                                .arg(p, 8, 16)
                                .arg(channel(0))
                                .arg(channel(1))
                                .arg(channel(2))));
    }
}

// tiffcp writes YCbCr, subsampled 2 x 2, for JPEG compression: read as RGB by libjpeg.
void TestTiff::jpegCompressedYCbCr()
{
    const QString plain = m_dir.filePath("plain.tif"), jpeg = m_dir.filePath("jpeg.tif");
    const QImage picture = TestImages::quadrants(64, 48);
    TestImages::writeWithQt(picture, plain, "tiff");
    TestImages::run("tiffcp", {"-c", "jpeg:95", "-r", "16", plain, jpeg});
    QVERIFY(TestImages::run("tiffinfo", {jpeg}).contains("YCbCr"));
    const Result<DecodedImage> decoded = ImageDecoder(jpeg).openAndDecode();
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    QCOMPARE(decoded.value().image.size(), picture.size());
    // Inside each quadrant, away from the edges where JPEG rings, the colours come back.
    for (const QPoint at : {QPoint(10, 10), QPoint(50, 10), QPoint(10, 40), QPoint(50, 40)}) {
        const QRgb p = decoded.value().image.pixel(at), e = picture.pixel(at);
        QVERIFY2(std::abs(qRed(p) - qRed(e)) <= 8 && std::abs(qGreen(p) - qGreen(e)) <= 8 &&
                     std::abs(qBlue(p) - qBlue(e)) <= 8,
                 qPrintable(QString::number(p, 16) + " expected " + QString::number(e, 16)));
    }
}

void TestTiff::profile()
{
    const QByteArray icc = TestImages::adobeRgbProfile();
    const QString path = m_dir.filePath("profiled.tif");
    TiffLayout l;
    l.bits = 16;
    l.separate = true;
    QVERIFY(writeTiff(path, l, icc));
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode();
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    QCOMPARE(decoded.value().iccProfile, icc);
}

QTEST_GUILESS_MAIN(TestTiff)
#include "tst_tiff.moc"
