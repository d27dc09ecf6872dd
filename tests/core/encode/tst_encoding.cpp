#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "encode/GifEncoder.h"
#include "encode/JpegEncoder.h"
#include "encode/OutputEncoder.h"
#include "encode/PngEncoder.h"
#include "encode/TiffEncoder.h"
#include "metadata/SourceMetadata.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QtTest>

#include <cmath>

#include <zlib.h>

using TestImages::exiv2Value;
using TestImages::identify;

namespace {

// Converts one file through the whole core and returns the written path.
FileResult convertOne(const QString &input, const QString &folder, OutputFormat format, int width = 0,
                      int quality = kDefaultJpegQuality, OutputProfile profile = OutputProfile::Keep)
{
    ConversionJob job;
    job.inputs = {input};
    job.options.format = format;
    job.options.resize = width > 0 ? ResizeMode::Width : ResizeMode::None;
    job.options.resizeTo = width;
    job.options.jpegQuality = quality;
    job.options.outputProfile = profile;
    job.outputFolder = folder;
    return ConversionRunner(job).run().files.value(0);
}

// A PNG's bit depth and colour type from its header (0 gray, 2 RGB, 4 gray with alpha, 6 RGBA).
QString pngHeader(const QString &path)
{
    const QByteArray bytes = TestImages::readFile(path);
    return bytes.size() < 26
               ? QString()
               : QStringLiteral("depth %1 type %2").arg(int(uchar(bytes[24]))).arg(int(uchar(bytes[25])));
}

QImage gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x + y) * 127 / (w + h)));
    return image;
}

QByteArray deflated(const QByteArray &bytes)
{
    uLongf size = compressBound(uLong(bytes.size()));
    QByteArray packed(qsizetype(size), '\0');
    compress(reinterpret_cast<Bytef *>(packed.data()), &size,
             reinterpret_cast<const Bytef *>(bytes.constData()), uLong(bytes.size()));
    return packed.left(qsizetype(size));
}

// A zlib stream that unpacks to `size` zero bytes.
QByteArray deflatedZeros(qint64 size)
{
    z_stream stream {};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    const QByteArray zeros(1 << 16, '\0');
    QByteArray out;
    char buffer[1 << 14];
    for (qint64 left = size;;) {
        const qint64 step = std::min<qint64>(left, zeros.size());
        left -= step;
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zeros.constData()));
        stream.avail_in = uInt(step);
        int code = Z_OK;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            code = deflate(&stream, left == 0 ? Z_FINISH : Z_NO_FLUSH);
            out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
        if (left == 0 && code == Z_STREAM_END)
            break;
    }
    deflateEnd(&stream);
    return out;
}

// A PNG with one more chunk right after its header chunk, the bytes as given.
QByteArray withPngChunk(const QByteArray &png, const char type[4], const QByteArray &data)
{
    const QByteArray body = QByteArray(type, 4) + data;
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    chunk += body + QByteArray(4, '\0');
    qToBigEndian<quint32>(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
        chunk.data() + chunk.size() - 4);
    const qsizetype afterHeader = 8 + 8 + 13 + 4;
    return png.left(afterHeader) + chunk + png.mid(afterHeader);
}

// A JPEG with one more marker segment right after its start, the payload as given.
QByteArray withJpegSegment(const QByteArray &jpeg, uchar marker, const QByteArray &payload)
{
    QByteArray segment(4, '\xff');
    segment[1] = char(marker);
    qToBigEndian<quint16>(quint16(payload.size() + 2), segment.data() + 2);
    return jpeg.left(2) + segment + payload + jpeg.mid(2);
}

// An EXIF block ("Exif\0\0" and a little-endian TIFF structure): the first directory holds
// Make "TestCam", `extraFirst` more short values and the pointer to the Photo directory, which
// holds DateTimeOriginal and `extraPhoto` more short values.
QByteArray exifBlock(int extraFirst, int extraPhoto)
{
    const auto entry = [](quint16 tag, quint16 type, quint32 count, quint32 value) {
        QByteArray e(12, '\0');
        qToLittleEndian<quint16>(tag, e.data());
        qToLittleEndian<quint16>(type, e.data() + 2);
        qToLittleEndian<quint32>(count, e.data() + 4);
        qToLittleEndian<quint32>(value, e.data() + 8);
        return e;
    };
    const auto directory = [](const QList<QByteArray> &entries) {
        QByteArray d(2, '\0');
        qToLittleEndian<quint16>(quint16(entries.size()), d.data());
        for (const QByteArray &e : entries)
            d += e;
        return d + QByteArray(4, '\0');
    };
    const QByteArray make("TestCam\0", 8), date("2024:05:01 10:00:00\0", 20);
    const quint32 makeAt = 8 + 2 + 12 * quint32(extraFirst + 2) + 4;
    const quint32 photoAt = makeAt + quint32(make.size());
    QList<QByteArray> first {entry(0x010F, 2, quint32(make.size()), makeAt)};
    for (int i = 0; i < extraFirst; ++i)
        first << entry(quint16(0xC000 + i), 3, 1, 1);
    first << entry(0x8769, 4, 1, photoAt);
    const quint32 dateAt = photoAt + 2 + 12 * quint32(extraPhoto + 1) + 4;
    QList<QByteArray> photo {entry(0x9003, 2, quint32(date.size()), dateAt)};
    for (int i = 0; i < extraPhoto; ++i)
        photo << entry(quint16(0xA500 + i), 3, 1, 1);
    return QByteArray("Exif\0\0II*\0\x08\0\0\0", 14) + directory(first) + make + directory(photo) + date;
}

// A Photoshop image resource (8BIM, the id, an empty name, the size, the data padded to even).
QByteArray photoshopResource(quint16 id, const QByteArray &data)
{
    QByteArray resource("8BIM\0\0\0\0\0\0\0\0", 12);
    qToBigEndian<quint16>(id, resource.data() + 4);
    qToBigEndian<quint32>(quint32(data.size()), resource.data() + 8);
    return resource + data + QByteArray(data.size() % 2, '\0');
}

// An IPTC dataset of the application record.
QByteArray iptcDataset(quint8 tag, const QByteArray &value)
{
    QByteArray dataset("\x1c\x02\0\0\0", 5);
    dataset[2] = char(tag);
    qToBigEndian<quint16>(quint16(value.size()), dataset.data() + 3);
    return dataset + value;
}

} // namespace

class TestEncoding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jpegQuality();
    void pngOfAPhotoIsWhatQtWrites_data();
    void pngOfAPhotoIsWhatQtWrites();
    void gifHasAdaptivePaletteAndTransparency();
    void profileFollowsThePixels();
    void damagedProfileIsLeftOut_data();
    void damagedProfileIsLeftOut();
    void unreadableMetadataIsNoted_data();
    void unreadableMetadataIsNoted();
    void iptcSplitOverSegmentsIsJoined_data();
    void iptcSplitOverSegmentsIsJoined();
    void wideGamutBecomesSrgbWhereAsked();
    void overlaysKeepGrayOpacityAndDepth();
    void resolutionSurvivesResize();
    void metadataKeptOnRequest_data();
    void metadataKeptOnRequest();

private:
    QString taggedPhoto();
    QTemporaryDir m_dir;
    QString m_tagged;
};

namespace {

// The EXIF, XMP and IPTC tags exiftool finds in a file, as "Group:Tag" (IFD0:Artist, GPS:...).
QSet<QString> tagsIn(const QString &path)
{
    QSet<QString> tags;
    const QString listed =
        TestImages::run("exiftool", {"-args", "-G1", "-a", "-EXIF:all", "-XMP:all", "-IPTC:all", path});
    for (const QString &line : listed.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        tags.insert(line.mid(1).section(QLatin1Char('='), 0, 0));
    return tags;
}

bool isLocationTag(const QString &tag)
{
    static const QSet<QString> places = {"XMP-photoshop:City",
                                         "XMP-photoshop:State",
                                         "XMP-photoshop:Country",
                                         "XMP-iptcCore:Location",
                                         "XMP-iptcCore:CountryCode",
                                         "IPTC:City",
                                         "IPTC:Sub-location",
                                         "IPTC:Province-State",
                                         "IPTC:Country-PrimaryLocationCode",
                                         "IPTC:Country-PrimaryLocationName"};
    const QString name = tag.section(QLatin1Char(':'), 1);
    return tag.startsWith(QLatin1String("GPS:")) ||
           (tag.startsWith(QLatin1String("XMP")) && name.startsWith("GPS")) ||
           tag.startsWith(QLatin1String("XMP-iptcExt:Location")) || places.contains(tag);
}

// What the source holds besides its location.
const QSet<QString> kAuthorship = {"IFD0:Artist",   "IFD0:Copyright",       "XMP-dc:Creator",
                                   "XMP-dc:Rights", "XMP-xmpRights:Marked", "XMP-photoshop:Credit",
                                   "IPTC:By-line",  "IPTC:CopyrightNotice", "IPTC:Credit"};
const QSet<QString> kOtherTags = {"IFD0:Make", "IFD0:Model", "ExifIFD:DateTimeOriginal", "XMP-dc:Title",
                                  "IPTC:Keywords"};
// What an output states of itself: its layout, orientation and density, the XMP writer, the IPTC
// record's version.
const QSet<QString> kOwnTags = {"IFD0:ImageWidth",
                                "IFD0:ImageHeight",
                                "IFD0:BitsPerSample",
                                "IFD0:Compression",
                                "IFD0:PhotometricInterpretation",
                                "IFD0:StripOffsets",
                                "IFD0:SamplesPerPixel",
                                "IFD0:RowsPerStrip",
                                "IFD0:StripByteCounts",
                                "IFD0:PlanarConfiguration",
                                "IFD0:Predictor",
                                "IFD0:Orientation",
                                "IFD0:XResolution",
                                "IFD0:YResolution",
                                "IFD0:ResolutionUnit",
                                "XMP-x:XMPToolkit",
                                "IPTC:ApplicationRecordVersion"};

} // namespace

QString TestEncoding::taggedPhoto()
{
    if (!m_tagged.isEmpty())
        return m_tagged;
    const QString path = m_dir.filePath("gps.jpg");
    TestImages::writeWithQt(gradient(64, 48), path, "jpeg", 90);
    TestImages::setIcc(path, TestImages::srgbProfile());
    TestImages::writeWithQt(gradient(32, 24), m_dir.filePath("thumb.jpg"), "jpeg", 90);
    // As a camera writes it: turned by 6, its pixel size in EXIF and XMP, with a thumbnail.
    TestImages::run("exiftool", {"-q",
                                 "-overwrite_original",
                                 "-IFD0:Orientation#=6",
                                 "-XMP-tiff:Orientation#=6",
                                 "-ExifImageWidth=64",
                                 "-ExifImageHeight=48",
                                 "-XMP-exif:ExifImageWidth=64",
                                 "-XMP-exif:ExifImageHeight=48",
                                 "-ThumbnailImage<=" + m_dir.filePath("thumb.jpg"),
                                 "-GPSLatitude=48.8584",
                                 "-GPSLatitudeRef=N",
                                 "-GPSLongitude=2.2945",
                                 "-GPSLongitudeRef=E",
                                 "-GPSAltitude=35",
                                 "-XMP-exif:GPSLatitude=48.8584 N",
                                 "-XMP-exif:GPSLongitude=2.2945 E",
                                 "-XMP-photoshop:City=Paris",
                                 "-XMP-photoshop:State=IDF",
                                 "-XMP-photoshop:Country=France",
                                 "-XMP-iptcCore:Location=Champ de Mars",
                                 "-XMP-iptcCore:CountryCode=FR",
                                 "-XMP-iptcExt:LocationShownCity=Lyon",
                                 "-XMP-iptcExt:LocationCreatedCity=Paris",
                                 "-IPTC:City=Paris",
                                 "-IPTC:Sub-location=Champ de Mars",
                                 "-IPTC:Province-State=IDF",
                                 "-IPTC:Country-PrimaryLocationCode=FRA",
                                 "-IPTC:Country-PrimaryLocationName=France",
                                 "-Artist=Ana Lens",
                                 "-Copyright=(c) Ana Lens",
                                 "-XMP-dc:Creator=Ana Lens",
                                 "-XMP-dc:Rights=(c) Ana Lens",
                                 "-XMP-xmpRights:Marked=True",
                                 "-XMP-photoshop:Credit=Lens Agency",
                                 "-XMP-dc:Title=Harbour",
                                 "-IPTC:By-line=Ana Lens",
                                 "-IPTC:CopyrightNotice=(c) Ana Lens",
                                 "-IPTC:Credit=Lens Agency",
                                 "-IPTC:Keywords=boats",
                                 "-Make=Panasonic",
                                 "-Model=T1",
                                 "-DateTimeOriginal=2024:05:01 10:00:00",
                                 path});
    // Maker's notes with a place name in them, as Panasonic's travel cameras write.
    TestImages::run("exiv2", {"-M", "set Exif.Panasonic.City Ascii Paris", "-M",
                              "set Exif.Panasonic.Quality Short 2", path});
    const QSet<QString> tags = tagsIn(path);
    if (!tags.contains(kAuthorship) || !tags.contains(kOtherTags) || !tags.contains("GPS:GPSLatitude") ||
        !tags.contains("IPTC:City") || !tags.contains("XMP-iptcExt:LocationShownCity") ||
        !tags.contains("XMP-tiff:Orientation") || !tags.contains("XMP-exif:ExifImageWidth") ||
        exiv2Value(path, "Exif.Thumbnail.JPEGInterchangeFormat").isEmpty() ||
        exiv2Value(path, "Exif.Panasonic.City") != QLatin1String("Paris"))
        return QString();
    m_tagged = path;
    return m_tagged;
}

void TestEncoding::metadataKeptOnRequest_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("kept");
    for (const auto &[format, name] :
         {std::pair {OutputFormat::Jpeg, "JPEG"}, std::pair {OutputFormat::Png, "PNG"},
          std::pair {OutputFormat::Tiff, "TIFF"}})
        for (const auto &[kept, word] :
             {std::pair {MetadataKept::All, "keep"}, std::pair {MetadataKept::NoLocation, "no location"},
              std::pair {MetadataKept::CopyrightOnly, "copyright only"},
              std::pair {MetadataKept::None, "none"}})
            QTest::addRow("%s, %s", name, word) << int(format) << int(kept);
}

void TestEncoding::metadataKeptOnRequest()
{
    if (QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty())
        QSKIP("exiftool is not installed (package libimage-exiftool-perl)");
    const QString source = taggedPhoto();
    QVERIFY2(!source.isEmpty(), "exiftool did not tag the photo");
    QFETCH(int, format);
    QFETCH(int, kept);
    QTemporaryDir out;
    ConversionJob job;
    job.inputs = {source};
    job.options.format = OutputFormat(format);
    job.options.metadata = MetadataKept(kept);
    job.outputFolder = out.path();
    const ConversionReport report = ConversionRunner(job).run();
    const FileResult written = report.files.value(0);
    QCOMPARE(written.status, FileStatus::Written);
    QVERIFY2(written.notes.isEmpty(), qPrintable(written.notes.join("; ")));
    const QSet<QString> tags = tagsIn(written.output);
    const QString listed = QStringList(tags.begin(), tags.end()).join(QStringLiteral(", "));
    QSet<QString> location;
    for (const QString &tag : tags)
        if (isLocationTag(tag))
            location.insert(tag);
    const QSet<QString> beyondOwn = QSet<QString>(tags).subtract(kOwnTags);

    switch (MetadataKept(kept)) {
    case MetadataKept::All: {
        QVERIFY2(tags.contains(kAuthorship) && tags.contains(kOtherTags), qPrintable(listed));
        QVERIFY2(tags.contains("GPS:GPSLatitude") && tags.contains("XMP-exif:GPSLatitude") &&
                     tags.contains("XMP-iptcExt:LocationShownCity") && tags.contains("IPTC:City"),
                 qPrintable(listed));
        QVERIFY(report.notes.isEmpty());
        // The picture was turned upright: the orientation and pixel size stated are the output's
        // own, and the source's thumbnail, now turned the wrong way, is left out.
        const QString out = written.output;
        for (const char *key : {"Exif.Image.Orientation", "Xmp.tiff.Orientation"})
            QCOMPARE(exiv2Value(out, key), QStringLiteral("1"));
        for (const char *prefix : {"Exif.Photo.", "Xmp.exif."})
            QCOMPARE(exiv2Value(out, prefix + QStringLiteral("PixelXDimension")) + ' ' +
                         exiv2Value(out, prefix + QStringLiteral("PixelYDimension")),
                     QStringLiteral("48 64"));
        QCOMPARE(exiv2Value(out, "Exif.Thumbnail.JPEGInterchangeFormat"), QString());
        QCOMPARE(exiv2Value(out, "Exif.Panasonic.City"), QStringLiteral("Paris"));
        if (OutputFormat(format) == OutputFormat::Png) {
            // EXIF in the standard eXIf chunk, where browsers look, not in a legacy text chunk.
            const QString chunks = TestImages::run("exiv2", {"-pS", out});
            QVERIFY2(chunks.contains(QStringLiteral("| eXIf")), qPrintable(chunks));
            QVERIFY2(!chunks.contains(QStringLiteral("Raw profile type exif")), qPrintable(chunks));
        } else {
            // Viewers that honour the tag now leave the upright picture alone.
            QCOMPARE(identify(out, "%[orientation]"), QStringLiteral("TopLeft"));
        }
        break;
    }
    case MetadataKept::NoLocation:
        QVERIFY2(location.isEmpty(), qPrintable(QStringList(location.begin(), location.end()).join(", ")));
        QVERIFY2(tags.contains(kAuthorship) && tags.contains(kOtherTags), qPrintable(listed));
        QCOMPARE(report.notes, QStringList {"the location was removed from the metadata of 1 file"});
        // The maker's notes may hold a place anywhere: they go with it.
        QCOMPARE(exiv2Value(written.output, "Exif.Panasonic.City"), QString());
        QCOMPARE(exiv2Value(written.output, "Exif.Panasonic.Quality"), QString());
        break;
    case MetadataKept::CopyrightOnly:
        QCOMPARE(beyondOwn, kAuthorship);
        QCOMPARE(report.notes, QStringList {"the metadata of 1 file was reduced to authorship and rights"});
        break;
    case MetadataKept::None:
        QVERIFY2(beyondOwn.isEmpty(), qPrintable(listed));
        // JPEG and PNG state their density in their own JFIF and pHYs; a TIFF's tags are its own.
        if (OutputFormat(format) != OutputFormat::Tiff)
            QVERIFY2(tags.isEmpty(), qPrintable(listed));
        QCOMPARE(report.notes, QStringList {"the metadata was removed from 1 file"});
        break;
    }
    // The profile is the pixels', kept whichever metadata is.
    QVERIFY2(identify(written.output, "%[profiles]").contains(QStringLiteral("icc")),
             qPrintable(identify(written.output, "%[profiles]")));
    QCOMPARE(identify(written.output, "%w %h"), QStringLiteral("48 64"));
    // The source's 96 dpi, in the format's own field (PNG's is per centimetre).
    QCOMPARE(identify(written.output, "%x").toDouble(),
             OutputFormat(format) == OutputFormat::Png ? 37.8 : 96.0);
}

// The density JPEG and TIFF state is resolutionSurvivesResize's, a TIFF's alpha tst_storedpixels'.
void TestEncoding::jpegQuality()
{
    QTemporaryDir dir;
    const QImage picture = gradient(64, 48);
    for (int quality : {10, 85, 100}) {
        const QString path = dir.filePath(QStringLiteral("q%1.jpg").arg(quality));
        TestImages::writeFile(path, encodeJpeg(picture, quality, 300.0).value());
        QCOMPARE(identify(path, "%Q"), QString::number(quality));
    }
}

void TestEncoding::pngOfAPhotoIsWhatQtWrites_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<double>("dpi");
    QImage noisy(301, 203, QImage::Format_RGB888);
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, qRgb((x * y) & 255, (x ^ y) & 255, (x * 7 + y * 13) & 255));
    for (const QImage::Format format :
         {QImage::Format_RGB888, QImage::Format_RGB32, QImage::Format_Grayscale8}) {
        QTest::addRow("pattern, format %d", int(format)) << noisy.convertToFormat(format) << 300.0;
        QTest::addRow("gradient, format %d", int(format)) << gradient(640, 1).convertToFormat(format) << 72.0;
    }
    const QDir backgrounds(QStringLiteral("/usr/share/backgrounds"));
    const QStringList photos = backgrounds.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    if (!photos.isEmpty()) {
        const QImage photo = QImage(backgrounds.filePath(photos.first())).scaledToWidth(900);
        QTest::newRow("photo, RGB32") << photo.convertToFormat(QImage::Format_RGB32) << 240.0;
        QTest::newRow("photo, RGB888") << photo.convertToFormat(QImage::Format_RGB888) << 350.0;
        QTest::newRow("photo, gray") << photo.convertToFormat(QImage::Format_Grayscale8) << 96.0;
    }
}

// A photo's layouts are written by our own PNG encoder (so they can go band by band): byte for
// byte what Qt's writer made of them before, which still writes the other layouts.
void TestEncoding::pngOfAPhotoIsWhatQtWrites()
{
    QFETCH(QImage, picture);
    QFETCH(double, dpi);
    QImage bare(picture.constBits(), picture.width(), picture.height(), picture.bytesPerLine(),
                picture.format());
    bare.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    bare.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    QByteArray byQt;
    QBuffer buffer(&byQt);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(QImageWriter(&buffer, "png").write(bare));
    const Result<QByteArray> ours = encodePng(picture, dpi);
    QVERIFY(ours.ok());
    QCOMPARE(ours.value().size(), byQt.size());
    QVERIFY(ours.value() == byQt);
}

void TestEncoding::gifHasAdaptivePaletteAndTransparency()
{
    QTemporaryDir dir;
    QImage picture = gradient(128, 64).convertToFormat(QImage::Format_ARGB32);
    // Fully transparent, then under half opacity, then over it: transparent, transparent, opaque.
    for (int x = 0; x < 30; ++x)
        picture.setPixel(x, 0, x < 10 ? qRgba(0, 0, 0, 0) : qRgba(200, 0, 0, x < 20 ? 100 : 200));
    const QString path = dir.filePath("g.gif");
    TestImages::writeFile(path, encodeGif(picture).value());
    // An adaptive palette follows the picture: a smooth gradient gets many colours.
    QVERIFY(identify(path, "%k").toInt() > 100);
    QImage back(path);
    QCOMPARE(back.pixelColor(2, 0).alpha(), 0);
    QCOMPARE(back.pixelColor(12, 0).alpha(), 0);
    QCOMPARE(back.pixelColor(25, 0).alpha(), 255);
    QCOMPARE(back.pixelColor(60, 30).alpha(), 255);
    const QColor mid = back.pixelColor(64, 32);
    QVERIFY(qAbs(mid.red() - 127) < 24 && qAbs(mid.green() - 127) < 24);
}

void TestEncoding::profileFollowsThePixels()
{
    QTemporaryDir dir;
    // A gray picture with a gray profile stays gray and keeps its profile.
    const QString gray = dir.filePath("gray.png");
    TestImages::writeWithQt(gradient(40, 30).convertToFormat(QImage::Format_Grayscale8), gray, "png");
    TestImages::setIcc(gray, TestImages::grayProfile());
    FileResult result = convertOne(gray, dir.path(), OutputFormat::Jpeg, 20);
    QCOMPARE(result.status, FileStatus::Written);
    QCOMPARE(identify(result.output, "%[colorspace]"), QStringLiteral("Gray"));
    QVERIFY(identify(result.output, "%[profiles]").contains(QStringLiteral("icc")));

    // A CMYK source is converted to RGB; its CMYK profile is not copied.
    const QString profilePath = QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc");
    if (!QFile::exists(profilePath))
        QSKIP("no CMYK profile installed (package ghostscript)");
    QFile profileFile(profilePath);
    QVERIFY(profileFile.open(QIODevice::ReadOnly));
    const uchar ink[4] = {0, 255, 255, 0};
    const QString cmyk = dir.filePath("cmyk.jpg");
    TestImages::writeCmykJpeg(cmyk, 32, 32, ink, true, profileFile.readAll());
    for (OutputFormat format : {OutputFormat::Jpeg, OutputFormat::Png, OutputFormat::Tiff}) {
        result = convertOne(cmyk, dir.path(), format);
        QCOMPARE(result.status, FileStatus::Written);
        QCOMPARE(identify(result.output, "%[colorspace]"), QStringLiteral("sRGB"));
        QVERIFY2(!identify(result.output, "%[profiles]").contains(QStringLiteral("icc")),
                 qPrintable(result.output));
        const QColor red = QImage(result.output).pixelColor(16, 16);
        QVERIFY(red.red() > 200 && red.green() < 80);
    }
}

// The profile a file carries, as exiv2 extracts it (without judging it); empty when none.
static QByteArray embeddedProfile(const QString &path)
{
    const QString extracted = QFileInfo(path).path() + "/" + QFileInfo(path).completeBaseName() + ".icc";
    QFile::remove(extracted);
    int code = 0;
    TestImages::run("exiv2", {"-q", "-f", "-eC", path}, &code);
    return QFile::exists(extracted) ? TestImages::readFile(extracted) : QByteArray();
}

void TestEncoding::damagedProfileIsLeftOut_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<bool>("kept");
    // An RGB display profile's header (version 2.1, D50 illuminant) and an empty tag table.
    QByteArray header(132, '\0');
    qToBigEndian<quint32>(132, header.data());
    header.replace(8, 2, "\x02\x10");
    header.replace(12, 12, "mntrRGB XYZ ");
    header.replace(36, 4, "acsp");
    qToBigEndian<quint32>(0xF6D6, header.data() + 68);
    qToBigEndian<quint32>(0x10000, header.data() + 72);
    qToBigEndian<quint32>(0xD32D, header.data() + 76);
    QByteArray tableCut = header;
    qToBigEndian<quint32>(5, tableCut.data() + 128); // five tags, none there
    // sRGB with its red tone curve's data placed past the end.
    QByteArray tagOutside = TestImages::srgbProfile();
    for (quint32 i = 0; i < qFromBigEndian<quint32>(tagOutside.constData() + 128); ++i)
        if (tagOutside.mid(132 + 12 * i, 4) == "rTRC")
            qToBigEndian<quint32>(quint32(tagOutside.size()), tagOutside.data() + 132 + 12 * i + 4);
    QVERIFY(tagOutside != TestImages::srgbProfile());

    for (const char *source : {"jpg", "png"}) {
        QTest::addRow("%s: no tags", source) << source << header << false;
        QTest::addRow("%s: tag table past the end", source) << source << tableCut << false;
        QTest::addRow("%s: a tone curve's data past the end", source) << source << tagOutside << false;
        QTest::addRow("%s: Adobe RGB, kept byte for byte", source)
            << source << TestImages::adobeRgbProfile() << true;
    }
}

// A profile LittleCMS cannot convert from describes no colours: it is not written, and the
// file says so.
void TestEncoding::damagedProfileIsLeftOut()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, profile);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    const QString input = dir.filePath("profiled." + source);
    TestImages::writeWithQt(gradient(40, 30), input, source.toLatin1(), 90);
    if (source == "png")
        // By hand: ImageMagick refuses to write a damaged profile.
        TestImages::writeFile(input, withPngChunk(TestImages::readFile(input), "iCCP",
                                                  QByteArray("ICC profile\0\0", 13) + deflated(profile)));
    else
        TestImages::setIcc(input, profile);
    QCOMPARE(embeddedProfile(input), profile);
    for (OutputFormat format : {OutputFormat::Jpeg, OutputFormat::Png, OutputFormat::Tiff}) {
        const FileResult result = convertOne(input, dir.path(), format);
        QCOMPARE(result.status, FileStatus::Written);
        if (kept) {
            QVERIFY2(result.notes.isEmpty(), qPrintable(result.notes.join("; ")));
            QCOMPARE(embeddedProfile(result.output), profile);
        } else {
            QCOMPARE(result.notes, QStringList {"the colour profile is damaged and is left out"});
            QCOMPARE(embeddedProfile(result.output), QByteArray());
        }
    }
}

void TestEncoding::unreadableMetadataIsNoted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("note");  // the start of the one note expected
    QTest::addColumn<QString>("make");  // Exif.Image.Make in the output
    QTest::addColumn<QString>("date");  // Exif.Photo.DateTimeOriginal in the output
    QTest::addColumn<QString>("title"); // Xmp.dc.title in the output
    const QString make = QStringLiteral("TestCam"), date = QStringLiteral("2024:05:01 10:00:00"), none;
    const QString title = QStringLiteral("lang=\"x-default\" Harbour");
    const QString exifLost = QStringLiteral("the EXIF data could not be read and is left out: ");
    const QString exifCut = QStringLiteral("part of the EXIF data could not be read and is left out: ");
    const QString xmpLost = QStringLiteral("the XMP data is malformed and is left out");
    QTest::newRow("EXIF read whole") << "exif.jpg" << none << make << date << none;
    QTest::newRow("Photo directory of 3000 entries") << "photo3000.jpg" << exifCut << make << none << none;
    QTest::newRow("first directory of 4000 entries") << "first4000.jpg" << exifLost << none << none << none;
    QTest::newRow("XMP not well-formed, EXIF whole") << "badxmp.jpg" << xmpLost << make << date << none;
    // PNG: EXIF in an eXIf chunk, XMP in an iTXt one, beside a compressed chunk that unpacks to
    // 64 MiB of zeros or is cut short.
    QTest::newRow("PNG, zTXt of 64 MiB")
        << "ztxt.png"
        << "the PNG's zTXt chunk \"Comment\" is too large when unpacked and is left out" << make << date
        << title;
    QTest::newRow("PNG, compressed iTXt of 64 MiB")
        << "itxt.png"
        << "the PNG's iTXt chunk \"Comment\" is too large when unpacked and is left out" << make << date
        << title;
    QTest::newRow("PNG, iCCP of 64 MiB")
        << "iccp.png"
        << "the PNG's colour profile is too large when unpacked and is left out" << make << date << title;
    QTest::newRow("PNG, zTXt cut short")
        << "cutztxt.png"
        << "the PNG's zTXt chunk \"Comment\" is damaged and is left out" << make << date << title;
    QTest::newRow("PNG, XMP of 200 KB in a compressed iTXt") << "bigxmp.png" << none << make << date << title;
}

// What exiv2 passes over is said in the file's notes; what it could read is still carried.
void TestEncoding::unreadableMetadataIsNoted()
{
    QFETCH(QString, name);
    QFETCH(QString, note);
    QTemporaryDir dir;
    const QString input = dir.filePath(name);
    const bool png = name.endsWith(".png");
    TestImages::writeWithQt(gradient(40, 30), input, png ? "png" : "jpeg", png ? -1 : 90);
    QByteArray bytes = TestImages::readFile(input);
    if (name == "exif.jpg") {
        bytes = withJpegSegment(bytes, 0xE1, exifBlock(0, 0));
    } else if (name == "photo3000.jpg") {
        bytes = withJpegSegment(bytes, 0xE1, exifBlock(0, 3000));
    } else if (name == "first4000.jpg") {
        bytes = withJpegSegment(bytes, 0xE1, exifBlock(4000, 0));
    } else if (png) {
        QByteArray xmp =
            "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
            "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
            "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
            "rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'><dc:title><rdf:Alt><rdf:li "
            "xml:lang='x-default'>Harbour</rdf:li></rdf:Alt></dc:title></rdf:Description>"
            "</rdf:RDF></x:xmpmeta>";
        if (name == "bigxmp.png")
            xmp += QByteArray(200 * 1024, ' '); // padding, as editors leave room to grow
        xmp += "<?xpacket end='w'?>";
        const QByteArray xmpKeyword("XML:com.adobe.xmp\0", 18);
        bytes = withPngChunk(bytes, "eXIf", exifBlock(0, 0).mid(6));
        bytes = name == "bigxmp.png"
                    ? withPngChunk(bytes, "iTXt", xmpKeyword + QByteArray("\1\0\0\0", 4) + deflated(xmp))
                    : withPngChunk(bytes, "iTXt", xmpKeyword + QByteArray(4, '\0') + xmp);
        const qint64 bomb = qint64(64) << 20;
        if (name == "ztxt.png")
            bytes = withPngChunk(bytes, "zTXt", QByteArray("Comment\0\0", 9) + deflatedZeros(bomb));
        else if (name == "cutztxt.png")
            bytes = withPngChunk(bytes, "zTXt",
                                 QByteArray("Comment\0\0", 9) + deflated(QByteArray(5000, 'x')).left(20));
        else if (name == "itxt.png")
            bytes = withPngChunk(bytes, "iTXt", QByteArray("Comment\0\1\0\0\0", 12) + deflatedZeros(bomb));
        else if (name == "iccp.png")
            bytes = withPngChunk(bytes, "iCCP", QByteArray("ICC profile\0\0", 13) + deflatedZeros(bomb));
    } else if (name == "badxmp.jpg") {
        const QByteArray cut = "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
                               "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description";
        bytes = withJpegSegment(bytes, 0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0", 29) + cut);
        bytes = withJpegSegment(bytes, 0xE1, exifBlock(0, 0));
    }
    TestImages::writeFile(input, bytes);

    const FileResult result = convertOne(input, dir.path(), OutputFormat::Jpeg);
    QCOMPARE(result.status, FileStatus::Written);
    if (note.isEmpty()) {
        QVERIFY2(result.notes.isEmpty(), qPrintable(result.notes.join("; ")));
    } else {
        QCOMPARE(result.notes.size(), 1);
        QVERIFY2(result.notes.first().startsWith(note), qPrintable(result.notes.first()));
    }
    QTEST(exiv2Value(result.output, "Exif.Image.Make"), "make");
    QTEST(exiv2Value(result.output, "Exif.Photo.DateTimeOriginal"), "date");
    QTEST(exiv2Value(result.output, "Xmp.dc.title"), "title");
}

void TestEncoding::iptcSplitOverSegmentsIsJoined_data()
{
    QTest::addColumn<QList<int>>("cuts"); // where the resource stream is cut into APP13 segments
    QTest::addColumn<int>("iptcCut");     // where the datasets are cut into two IPTC resources; 0: one
    // A resolution resource of 16 bytes (28 with its header), then the IPTC: 90 bytes of
    // datasets (102 with the header), or two resources, each with its header and padding.
    QTest::newRow("one IPTC resource cut in its datasets") << QList<int> {28 + 50} << 0;
    QTest::newRow("one IPTC resource cut in its header") << QList<int> {28 + 6} << 0;
    QTest::newRow("cut where the IPTC resource starts") << QList<int> {28} << 0;
    QTest::newRow("three segments, the first a whole resource") << QList<int> {28, 28 + 60} << 0;
    QTest::newRow("two IPTC resources, a segment each") << QList<int> {28 + 12 + 29 + 1} << 29;
    QTest::newRow("two IPTC resources, a dataset across them") << QList<int> {28 + 12 + 36} << 36;
}

// Photoshop splits its resources over as many APP13 segments as they need, wherever the 64 KB a
// segment holds runs out; every IPTC dataset is carried.
void TestEncoding::iptcSplitOverSegmentsIsJoined()
{
    QFETCH(QList<int>, cuts);
    QFETCH(int, iptcCut);
    const QByteArray datasets = iptcDataset(0, QByteArray("\0\4", 2)) + iptcDataset(5, "Harbour") +
                                iptcDataset(25, "boats") + iptcDataset(25, "gulls") +
                                iptcDataset(120, "Caption in the second half");
    QByteArray stream = photoshopResource(0x03ED, QByteArray::fromHex("00480000000100010048000000010001"));
    stream += iptcCut == 0 ? photoshopResource(0x0404, datasets)
                           : photoshopResource(0x0404, datasets.left(iptcCut)) +
                                 photoshopResource(0x0404, datasets.mid(iptcCut));

    QTemporaryDir dir;
    const QString input = dir.filePath("split.jpg");
    TestImages::writeWithQt(gradient(40, 30), input, "jpeg", 90);
    QByteArray bytes = TestImages::readFile(input);
    // Each segment goes in right after the start marker: the last first.
    cuts.prepend(0);
    cuts.append(int(stream.size()));
    for (qsizetype i = cuts.size() - 2; i >= 0; --i)
        bytes = withJpegSegment(
            bytes, 0xED, QByteArray("Photoshop 3.0\0", 14) + stream.mid(cuts[i], cuts[i + 1] - cuts[i]));
    TestImages::writeFile(input, bytes);

    const FileResult result = convertOne(input, dir.path(), OutputFormat::Jpeg);
    QCOMPARE(result.status, FileStatus::Written);
    QVERIFY2(result.notes.isEmpty(), qPrintable(result.notes.join("; ")));
    QCOMPARE(TestImages::run("exiftool", {"-s3", "-sep", ", ", "-IPTC:ObjectName", "-IPTC:Keywords",
                                          "-IPTC:Caption-Abstract", result.output}),
             QStringLiteral("Harbour\nboats, gulls\nCaption in the second half\n"));
}

void TestEncoding::wideGamutBecomesSrgbWhereAsked()
{
    // A flat Adobe RGB green: its numbers mean a more saturated colour than in sRGB. GIF holds no
    // profile (nor metadata, which its note says), so it always gets sRGB's numbers; the others
    // keep the profile unless asked for sRGB. The expected numbers come from ImageMagick's own
    // conversion.
    QTemporaryDir dir;
    const QString source = dir.filePath("adobe.jpg");
    QImage flat(48, 32, QImage::Format_RGB32);
    flat.fill(qRgb(40, 160, 60));
    TestImages::writeWithQt(flat, source, "jpeg", 100);
    TestImages::setIcc(source, TestImages::adobeRgbProfile());
    TestImages::setExif(source, {{"Exif.Image.Make", "TestCam"}});
    TestImages::writeFile(dir.filePath("srgb.icc"), TestImages::srgbProfile());
    const QStringList expected =
        TestImages::run("convert", {source, "-profile", dir.filePath("srgb.icc"), "-format",
                                    "%[fx:round(255*p{24,16}.r)] %[fx:round(255*p{24,16}.g)] "
                                    "%[fx:round(255*p{24,16}.b)]",
                                    "info:"})
            .split(' ');
    QCOMPARE(expected.size(), 3);
    const QColor srgb(expected[0].toInt(), expected[1].toInt(), expected[2].toInt());
    QVERIFY2(std::abs(srgb.red() - 40) > 15, "the test colour must differ between the two spaces");

    const auto near = [](QColor a, QColor b, int tolerance) {
        return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
               std::abs(a.blue() - b.blue()) <= tolerance;
    };

    const FileResult gif = convertOne(source, dir.path(), OutputFormat::Gif);
    QCOMPARE(gif.status, FileStatus::Written);
    QCOMPARE(gif.notes, QStringList {"GIF holds no metadata or colour profile; they were not kept"});
    QColor written = QImage(gif.output).pixelColor(24, 16);
    QVERIFY2(near(written, srgb, 3), qPrintable(written.name() + " against " + srgb.name()));

    const FileResult kept = convertOne(source, dir.path(), OutputFormat::Png);
    QCOMPARE(identify(kept.output, "%[icc:description]"), QStringLiteral("Test Adobe RGB (1998)"));
    written = QImage(kept.output).pixelColor(24, 16);
    QVERIFY2(near(written, QColor(40, 160, 60), 2), qPrintable(written.name()));

    for (OutputFormat format : {OutputFormat::Jpeg, OutputFormat::Png, OutputFormat::Tiff}) {
        const FileResult asked =
            convertOne(source, dir.path(), format, 0, kDefaultJpegQuality, OutputProfile::Srgb);
        QCOMPARE(asked.status, FileStatus::Written);
        QCOMPARE(identify(asked.output, "%[icc:description]"), QStringLiteral("sRGB built-in"));
        written = QImage(asked.output).pixelColor(24, 16);
        QVERIFY2(near(written, srgb, 3), qPrintable(asked.output + ": " + written.name()));
    }

    // Gray stays gray, tagged with sRGB's tone curve.
    const QString gray = dir.filePath("gray.png");
    TestImages::writeWithQt(gradient(40, 30).convertToFormat(QImage::Format_Grayscale8), gray, "png");
    TestImages::setIcc(gray, TestImages::grayProfile());
    const FileResult grayOut = convertOne(gray, dir.path(), OutputFormat::Png, 0, 0, OutputProfile::Srgb);
    QCOMPARE(identify(grayOut.output, "%[colorspace]"), QStringLiteral("Gray"));
    QCOMPARE(identify(grayOut.output, "%[icc:description]"), QStringLiteral("Gray with sRGB tone curve"));
}

void TestEncoding::overlaysKeepGrayOpacityAndDepth()
{
    QTemporaryDir dir;
    ConversionJob job;
    job.outputFolder = dir.path();
    const auto convert = [&](const QString &input, OutputFormat format) {
        job.inputs = {input};
        job.options.format = format;
        const FileResult result = ConversionRunner(job).run().files.value(0);
        return result.status == FileStatus::Written ? result.output : QString();
    };

    // An opaque gray JPEG with a white watermark stays opaque and gray; a red one makes it
    // colour, still without alpha.
    const QString gray = dir.filePath("gray.jpg");
    TestImages::writeWithQt(gradient(400, 300).convertToFormat(QImage::Format_Grayscale8), gray, "jpeg", 90);
    job.options.watermark.enabled = true;
    job.options.watermark.text = QStringLiteral("Proof");
    QCOMPARE(pngHeader(convert(gray, OutputFormat::Png)), QStringLiteral("depth 8 type 0"));
    QCOMPARE(identify(convert(gray, OutputFormat::Tiff), "%[channels]"), QStringLiteral("gray"));
    job.options.watermark.color = Qt::red;
    QCOMPARE(pngHeader(convert(gray, OutputFormat::Png)), QStringLiteral("depth 8 type 2"));
    QCOMPARE(identify(convert(gray, OutputFormat::Tiff), "%[channels]"), QStringLiteral("srgb"));
    job.options.watermark = WatermarkOptions();

    // A 16-bit PNG with a logo stays 16-bit: the pixels the logo leaves alone keep all 16 bits.
    const QString deep = dir.filePath("deep.png");
    TestImages::run("convert",
                    {"-size", "300x200", "gradient:#102030-#d0e0f0", "-depth", "16", "PNG48:" + deep});
    QImage logo(40, 40, QImage::Format_RGB32);
    logo.fill(Qt::red);
    job.options.logo.enabled = true;
    job.options.logo.picture = logo;
    job.options.logo.position = Placement::TopRight;
    const QString sample = QStringLiteral("%[fx:round(65535*p{10,150}.b)]");
    const QString original = identify(deep, sample);
    QVERIFY2(original.toInt() % 257 != 0, "the probe must need 16 bits");
    for (OutputFormat format : {OutputFormat::Png, OutputFormat::Tiff}) {
        const QString out = convert(deep, format);
        QCOMPARE(identify(out, "%z %[channels]"), QStringLiteral("16 srgb"));
        QCOMPARE(identify(out, sample), original);
        QCOMPARE(identify(out, "%[fx:round(255*p{280,20}.r)] %[fx:round(255*p{280,20}.g)]"),
                 QStringLiteral("255 0"));
    }
    QCOMPARE(pngHeader(convert(deep, OutputFormat::Png)), QStringLiteral("depth 16 type 2"));

    // With alpha too: 16-bit RGBA, the transparent corner left transparent, the density kept (the
    // 8-bit layouts' is metadataKeptOnRequest's): pHYs counts per metre, 300 dpi read as 118.11
    // per centimetre.
    const QString clear = dir.filePath("clear.png");
    TestImages::run("convert",
                    {deep, "-alpha", "set", "-channel", "A", "-fx", "i <= 20 && j >= 180 ? 0 : 1", "+channel",
                     "-depth", "16", "-units", "PixelsPerInch", "-density", "300", "PNG64:" + clear});
    QCOMPARE(identify(clear, "%[fx:p{5,190}.a]"), QStringLiteral("0"));
    const QString out = convert(clear, OutputFormat::Png);
    QCOMPARE(pngHeader(out), QStringLiteral("depth 16 type 6"));
    QCOMPARE(identify(out, "%U"), QStringLiteral("PixelsPerCentimeter"));
    QVERIFY(qAbs(identify(out, "%x").toDouble() - 118.11) < 0.001);
    QCOMPARE(identify(out, "%[fx:p{5,190}.a] %[fx:round(255*p{280,20}.r)]"), QStringLiteral("0 255"));
    QCOMPARE(identify(out, sample), original);
}

void TestEncoding::resolutionSurvivesResize()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("print.jpg");
    TestImages::writeWithQt(gradient(600, 400), dir.filePath("print.png"), "png");
    TestImages::run("convert",
                    {dir.filePath("print.png"), "-units", "PixelsPerInch", "-density", "300", source});
    for (OutputFormat format : {OutputFormat::Jpeg, OutputFormat::Tiff}) {
        const FileResult result = convertOne(source, dir.path(), format, 150);
        QCOMPARE(identify(result.output, "%w %x %y %U"), QStringLiteral("150 300 300 PixelsPerInch"));
    }
}

QTEST_MAIN(TestEncoding) // watermark text needs fonts
#include "tst_encoding.moc"
