// TGA against the values its fixtures were made with: files ImageMagick writes (raw and
// run-length, true colour, gray, colour mapped) and files written byte by byte for what
// ImageMagick does not write (top-left and right-to-left origins, 15- and 16-bit pixels, colour
// maps with a first index, the ID field, the TGA 2.0 alpha type, packets across rows, truncation).
#include "TestImages.h"
#include "decode/ImageDecoder.h"

#include <QtEndian>
#include <QtTest>

namespace {

using TestImages::argbWords;
using TestImages::hexBytes;

struct TgaFields {
    int imageType = 2;
    int depth = 24;
    int descriptor = 0;
    int width = 2;
    int height = 2;
    QByteArray id;
    int mapFirst = 0;
    int mapEntryBits = 0;
    QByteArray map; // entries as stored
    int mapLength = 0;
};

QByteArray tga(const TgaFields &f, const QByteArray &pixels)
{
    QByteArray header(18, '\0');
    header[0] = char(f.id.size());
    header[1] = char(f.mapLength > 0 ? 1 : 0);
    header[2] = char(f.imageType);
    qToLittleEndian<quint16>(quint16(f.mapFirst), header.data() + 3);
    qToLittleEndian<quint16>(quint16(f.mapLength), header.data() + 5);
    header[7] = char(f.mapEntryBits);
    qToLittleEndian<quint16>(quint16(f.width), header.data() + 12);
    qToLittleEndian<quint16>(quint16(f.height), header.data() + 14);
    header[16] = char(f.depth);
    header[17] = char(f.descriptor);
    return header + f.id + f.map + pixels;
}

// A TGA 2.0 footer with an extension area whose attribute type is given.
QByteArray withExtension(const QByteArray &file, int attributeType)
{
    QByteArray extension(495, '\0');
    qToLittleEndian<quint16>(495, extension.data());
    extension[494] = char(attributeType);
    QByteArray footer(8, '\0');
    qToLittleEndian<quint32>(quint32(file.size()), footer.data());
    return file + extension + footer + QByteArray("TRUEVISION-XFILE.\0", 18);
}

QImage decode(const QByteArray &bytes, QString *failure = nullptr)
{
    ImageDecoder decoder(bytes, "tga");
    const Result<DecodedImage> decoded = decoder.openAndDecode();
    if (failure)
        *failure = decoded.ok() ? QString() : decoded.failure().text();
    return decoded.ok() ? decoded.value().image : QImage();
}

} // namespace

class TestTga : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writtenByImageMagick_data();
    void writtenByImageMagick();
    void writtenByHand_data();
    void writtenByHand();
    void truncatedIsRefused_data();
    void truncatedIsRefused();
    void onlyTgaNamesAreTakenWithoutSignature();

private:
    QTemporaryDir m_dir;
};

void TestTga::writtenByImageMagick_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("imageType"); // checked in the written file
    QTest::addColumn<QString>("kind");
    // ImageMagick writes rows in the order it holds them and states the origin its -orient
    // names: top-left as it is, bottom-left flipped first.
    const QStringList top = {"-orient", "TopLeft"}, bottom = {"-flip", "-orient", "BottomLeft"};
    QTest::newRow("24-bit raw, top-left") << top << 2 << "colour";
    QTest::newRow("24-bit raw, bottom-left") << bottom << 2 << "colour";
    QTest::newRow("24-bit run-length") << top + QStringList {"-compress", "RLE"} << 10 << "colour";
    QTest::newRow("gray raw") << bottom + QStringList {"-type", "Grayscale"} << 3 << "gray";
    QTest::newRow("gray run-length") << top + QStringList {"-type", "Grayscale", "-compress", "RLE"} << 11
                                     << "gray";
    QTest::newRow("colour mapped raw") << bottom + QStringList {"-type", "Palette"} << 1 << "palette";
    QTest::newRow("colour mapped run-length")
        << top + QStringList {"-type", "Palette", "-compress", "RLE"} << 9 << "palette";
    QTest::newRow("32-bit with alpha") << bottom << 2 << "alpha";
}

void TestTga::writtenByImageMagick()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, kind);
    QImage expected = TestImages::quadrants(37, 23);
    if (kind == "gray") {
        expected = expected.convertToFormat(QImage::Format_Grayscale8);
    } else if (kind == "palette") {
        expected = QImage(37, 23, QImage::Format_RGB32);
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                expected.setPixel(x, y,
                                  (x + y) % 3 == 0 ? qRgb(250, 10, 0)
                                  : y < 10         ? qRgb(0, 90, 255)
                                                   : qRgb(7, 7, 7));
    } else if (kind == "alpha") {
        expected = expected.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                expected.setPixel(x, y, (expected.pixel(x, y) & 0xffffff) | (uint((x * 7 + y) % 256) << 24));
    }
    const QString source = m_dir.filePath("source.png"), path = m_dir.filePath("im.tga");
    TestImages::writeWithQt(expected, source, "png");
    TestImages::run("convert", QStringList {source} + arguments + QStringList {path});
    const QByteArray bytes = TestImages::readFile(path);
    QTEST(int(uchar(bytes.at(2))), "imageType");
    TestImages::saveFuzzSeed(QStringLiteral("tga"), bytes);
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode();
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    const QImage image = decoded.value().image;
    if (kind == "gray")
        QCOMPARE(image.format(), QImage::Format_Grayscale8);
    PM_COMPARE_IMAGES(image, expected, 0);
}

void TestTga::writtenByHand_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QRgb>>("pixels"); // top left, top right, bottom left, bottom right
    const QByteArray red = hexBytes("0000ff"), green = hexBytes("00ff00"), blue = hexBytes("ff0000"),
                     white = hexBytes("ffffff");
    const QList<QRgb> quad = argbWords("ffff0000 ff00ff00 ff0000ff ffffffff");
    TgaFields f;
    QTest::newRow("24-bit bottom-left") << tga(f, blue + white + red + green) << quad;
    f.descriptor = 0x20;
    QTest::newRow("24-bit top-left") << tga(f, red + green + blue + white) << quad;
    f.descriptor = 0x10;
    QTest::newRow("24-bit bottom-right") << tga(f, white + blue + green + red) << quad;
    f.descriptor = 0x30;
    QTest::newRow("24-bit top-right") << tga(f, green + red + white + blue) << quad;
    f.descriptor = 0x20;
    f.id = QByteArray(40, '\x01'); // dark bytes that must not be read as pixels
    QTest::newRow("ID field") << tga(f, red + green + blue + white) << quad;
    f = TgaFields();

    // 5 bits a channel, little-endian words: the fifth bit set everywhere is 255, not 248.
    f.depth = 16;
    f.descriptor = 0x20;
    const QByteArray white16 = hexBytes("ff7f"), red16 = hexBytes("007c"),
                     mid16 = hexBytes("1042"); // 16,16,16
    const QList<QRgb> fifteen = argbWords("ffffffff ffff0000 ff848484 ffffffff");
    QTest::newRow("16-bit, no alpha bits") << tga(f, white16 + red16 + mid16 + white16) << fifteen;
    f.depth = 15;
    QTest::newRow("15-bit") << tga(f, white16 + red16 + mid16 + white16) << fifteen;
    f.depth = 16;
    f.descriptor = 0x21;
    QTest::newRow("16-bit with an alpha bit") << tga(f, hexBytes("ffff") + red16 + hexBytes("00fc") + white16)
                                              << argbWords("ffffffff 00ff0000 ffff0000 00ffffff");
    f = TgaFields();

    // A colour map whose first entry is index 5; 16-bit and 32-bit entries.
    f.imageType = 1;
    f.depth = 8;
    f.descriptor = 0x20;
    f.mapFirst = 5;
    f.mapLength = 3;
    f.mapEntryBits = 24;
    f.map = red + green + blue;
    QTest::newRow("map of 24-bit entries from index 5")
        << tga(f, hexBytes("05060705")) << argbWords("ffff0000 ff00ff00 ff0000ff ffff0000");
    f.mapEntryBits = 16;
    f.map = red16 + white16 + mid16;
    QTest::newRow("map of 16-bit entries")
        << tga(f, hexBytes("07060506")) << argbWords("ff848484 ffffffff ffff0000 ffffffff");
    f.mapEntryBits = 32;
    f.map = hexBytes("0000ff80 00ff00ff ff000000");
    f.descriptor = 0x28;
    QTest::newRow("map of 32-bit entries with alpha")
        << tga(f, hexBytes("05060705")) << argbWords("80ff0000 ff00ff00 000000ff 80ff0000");
    f.imageType = 9;
    f.descriptor = 0x20;
    f.mapEntryBits = 24;
    f.map = red + green + blue;
    // One raw packet of three across the first row's end, then a run of one.
    QTest::newRow("run-length map indexes across rows")
        << tga(f, hexBytes("02060705 8007")) << argbWords("ff00ff00 ff0000ff ffff0000 ff0000ff");
    f = TgaFields();

    f.imageType = 10;
    f.width = 3;
    f.descriptor = 0x20;
    // A run of four across the row's end, then a raw packet of two.
    const QList<QRgb> runs = argbWords("ffff0000 ffff0000 ffff0000 ffffffff");
    QTest::newRow("run-length true colour across rows")
        << tga(f, "\x83" + red + "\x01" + green + white) << runs;
    f = TgaFields();

    f.imageType = 11;
    f.depth = 8;
    f.descriptor = 0x20;
    QTest::newRow("run-length gray") << tga(f, hexBytes("8140 0100ff"))
                                     << argbWords("ff404040 ff404040 ff000000 ffffffff");
    f.imageType = 3;
    f.depth = 16;
    f.descriptor = 0x28;
    QTest::newRow("gray with alpha") << tga(f, hexBytes("40ff 4000 0080 ffff"))
                                     << argbWords("ff404040 00404040 80000000 ffffffff");
    f = TgaFields();

    // 32-bit pixels: B, G, R, A.
    f.depth = 32;
    f.descriptor = 0x28;
    const QByteArray pixels32 = hexBytes("00008080 0000ffff 40404000 ffffff40");
    const QList<QRgb> straight = argbWords("80800000 ffff0000 00404040 40ffffff"),
                      opaque = argbWords("ff800000 ffff0000 ff404040 ffffffff");
    QTest::newRow("32-bit, alpha") << tga(f, pixels32) << straight;
    QTest::newRow("32-bit, extension: straight alpha") << withExtension(tga(f, pixels32), 3) << straight;
    QTest::newRow("32-bit, extension: no alpha") << withExtension(tga(f, pixels32), 0) << opaque;
    QTest::newRow("32-bit, extension: premultiplied alpha")
        << withExtension(tga(f, hexBytes("00008080 0000ffff 40404000 20202040")), 4)
        << argbWords("80ff0000 ffff0000 00000000 40808080");
    QTest::newRow("32-bit, alpha zero everywhere: unused")
        << tga(f, hexBytes("00008000 0000ff00 40404000 ffffff00")) << opaque;
}

void TestTga::writtenByHand()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QRgb>, pixels);
    TestImages::saveFuzzSeed(QStringLiteral("tga"), file);
    QString failure;
    const QImage image = decode(file, &failure);
    QVERIFY2(!image.isNull(), qPrintable(failure));
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width() - 1, h = argb.height() - 1;
    const QList<QRgb> actual = {argb.pixel(0, 0), argb.pixel(w, 0), argb.pixel(0, h), argb.pixel(w, h)};
    auto hex = [](const QList<QRgb> &list) {
        QStringList words;
        for (const QRgb c : list)
            words << QString::number(c, 16);
        return words.join(' ');
    };
    QVERIFY2(actual == pixels, qPrintable(hex(actual) + " expected " + hex(pixels)));
}

void TestTga::truncatedIsRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    TgaFields f;
    f.width = 40;
    f.height = 30;
    const QByteArray raw = tga(f, QByteArray(40 * 30 * 3, '\x55'));
    QTest::newRow("raw, last byte cut") << raw.left(raw.size() - 1);
    QTest::newRow("raw, half") << raw.left(raw.size() / 2);
    f.imageType = 10;
    QByteArray packets;
    for (int i = 0; i < 40 * 30 / 100; ++i)
        packets += hexBytes("e3102030"); // runs of 100
    const QByteArray rle = tga(f, packets);
    QTest::newRow("run-length, last packet cut") << rle.left(rle.size() - 1);
    QTest::newRow("run-length, last packet missing") << rle.left(rle.size() - 4);
    f.imageType = 1;
    f.depth = 8;
    f.mapLength = 256;
    f.mapEntryBits = 24;
    f.map = QByteArray(256 * 3, '\x10');
    QTest::newRow("colour map cut") << tga(f, QByteArray()).left(18 + 100);
    QVERIFY(!decode(rle).isNull());
}

void TestTga::truncatedIsRefused()
{
    QFETCH(QByteArray, file);
    QString failure;
    QVERIFY(decode(file, &failure).isNull());
    QCOMPARE(failure, QStringLiteral("unsupported or damaged image: the file is truncated"));
}

// The extension decides only among files without a signature: a PNG named .tga is a PNG, and
// TGA bytes named otherwise are not taken for TGA.
void TestTga::onlyTgaNamesAreTakenWithoutSignature()
{
    TgaFields f;
    const QByteArray file = tga(f, QByteArray(12, '\x7f'));
    for (const char *name : {"tga", "TGA", "icb", "vda", "vst"})
        QVERIFY2(ImageDecoder(file, name).openAndDecode().ok(), name);
    QVERIFY(!ImageDecoder(file, "jpg").openAndDecode().ok());
    const QString png = m_dir.filePath("picture.tga");
    TestImages::writeWithQt(TestImages::quadrants(8, 8), png, "png");
    const Result<DecodedImage> decoded = ImageDecoder(png).openAndDecode();
    QVERIFY(decoded.ok());
    QCOMPARE(decoded.value().image.size(), QSize(8, 8));
}

QTEST_GUILESS_MAIN(TestTga)
#include "tst_tga.moc"
