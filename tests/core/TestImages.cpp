#include "TestImages.h"
#include "settings/SettingsSchema.h"

#include <QColor>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryFile>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

#include <csetjmp>
#include <cstdio>
#include <exiv2/exiv2.hpp>
#include <jpeglib.h>
#include <lcms2.h>
#include <tiffio.h>
#include <zlib.h>

namespace TestImages {

QImage detailed(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int noise = (x * 7919 + y * 104729 + x * y * 31) % 97;
            const bool edge = (x / 9 + y / 7) % 2;
            image.setPixel(x, y, qRgb((x * 255) / width, edge ? 40 + noise : 200 - noise, (y * 255) / height));
        }
    return image;
}

QImage quadrants(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            QRgb base = !bottom ? (!right ? qRgb(200, 0, 0) : qRgb(0, 200, 0))
                                : (!right ? qRgb(0, 0, 200) : qRgb(200, 200, 0));
            // Low bits carry the position, so a misplaced pixel is seen.
            base =
                qRgb(qRed(base) + (x % 7) * 3, qGreen(base) + (y % 7) * 3, qBlue(base) + ((x + y) % 5) * 3);
            image.setPixel(x, y, base);
        }
    }
    return format == QImage::Format_RGB32 ? image : image.convertToFormat(format);
}

void writeWithQt(const QImage &image, const QString &path, const char *format, int quality)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image))
        qFatal("cannot write fixture %s: %s", qPrintable(path), qPrintable(writer.errorString()));
}

void writeCmykJpeg(const QString &path, int width, int height, const uchar cmyk[4], bool adobe,
                   const QByteArray &icc)
{
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    cinfo.write_Adobe_marker = adobe ? TRUE : FALSE;
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    if (!icc.isEmpty())
        jpeg_write_icc_profile(&cinfo, reinterpret_cast<const JOCTET *>(icc.constData()),
                               unsigned(icc.size()));
    std::vector<uchar> row(size_t(width) * 4);
    for (int x = 0; x < width; ++x)
        for (int c = 0; c < 4; ++c)
            row[size_t(x) * 4 + size_t(c)] = adobe ? uchar(255 - cmyk[c]) : cmyk[c];
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
}

QByteArray hexBytes(const char *digits)
{
    return QByteArray::fromHex(QByteArray(digits).replace(' ', ""));
}

QList<QRgb> argbWords(const char *words)
{
    QList<QRgb> colours;
    for (const QByteArray &word : QByteArray(words).split(' '))
        colours << QRgb(word.toUInt(nullptr, 16));
    return colours;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeDng(const QString &path, const QImage &picture, int orientation, const QString &artist)
{
    TIFF *tiff = TIFFOpen(QFile::encodeName(path).constData(), "w");
    QVERIFY(tiff);
    const int width = picture.width(), height = picture.height();
    const uint16_t patternSize[2] = {2, 2};
    const uint8_t pattern[4] = {0, 1, 1, 2}; // red, green / green, blue
    const uint8_t version[4] = {1, 4, 0, 0};
    // XYZ (D65) to the camera's colours, here linear sRGB.
    const float toCamera[9] = {3.2404542f, -1.5371385f, -0.4985314f, -0.9692660f, 1.8760108f,
                               0.0415560f, 0.0556434f,  -0.2040259f, 1.0572252f};
    const float neutral[3] = {1.0f, 1.0f, 1.0f};
    const uint32_t white[1] = {65535};
    const float black[1] = {0.0f};
    TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, 0);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 16);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, 32803); // colour filter array
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, height);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, orientation);
    TIFFSetField(tiff, TIFFTAG_MAKE, "Pressmark");
    TIFFSetField(tiff, TIFFTAG_MODEL, "Test Sensor");
    TIFFSetField(tiff, TIFFTAG_ARTIST, artist.toUtf8().constData());
    TIFFSetField(tiff, TIFFTAG_CFAREPEATPATTERNDIM, patternSize);
    TIFFSetField(tiff, TIFFTAG_CFAPATTERN, 4, pattern);
    TIFFSetField(tiff, TIFFTAG_DNGVERSION, version);
    TIFFSetField(tiff, TIFFTAG_UNIQUECAMERAMODEL, "Pressmark Test Sensor");
    TIFFSetField(tiff, TIFFTAG_COLORMATRIX1, 9, toCamera);
    TIFFSetField(tiff, TIFFTAG_CALIBRATIONILLUMINANT1, 21); // D65
    TIFFSetField(tiff, TIFFTAG_ASSHOTNEUTRAL, 3, neutral);
    TIFFSetField(tiff, TIFFTAG_WHITELEVEL, 1, white);
    TIFFSetField(tiff, TIFFTAG_BLACKLEVEL, 1, black);
    const auto linear = [](int v) {
        const double c = v / 255.0;
        return uint16_t(
            std::lround(65535.0 * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4))));
    };
    std::vector<uint16_t> row(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb p = picture.pixel(x, y);
            const int colour = pattern[(y % 2) * 2 + x % 2];
            row[size_t(x)] = linear(colour == 0 ? qRed(p) : colour == 1 ? qGreen(p) : qBlue(p));
        }
        QVERIFY(TIFFWriteScanline(tiff, row.data(), uint32_t(y), 0) == 1);
    }
    TIFFClose(tiff);
}

void saveFuzzSeed(const QString &kind, const QByteArray &bytes)
{
    const QString folder = qEnvironmentVariable("PRESSMARK_FUZZ_SEEDS");
    if (folder.isEmpty() || bytes.size() > 256 * 1024)
        return;
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16);
    writeFile(QStringLiteral("%1/%2-%3").arg(folder, kind, QString::fromLatin1(hash)), bytes);
}

static QByteArray pngChunk(const char *type, const QByteArray &body)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(body.size()), chunk.data());
    const QByteArray typed = QByteArray(type) + body;
    chunk += typed;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size()))),
        crc.data());
    return chunk + crc;
}

QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray ihdr(13, '\0');
    qToBigEndian<quint32>(width, ihdr.data());
    qToBigEndian<quint32>(height, ihdr.data() + 4);
    ihdr[8] = 8; // bit depth
    ihdr[9] = 2; // RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr) +
           pngChunk("IDAT", QByteArray::fromHex("789c030000000001")) + pngChunk("IEND", QByteArray());
}

template <typename Apply> static void editMetadata(const QString &path, Apply apply)
{
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    apply(*image);
    image->writeMetadata();
}

// Sets string values into one of the image's three metadata blocks.
template <typename Data>
static void setTags(const QString &path, const QList<QPair<QString, QString>> &tags,
                    Data &(Exiv2::Image::*get)(), void (Exiv2::Image::*set)(const Data &))
{
    editMetadata(path, [&](Exiv2::Image &image) {
        Data data = (image.*get)();
        for (const auto &tag : tags)
            data[tag.first.toStdString()] = tag.second.toStdString();
        (image.*set)(data);
    });
}

void setExif(const QString &path, const QList<QPair<QString, QString>> &tags)
{
    setTags<Exiv2::ExifData>(path, tags, &Exiv2::Image::exifData, &Exiv2::Image::setExifData);
}

void setXmp(const QString &path, const QList<QPair<QString, QString>> &tags)
{
    setTags<Exiv2::XmpData>(path, tags, &Exiv2::Image::xmpData, &Exiv2::Image::setXmpData);
}

void setIptc(const QString &path, const QList<QPair<QString, QString>> &tags)
{
    setTags<Exiv2::IptcData>(path, tags, &Exiv2::Image::iptcData, &Exiv2::Image::setIptcData);
}

void setIcc(const QString &path, const QByteArray &icc)
{
    if (path.endsWith(QLatin1String(".png"))) {
        // exiv2 0.27 writes PNG profiles with an empty name; ImageMagick writes them properly.
        QTemporaryFile profile(QDir::tempPath() + QStringLiteral("/profile-XXXXXX.icc"));
        profile.open();
        profile.write(icc);
        profile.flush();
        run(QStringLiteral("convert"), {path, QStringLiteral("-profile"), profile.fileName(), path});
        return;
    }
    editMetadata(path, [&](Exiv2::Image &image) {
        Exiv2::DataBuf buffer(reinterpret_cast<const Exiv2::byte *>(icc.constData()), long(icc.size()));
        image.setIccProfile(buffer, true);
    });
}

QString run(const QString &program, const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitCode();
    QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (process.exitCode() != 0 && !exitCode)
        out += QString::fromLocal8Bit(process.readAllStandardError());
    return out;
}

QString identify(const QString &path, const QString &format)
{
    return run(QStringLiteral("identify"), {QStringLiteral("-format"), format, path}).trimmed();
}

QString exiv2Value(const QString &path, const QString &key)
{
    int code = 0;
    const QString out =
        run(QStringLiteral("exiv2"),
            {QStringLiteral("-q"), QStringLiteral("-Pv"), QStringLiteral("-K"), key, path}, &code);
    return out.trimmed();
}

double psnr(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size() || x.isNull())
        return 0.0;
    double sum = 0.0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int dr = qRed(p[col]) - qRed(q[col]), dg = qGreen(p[col]) - qGreen(q[col]),
                      db = qBlue(p[col]) - qBlue(q[col]);
            sum += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = sum / (3.0 * x.width() * x.height());
    return mse == 0.0 ? std::numeric_limits<double>::infinity() : 10.0 * std::log10(255.0 * 255.0 / mse);
}

bool fuzzyEqual(const QImage &actualIn, const QImage &expectedIn, int tolerance, QString *message)
{
    if (actualIn.size() != expectedIn.size()) {
        *message = QStringLiteral("sizes differ: %1x%2, expected %3x%4")
                       .arg(actualIn.width())
                       .arg(actualIn.height())
                       .arg(expectedIn.width())
                       .arg(expectedIn.height());
        return false;
    }
    const QImage actual = actualIn.convertToFormat(QImage::Format_ARGB32);
    const QImage expected = expectedIn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
            if (std::abs(qRed(a) - qRed(e)) > tolerance || std::abs(qGreen(a) - qGreen(e)) > tolerance ||
                std::abs(qBlue(a) - qBlue(e)) > tolerance || std::abs(qAlpha(a) - qAlpha(e)) > tolerance) {
                *message = QStringLiteral("first difference at (%1, %2): #%3, expected #%4 (tolerance %5)")
                               .arg(x)
                               .arg(y)
                               .arg(a, 8, 16, QLatin1Char('0'))
                               .arg(e, 8, 16, QLatin1Char('0'))
                               .arg(tolerance);
                return false;
            }
        }
    }
    return true;
}

static QByteArray saveProfile(cmsHPROFILE profile)
{
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(int(size), Qt::Uninitialized);
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

QByteArray srgbProfile()
{
    return saveProfile(cmsCreate_sRGBProfile());
}

QByteArray grayProfile()
{
    cmsToneCurve *curve = cmsBuildGamma(nullptr, 2.2);
    cmsHPROFILE profile = cmsCreateGrayProfile(cmsD50_xyY(), curve);
    cmsSetProfileVersion(profile, 2.1); // the version every reader takes
    QByteArray bytes = saveProfile(profile);
    cmsFreeToneCurve(curve);
    return bytes;
}

QByteArray adobeRgbProfile()
{
    // The Adobe RGB (1998) definition: D65 white, its primaries, a 563/256 power curve.
    cmsCIExyY white;
    cmsWhitePointFromTemp(&white, 6504);
    const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1.0}, {0.21, 0.71, 1.0}, {0.15, 0.06, 1.0}};
    cmsToneCurve *curve = cmsBuildGamma(nullptr, 563.0 / 256.0);
    cmsToneCurve *curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsMLU *text = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(text, "en", "US", "Test Adobe RGB (1998)");
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, text);
    cmsMLUfree(text);
    cmsSetProfileVersion(profile, 2.1);
    QByteArray bytes = saveProfile(profile);
    cmsFreeToneCurve(curve);
    return bytes;
}

AppSettings unusualSettings(AppSettings s)
{
    for (const SettingRow &row : settingRows()) {
        switch (row.type) {
        case SettingType::Integer:
            s.setInteger(row.setting, int(row.defaultNumber) == row.max ? row.min : row.max);
            break;
        case SettingType::Fraction:
            s.setFraction(row.setting, 0.456f);
            break;
        case SettingType::Text:
            s.setText(row.setting, QStringLiteral("Été, \"quoted\" ; =x %1").arg(row.keyName()));
            break;
        case SettingType::SizeText:
            s.setText(row.setting, QStringLiteral("1234"));
            break;
        case SettingType::Color:
            s.setColor(row.setting, QColor(QRgba64::fromRgba64(0x1234, 0xabcd, 0x0001, 0xffff)));
            break;
        case SettingType::Picture: {
            QImage picture(7, 5, QImage::Format_ARGB32);
            picture.fill(QColor(10, 200, 30, 128));
            picture.setPixelColor(3, 2, QColor(255, 0, 0, 0));
            s.setPicture(row.setting, picture);
            break;
        }
        }
    }
    return s;
}

} // namespace TestImages
