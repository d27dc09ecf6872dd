// PNG decoding against ImageMagick on files written with libpng's writer: every colour type and
// depth, with and without interlacing and a transparent colour, compared at 16 bits.
#include "TestImages.h"
#include "decode/ImageDecoder.h"

#include <QtEndian>
#include <QtTest>

#include <lcms2.h>
#include <png.h>

#include <cstdio>
#include <random>

namespace {

struct PngLayout {
    int colourType = PNG_COLOR_TYPE_RGB;
    int depth = 8;
    bool interlaced = false;
    bool transparentColour = false; // tRNS: a colour key, or per-entry alpha for a palette
    bool grayPalette = false;
    double gamma = 0.0;                     // gAMA when positive
    const double *chromaticities = nullptr; // cHRM: white x, y, then red, green, blue
    int width = 13, height = 7;
    int idatBytes = 0; // the most pixel data in one IDAT chunk; 0 for libpng's own size
};

} // namespace

Q_DECLARE_METATYPE(PngLayout)

namespace {

int channelsOf(int colourType)
{
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_PALETTE:
        return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    default:
        return 4;
    }
}

// Writes random samples, packed as the PNG format stores them; the first pixel's colour is the
// transparent one when a colour key is asked for, so the key occurs in the picture.
void writePng(const QString &path, const PngLayout &layout)
{
    const int channels = channelsOf(layout.colourType);
    const int maxSample = (1 << layout.depth) - 1;
    const int paletteSize = layout.colourType == PNG_COLOR_TYPE_PALETTE ? std::min(maxSample + 1, 200) : 0;
    std::mt19937 random(uint32_t(layout.colourType * 100 + layout.depth));
    std::vector<std::vector<int>> samples(size_t(layout.height));
    for (auto &row : samples)
        for (int i = 0; i < layout.width * channels; ++i)
            row.push_back(int(random() % uint32_t(paletteSize ? paletteSize : maxSample + 1)));

    const size_t rowBytes = (size_t(layout.width) * size_t(channels) * size_t(layout.depth) + 7) / 8;
    std::vector<std::vector<png_byte>> rows(size_t(layout.height), std::vector<png_byte>(rowBytes, 0));
    for (int y = 0; y < layout.height; ++y) {
        for (int i = 0; i < layout.width * channels; ++i) {
            const int value = samples[size_t(y)][size_t(i)];
            png_byte *row = rows[size_t(y)].data();
            if (layout.depth == 16) {
                row[2 * i] = png_byte(value >> 8);
                row[2 * i + 1] = png_byte(value);
            } else {
                const int bit = i * layout.depth;
                row[bit / 8] |= png_byte(value << (8 - layout.depth - bit % 8));
            }
        }
    }

    FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    QVERIFY(file);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    if (layout.idatBytes > 0)
        png_set_compression_buffer_size(png, size_t(layout.idatBytes));
    png_set_IHDR(png, info, png_uint_32(layout.width), png_uint_32(layout.height), layout.depth,
                 layout.colourType, layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    std::vector<png_byte> alphas;
    for (int i = 0; i < paletteSize; ++i) {
        const png_byte level = png_byte(random());
        palette.push_back(layout.grayPalette ? png_color {level, level, level}
                                             : png_color {level, png_byte(random()), png_byte(random())});
        alphas.push_back(png_byte(random()));
    }
    if (paletteSize)
        png_set_PLTE(png, info, palette.data(), paletteSize);
    if (layout.transparentColour) {
        const std::vector<int> &first = samples[0];
        png_color_16 key {};
        if (layout.colourType == PNG_COLOR_TYPE_GRAY)
            key.gray = png_uint_16(first[0]);
        else
            key = {0, png_uint_16(first[0]), png_uint_16(first[1]), png_uint_16(first[2]), 0};
        if (paletteSize)
            png_set_tRNS(png, info, alphas.data(), paletteSize / 2, nullptr);
        else
            png_set_tRNS(png, info, nullptr, 0, &key);
    }
    if (layout.gamma > 0)
        png_set_gAMA(png, info, layout.gamma);
    if (const double *c = layout.chromaticities)
        png_set_cHRM(png, info, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
    png_write_info(png, info);
    if (layout.interlaced)
        png_set_interlace_handling(png);
    std::vector<png_bytep> pointers;
    for (auto &row : rows)
        pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

// ImageMagick's reading of the file as 16-bit RGBA.
QImage referenceRgba64(const QString &path, QSize size)
{
    QProcess process;
    process.start(QStringLiteral("convert"),
                  {path, QStringLiteral("-depth"), QStringLiteral("16"), QStringLiteral("RGBA:-")});
    process.waitForFinished(-1);
    const QByteArray raw = process.readAllStandardOutput();
    QImage image(size, QImage::Format_RGBA64);
    if (raw.size() != size.width() * size.height() * 8)
        return QImage();
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<quint16 *>(image.scanLine(y));
        for (int i = 0; i < size.width() * 4; ++i)
            line[i] = qFromLittleEndian<quint16>(raw.constData() + (y * size.width() * 4 + i) * 2);
    }
    return image;
}

// The first differing sample at 16 bits, or an empty string.
QString firstDifference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2").arg(actual.width()).arg(actual.height());
    for (int y = 0; y < actual.height(); ++y) {
        const auto *a = reinterpret_cast<const quint16 *>(actual.constScanLine(y));
        const auto *e = reinterpret_cast<const quint16 *>(expected.constScanLine(y));
        for (int i = 0; i < actual.width() * 4; ++i)
            if (a[i] != e[i])
                return QStringLiteral("pixel %1,%2 channel %3: %4, expected %5")
                    .arg(i / 4)
                    .arg(y)
                    .arg(i % 4)
                    .arg(a[i])
                    .arg(e[i]);
    }
    return QString();
}

Result<DecodedImage> decode(const QString &path)
{
    return ImageDecoder(path).openAndDecode(QSize());
}

} // namespace

class TestPng : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchesAnIndependentReader_data();
    void matchesAnIndependentReader();
    void keepsGrayAndDepth();
    void gammaBecomesAProfile();
    void damagedFilesFail_data();
    void damagedFilesFail();

private:
    QTemporaryDir m_dir;
};

void TestPng::matchesAnIndependentReader_data()
{
    QTest::addColumn<PngLayout>("layout");
    const QList<QPair<int, QList<int>>> kinds = {
        {PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}}, {PNG_COLOR_TYPE_RGB, {8, 16}},
        {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}},  {PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}},
        {PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}},
    };
    for (const auto &kind : kinds) {
        for (const int depth : kind.second) {
            for (const bool interlaced : {false, true}) {
                const bool keyable = !(kind.first & PNG_COLOR_MASK_ALPHA);
                for (const bool key : {false, true}) {
                    if (key && !keyable)
                        continue;
                    PngLayout layout;
                    layout.colourType = kind.first;
                    layout.depth = depth;
                    layout.interlaced = interlaced;
                    layout.transparentColour = key;
                    QTest::addRow("type %d, %d bits%s%s", kind.first, depth, interlaced ? ", interlaced" : "",
                                  key ? ", tRNS" : "")
                        << layout;
                }
            }
        }
    }
    PngLayout tiny;
    tiny.width = tiny.height = 1;
    tiny.interlaced = true;
    QTest::newRow("1x1 interlaced") << tiny;
    PngLayout tall;
    tall.width = 1;
    tall.height = 9;
    tall.depth = 16;
    tall.transparentColour = true;
    QTest::newRow("1x9 16-bit tRNS") << tall;
}

void TestPng::matchesAnIndependentReader()
{
    QFETCH(PngLayout, layout);
    const QString path = m_dir.filePath(QStringLiteral("%1.png").arg(QTest::currentDataTag()));
    writePng(path, layout);
    TestImages::saveFuzzSeed(QStringLiteral("image"), TestImages::readFile(path));
    const Result<DecodedImage> decoded = decode(path);
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    const QImage expected = referenceRgba64(path, QSize(layout.width, layout.height));
    QVERIFY(!expected.isNull());
    const QImage actual = decoded.value().image.convertToFormat(QImage::Format_RGBA64);
    const QString difference = firstDifference(actual, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    const bool transparent = (layout.colourType & PNG_COLOR_MASK_ALPHA) || layout.transparentColour;
    QCOMPARE(decoded.value().image.hasAlphaChannel(), transparent);
}

// What the file holds is what the pipeline gets: gray stays gray, 16 bits stay 16 bits, and a
// palette of grays is gray.
void TestPng::keepsGrayAndDepth()
{
    const struct {
        PngLayout layout;
        QImage::Format format;
    } cases[] = {
        {{PNG_COLOR_TYPE_GRAY, 16}, QImage::Format_Grayscale16},
        {{PNG_COLOR_TYPE_GRAY, 4}, QImage::Format_Grayscale8},
        {{PNG_COLOR_TYPE_RGB, 16}, QImage::Format_RGBX64},
        {{PNG_COLOR_TYPE_RGB, 16, false, true}, QImage::Format_RGBA64},
        {{PNG_COLOR_TYPE_GRAY_ALPHA, 16}, QImage::Format_RGBA64},
        {{PNG_COLOR_TYPE_PALETTE, 8, false, false, true}, QImage::Format_Grayscale8},
        {{PNG_COLOR_TYPE_PALETTE, 8}, QImage::Format_RGB32},
        {{PNG_COLOR_TYPE_PALETTE, 4, false, true}, QImage::Format_ARGB32},
    };
    int n = 0;
    for (const auto &c : cases) {
        const QString path = m_dir.filePath(QStringLiteral("kind%1.png").arg(n++));
        writePng(path, c.layout);
        const Result<DecodedImage> decoded = decode(path);
        QVERIFY2(decoded.ok(), qPrintable(path));
        QCOMPARE(decoded.value().image.format(), c.format);
    }
}

// A gAMA of 1.0 describes linear pixels: the decoded picture carries a profile that says so.
// sRGB's own exponent needs none.
void TestPng::gammaBecomesAProfile()
{
    PngLayout linear;
    linear.gamma = 1.0;
    const QString linearPath = m_dir.filePath(QStringLiteral("linear.png"));
    writePng(linearPath, linear);
    const QByteArray icc = decode(linearPath).value().iccProfile;
    QVERIFY(!icc.isEmpty());

    cmsHPROFILE source = cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size()));
    cmsHPROFILE srgbProfile = cmsCreate_sRGBProfile();
    cmsHTRANSFORM transform =
        cmsCreateTransform(source, TYPE_RGB_8, srgbProfile, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    const uchar mid[3] = {128, 128, 128};
    uchar out[3] = {};
    cmsDoTransform(transform, mid, out, 1);
    cmsDeleteTransform(transform);
    cmsCloseProfile(source);
    cmsCloseProfile(srgbProfile);
    QVERIFY2(qAbs(int(out[1]) - 188) <= 2, qPrintable(QString::number(out[1]))); // linear 0.5 in sRGB

    // sRGB's numbers, as ImageMagick writes them on every PNG: no profile. Adobe RGB's
    // primaries with the same exponent: one.
    const double srgb[] = {0.3127, 0.329, 0.64, 0.33, 0.3, 0.6, 0.15, 0.06};
    const double adobe[] = {0.3127, 0.329, 0.64, 0.33, 0.21, 0.71, 0.15, 0.06};
    const double *const choices[] = {nullptr, srgb, adobe};
    for (const double *primaries : choices) {
        PngLayout usual;
        usual.gamma = 1 / 2.2;
        usual.chromaticities = primaries;
        const QString usualPath = m_dir.filePath(QStringLiteral("usual.png"));
        writePng(usualPath, usual);
        QCOMPARE(decode(usualPath).value().iccProfile.isEmpty(), primaries != adobe);
    }
}

void TestPng::damagedFilesFail_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("detail");
    QTest::newRow("truncated") << QStringLiteral("truncated") << "the file is truncated";
    // Cut in the middle of one IDAT among many: every read is held to the bytes left.
    QTest::newRow("truncated among several IDAT chunks")
        << QStringLiteral("truncated, IDAT chunks") << "the file is truncated";
    QTest::newRow("header checksum") << QStringLiteral("crc") << "IHDR: CRC error";
    QTest::newRow("no pixel data") << QStringLiteral("no IDAT") << QString();
    QTest::newRow("zero width") << QStringLiteral("zero width") << QString();
}

void TestPng::damagedFilesFail()
{
    QFETCH(QString, damage);
    QFETCH(QString, detail);
    PngLayout layout;
    layout.width = layout.height = 40;
    const bool chunked = damage == QLatin1String("truncated, IDAT chunks");
    if (chunked) {
        layout.width = layout.height = 64;
        layout.idatBytes = 1000;
    }
    const QString path = m_dir.filePath(damage + QStringLiteral(".png"));
    writePng(path, layout);
    QByteArray bytes = TestImages::readFile(path);
    if (chunked) {
        // 64 x 64 random RGB is some 12 KB of pixel data: a dozen chunks. The cut lies in the
        // middle of the ninth chunk's data.
        qsizetype chunk = -1;
        for (int i = 0; i < 9; ++i) {
            chunk = bytes.indexOf("IDAT", chunk + 1);
            QVERIFY(chunk > 0);
        }
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + chunk - 4);
        QCOMPARE(length, quint32(layout.idatBytes));
        bytes.truncate(chunk + 4 + length / 2);
    } else if (damage == QLatin1String("truncated")) {
        bytes.truncate(bytes.size() * 2 / 3);
    } else if (damage == QLatin1String("crc")) {
        bytes[29] = char(bytes[29] ^ 0x55); // IHDR's checksum
    } else if (damage == QLatin1String("no IDAT")) {
        const int idat = bytes.indexOf("IDAT") - 4;
        const int length = qFromBigEndian<quint32>(bytes.constData() + idat);
        bytes.remove(idat, length + 12);
    } else {
        qToBigEndian<quint32>(0, bytes.data() + 16);
    }
    TestImages::writeFile(path, bytes);
    TestImages::saveFuzzSeed(QStringLiteral("image"), bytes);
    const Result<DecodedImage> decoded = decode(path);
    QVERIFY(!decoded.ok());
    QCOMPARE(decoded.failure().reason, FailureReason::Unsupported);
    if (!detail.isEmpty())
        QCOMPARE(decoded.failure().detail, detail);
}

QTEST_GUILESS_MAIN(TestPng)
#include "tst_png.moc"
