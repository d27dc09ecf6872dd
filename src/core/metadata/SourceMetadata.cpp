#include "metadata/SourceMetadata.h"

#include "common/CodecLibraries.h"
#include "common/InputFile.h"
#include "metadata/PhotoshopIptc.h"
#include "metadata/PngChunks.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exiv2/exiv2.hpp>
#include <set>

struct SourceMetadata::Data {
    Exiv2::ExifData exif;
    Exiv2::XmpData xmp;
    Exiv2::IptcData iptc;
    QByteArray icc;
    int orientation = 1;
    double exifDpi = 0.0;
};

namespace {

int validOrientation(long value)
{
    return value >= 1 && value <= 8 ? int(value) : 0;
}

// The EXIF orientation, else the XMP one; 1 when neither is usable.
int orientationOf(const Exiv2::ExifData &exif, const Exiv2::XmpData &xmp)
{
    auto e = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    if (e != exif.end() && e->count() > 0)
        if (int o = validOrientation(e->toLong()))
            return o;
    auto x = xmp.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation"));
    if (x != xmp.end() && x->count() > 0)
        if (int o = validOrientation(x->toLong()))
            return o;
    return 1;
}

// The horizontal density EXIF states; 0 when none or unusable.
double exifDpiOf(const Exiv2::ExifData &exif)
{
    auto x = exif.findKey(Exiv2::ExifKey("Exif.Image.XResolution"));
    if (x == exif.end() || x->count() == 0)
        return 0.0;
    const Exiv2::Rational r = x->toRational();
    if (r.second == 0)
        return 0.0;
    double dpi = double(r.first) / double(r.second);
    // Inches unless the file says otherwise; "no absolute unit" (1, as phones write 1/1 or 72/1)
    // states a pixel shape, not a resolution.
    auto unit = exif.findKey(Exiv2::ExifKey("Exif.Image.ResolutionUnit"));
    const long unitCode = unit != exif.end() && unit->count() > 0 ? unit->toLong() : 2;
    if (unitCode == 3)
        dpi *= 2.54;
    else if (unitCode != 2)
        return 0.0;
    return std::isfinite(dpi) && dpi > 0.0 ? dpi : 0.0;
}

QString libraryWords(const std::exception &e)
{
    return QString::fromLocal8Bit(e.what());
}

// exiv2's words for what it passed over: the first, and how many more.
QString firstOf(QStringList messages)
{
    messages.removeDuplicates();
    return messages.size() == 1
               ? messages.first()
               : QStringLiteral("%1 (and %2 more)").arg(messages.first()).arg(messages.size() - 1);
}

// What exiv2 read without a word and left out: an XMP packet that does not parse, and EXIF or
// IPTC it reported as unreadable while reading (its errors, and its warnings that something
// failed, where it drops a block or a dataset). A pointer back to a directory already read is
// a loop exiv2 stops at: nothing is left out.
QStringList passedOver(const Exiv2::Image &image, const QList<Exiv2Message> &messages)
{
    QStringList notes;
    const std::string &packet = image.xmpPacket();
    if (!packet.empty() && image.xmpData().empty()) {
        Exiv2::XmpData parsed;
        if (Exiv2::XmpParser::decode(parsed, packet) != 0)
            notes << QCoreApplication::translate("SourceMetadata",
                                                 "the XMP data is malformed and is left out");
    }
    QStringList exif, iptc;
    for (const Exiv2Message &message : messages) {
        if (message.text.contains(QLatin1String("XMP")) ||
            message.text.contains(QLatin1String("references previously read")) ||
            (!message.error && !message.text.startsWith(QLatin1String("Failed to"))))
            continue;
        (message.text.contains(QLatin1String("IPTC")) ? iptc : exif) << message.text;
    }
    if (!exif.isEmpty())
        notes << (image.exifData().empty()
                      ? QCoreApplication::translate("SourceMetadata",
                                                    "the EXIF data could not be read and is left out: %1")
                      : QCoreApplication::translate(
                            "SourceMetadata", "part of the EXIF data could not be read and is left out: %1"))
                     .arg(firstOf(exif));
    if (!iptc.isEmpty())
        notes << (image.iptcData().empty()
                      ? QCoreApplication::translate("SourceMetadata",
                                                    "the IPTC data could not be read and is left out: %1")
                      : QCoreApplication::translate(
                            "SourceMetadata", "part of the IPTC data could not be read and is left out: %1"))
                     .arg(firstOf(iptc));
    return notes;
}

} // namespace

SourceMetadata::SourceMetadata() : d(std::make_shared<Data>()) {}
SourceMetadata::~SourceMetadata() = default;
SourceMetadata::SourceMetadata(const SourceMetadata &) = default;
SourceMetadata &SourceMetadata::operator=(const SourceMetadata &) = default;

SourceMetadata SourceMetadata::read(const QString &path, QStringList *notes)
{
    const Result<QByteArray> bytes = readInputFile(path);
    return bytes.ok() ? fromBytes(bytes.value(), notes) : SourceMetadata();
}

SourceMetadata SourceMetadata::fromBytes(const QByteArray &bytes, QStringList *notes)
{
    initializeCodecLibraries();
    auto data = std::make_shared<Data>();
    const auto note = [notes](const QString &text) {
        if (notes)
            *notes << text;
    };
    try {
        QStringList leftOut;
        const QByteArray readable = pngMetadataForReading(bytes, &leftOut);
        for (const QString &text : leftOut)
            note(text);
        const auto *raw = reinterpret_cast<const Exiv2::byte *>(readable.constData());
        if (Exiv2::ImageFactory::getType(raw, long(readable.size())) == Exiv2::ImageType::none)
            return SourceMetadata();
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(raw, long(readable.size()));
        QList<Exiv2Message> messages = exiv2MessagesDuring([&] { image->readMetadata(); });
        data->exif = image->exifData();
        data->xmp = image->xmpData();
        data->iptc = image->iptcData();
        // The IPTC over all of a JPEG's APP13 segments, when there are several, takes the place of
        // what exiv2 read from the first ones, and of what it said of them.
        const QByteArray iptc = jpegIptcOverSegments(readable);
        Exiv2::IptcData joined;
        if (!iptc.isEmpty() &&
            Exiv2::IptcParser::decode(joined, reinterpret_cast<const Exiv2::byte *>(iptc.constData()),
                                      uint32_t(iptc.size())) == 0) {
            data->iptc = joined;
            messages.removeIf([](const Exiv2Message &m) { return m.text.contains(QLatin1String("IPTC")); });
        }
        for (const QString &text : passedOver(*image, messages))
            note(text);
        if (image->iccProfileDefined()) {
            const Exiv2::DataBuf *icc = image->iccProfile();
            data->icc = QByteArray(reinterpret_cast<const char *>(icc->pData_), int(icc->size_));
        }
    } catch (const std::exception &e) {
        note(QCoreApplication::translate("SourceMetadata",
                                         "the metadata could not be read and is left out: %1")
                 .arg(libraryWords(e)));
        return SourceMetadata();
    }
    return withDerivedValues(std::move(data), note);
}

SourceMetadata SourceMetadata::fromBlocks(const QByteArray &exif, const QByteArray &xmp, QStringList *notes)
{
    initializeCodecLibraries();
    auto data = std::make_shared<Data>();
    const auto note = [notes](const QString &text) {
        if (notes)
            *notes << text;
    };
    if (!exif.isEmpty()) {
        try {
            const QList<Exiv2Message> messages = exiv2MessagesDuring([&] {
                Exiv2::ExifParser::decode(data->exif, reinterpret_cast<const Exiv2::byte *>(exif.constData()),
                                          uint32_t(exif.size()));
            });
            if (data->exif.empty())
                note(QCoreApplication::translate("SourceMetadata",
                                                 "the EXIF data could not be read and is left out"));
            else if (std::any_of(messages.begin(), messages.end(),
                                 [](const Exiv2Message &m) { return m.error; }))
                note(QCoreApplication::translate("SourceMetadata",
                                                 "part of the EXIF data could not be read and is left out"));
        } catch (const std::exception &e) {
            data->exif.clear();
            note(QCoreApplication::translate("SourceMetadata",
                                             "the EXIF data could not be read and is left out: %1")
                     .arg(libraryWords(e)));
        }
    }
    if (!xmp.isEmpty()) {
        try {
            if (Exiv2::XmpParser::decode(data->xmp, xmp.toStdString()) != 0) {
                data->xmp.clear();
                note(QCoreApplication::translate("SourceMetadata",
                                                 "the XMP data is malformed and is left out"));
            }
        } catch (const std::exception &e) {
            data->xmp.clear();
            note(
                QCoreApplication::translate("SourceMetadata", "the XMP data is malformed and is left out: %1")
                    .arg(libraryWords(e)));
        }
    }
    return withDerivedValues(std::move(data), note);
}

SourceMetadata SourceMetadata::withDerivedValues(std::shared_ptr<Data> data,
                                                 const std::function<void(const QString &)> &note)
{
    SourceMetadata result;
    try {
        data->orientation = orientationOf(data->exif, data->xmp);
    } catch (const std::exception &e) {
        note(QCoreApplication::translate(
                 "SourceMetadata",
                 "the orientation tag could not be read (%1); the picture is taken as stored")
                 .arg(libraryWords(e)));
    }
    try {
        data->exifDpi = exifDpiOf(data->exif);
    } catch (const std::exception &e) {
        note(QCoreApplication::translate("SourceMetadata", "the EXIF resolution could not be read (%1)")
                 .arg(libraryWords(e)));
    }
    result.d = data;
    return result;
}

bool SourceMetadata::isEmpty() const
{
    return !hasExifXmpOrIptc() && d->icc.isEmpty();
}

QString SourceMetadata::exifText(const char *key) const
{
    try {
        const auto found = d->exif.findKey(Exiv2::ExifKey(key));
        if (found == d->exif.end() || found->count() == 0)
            return QString();
        QString text = QString::fromStdString(found->toString());
        while (!text.isEmpty() && (text.back() == QChar(0) || text.back().isSpace()))
            text.chop(1);
        return text.trimmed();
    } catch (const std::exception &) {
        return QString();
    }
}

bool SourceMetadata::hasExifXmpOrIptc() const
{
    return !d->exif.empty() || !d->xmp.empty() || !d->iptc.empty();
}

int SourceMetadata::orientation() const
{
    return d->orientation;
}

double SourceMetadata::exifDpi() const
{
    return d->exifDpi;
}

QByteArray SourceMetadata::iccProfile() const
{
    return d->icc;
}

namespace {

bool startsWith(const std::string &text, const char *prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// The key itself, or a part of it (an array item, a field of a structure).
bool isKeyOrPart(const std::string &key, const char *name)
{
    const size_t n = std::strlen(name);
    return key.compare(0, n, name) == 0 && (key.size() == n || key[n] == '[' || key[n] == '/');
}

bool isAnyOf(const std::string &key, std::initializer_list<const char *> names)
{
    for (const char *name : names)
        if (isKeyOrPart(key, name))
            return true;
    return false;
}

bool inMakerNote(const Exiv2::Exifdatum &datum)
{
    return Exiv2::ExifTags::isMakerGroup(datum.groupName()) || datum.groupName() == "MakerNote" ||
           datum.key() == "Exif.Photo.MakerNote";
}

// Where the picture was taken: the GPS directory, and the place names some makers' notes hold
// (Panasonic's and Samsung's, Pentax's world-time location).
bool isLocation(const Exiv2::Exifdatum &datum)
{
    if (datum.groupName() == "GPSInfo" || datum.key() == "Exif.Image.GPSTag")
        return true;
    static const std::set<std::string> names = {"Country",  "State",    "City",         "City2",
                                                "Landmark", "Location", "LocationName", "LocalLocationName"};
    return Exiv2::ExifTags::isMakerGroup(datum.groupName()) && names.count(datum.tagName()) > 0;
}

bool isLocation(const Exiv2::Xmpdatum &datum)
{
    const std::string key = datum.key();
    return startsWith(key, "Xmp.exif.GPS") ||
           isAnyOf(key, {"Xmp.photoshop.City", "Xmp.photoshop.State", "Xmp.photoshop.Country",
                         "Xmp.iptc.Location", "Xmp.iptc.CountryCode", "Xmp.iptcExt.LocationCreated",
                         "Xmp.iptcExt.LocationShown", "Xmp.xmpDM.shotLocation"});
}

bool isLocation(const Exiv2::Iptcdatum &datum)
{
    return isAnyOf(datum.key(), {"Iptc.Application2.City", "Iptc.Application2.SubLocation",
                                 "Iptc.Application2.ProvinceState", "Iptc.Application2.CountryCode",
                                 "Iptc.Application2.CountryName", "Iptc.Application2.LocationCode",
                                 "Iptc.Application2.LocationName"});
}

// Who made the picture and its rights.
bool isAuthorship(const Exiv2::Exifdatum &datum)
{
    return isAnyOf(datum.key(), {"Exif.Image.Artist", "Exif.Image.Copyright", "Exif.Image.XPAuthor"});
}

bool isAuthorship(const Exiv2::Xmpdatum &datum)
{
    const std::string key = datum.key();
    return startsWith(key, "Xmp.xmpRights.") ||
           isAnyOf(key, {"Xmp.dc.creator", "Xmp.dc.rights", "Xmp.photoshop.Credit",
                         "Xmp.photoshop.AuthorsPosition", "Xmp.tiff.Artist", "Xmp.tiff.Copyright"});
}

bool isAuthorship(const Exiv2::Iptcdatum &datum)
{
    return isAnyOf(datum.key(), {"Iptc.Application2.Byline", "Iptc.Application2.BylineTitle",
                                 "Iptc.Application2.Credit", "Iptc.Application2.Copyright"});
}

// IPTC's own framing: the record versions and the character set its texts are in.
bool isIptcFraming(const Exiv2::Iptcdatum &datum)
{
    return isAnyOf(datum.key(), {"Iptc.Envelope.ModelVersion", "Iptc.Envelope.CharacterSet",
                                 "Iptc.Application2.RecordVersion"});
}

// EXIF that describes the source file rather than the picture: its layout and how its samples
// are coded (TIFF's own tags), which writeInto() replaces or the output states of itself, its
// thumbnail and further pages, which are never carried. Leaving these out is not worth a note.
bool describesTheFile(const Exiv2::Exifdatum &datum)
{
    const std::string group = datum.groupName();
    if (group == "Image")
        return isAnyOf(datum.key(), {"Exif.Image.Orientation",
                                     "Exif.Image.XResolution",
                                     "Exif.Image.YResolution",
                                     "Exif.Image.ResolutionUnit",
                                     "Exif.Image.ExifTag",
                                     "Exif.Image.NewSubfileType",
                                     "Exif.Image.SubfileType",
                                     "Exif.Image.ImageWidth",
                                     "Exif.Image.ImageLength",
                                     "Exif.Image.BitsPerSample",
                                     "Exif.Image.Compression",
                                     "Exif.Image.PhotometricInterpretation",
                                     "Exif.Image.FillOrder",
                                     "Exif.Image.SamplesPerPixel",
                                     "Exif.Image.PlanarConfiguration",
                                     "Exif.Image.Predictor",
                                     "Exif.Image.SampleFormat",
                                     "Exif.Image.ExtraSamples",
                                     "Exif.Image.YCbCrSubSampling",
                                     "Exif.Image.YCbCrPositioning",
                                     "Exif.Image.StripOffsets",
                                     "Exif.Image.StripByteCounts",
                                     "Exif.Image.RowsPerStrip",
                                     "Exif.Image.TileWidth",
                                     "Exif.Image.TileLength",
                                     "Exif.Image.TileOffsets",
                                     "Exif.Image.TileByteCounts",
                                     "Exif.Image.InterColorProfile",
                                     "Exif.Image.PageNumber",
                                     "Exif.Image.PageName",
                                     "Exif.Image.WhitePoint",
                                     "Exif.Image.PrimaryChromaticities",
                                     "Exif.Image.TransferFunction",
                                     "Exif.Image.YCbCrCoefficients",
                                     "Exif.Image.ReferenceBlackWhite",
                                     "Exif.Image.MinSampleValue",
                                     "Exif.Image.MaxSampleValue",
                                     "Exif.Image.JPEGInterchangeFormat",
                                     "Exif.Image.JPEGInterchangeFormatLength"});
    if (group == "Photo")
        return isAnyOf(datum.key(), {"Exif.Photo.PixelXDimension", "Exif.Photo.PixelYDimension"});
    return group != "GPSInfo" && !inMakerNote(datum);
}

// Erases what `leaveOut` picks; says whether any of it was worth saying (`counts`).
template <typename Container, typename LeaveOut, typename Counts>
bool eraseIf(Container &data, LeaveOut leaveOut, Counts counts)
{
    bool said = false;
    for (auto it = data.begin(); it != data.end();) {
        if (leaveOut(*it)) {
            said = said || counts(*it);
            it = data.erase(it);
        } else {
            ++it;
        }
    }
    return said;
}

} // namespace

SourceMetadata SourceMetadata::keeping(MetadataKept kept, bool *removed) const
{
    if (removed)
        *removed = false;
    if (kept == MetadataKept::All)
        return *this;
    auto data = std::make_shared<Data>(*d);
    bool said = false;
    const auto always = [](const auto &) { return true; };
    const auto exifCounts = [](const Exiv2::Exifdatum &datum) { return !describesTheFile(datum); };
    const auto iptcCounts = [](const Exiv2::Iptcdatum &datum) { return !isIptcFraming(datum); };
    try {
        switch (kept) {
        case MetadataKept::All:
            break;
        case MetadataKept::NoLocation: {
            const auto location = [](const auto &datum) { return isLocation(datum); };
            // The maker's notes go whole: exiv2 cannot read every maker's, and some hold places.
            said = eraseIf(
                data->exif, [](const Exiv2::Exifdatum &e) { return isLocation(e) || inMakerNote(e); },
                location);
            said = eraseIf(data->xmp, location, always) || said;
            said = eraseIf(data->iptc, location, always) || said;
            break;
        }
        case MetadataKept::CopyrightOnly: {
            const auto others = [](const auto &datum) { return !isAuthorship(datum); };
            said = eraseIf(data->exif, others, exifCounts);
            said = eraseIf(data->xmp, others, always) || said;
            said = eraseIf(
                       data->iptc,
                       [](const Exiv2::Iptcdatum &i) { return !isAuthorship(i) && !isIptcFraming(i); },
                       iptcCounts) ||
                   said;
            // The framing alone says nothing.
            if (std::all_of(data->iptc.begin(), data->iptc.end(), isIptcFraming))
                data->iptc.clear();
            break;
        }
        case MetadataKept::None:
            said = std::any_of(d->exif.begin(), d->exif.end(), exifCounts) || !d->xmp.empty() ||
                   std::any_of(d->iptc.begin(), d->iptc.end(), iptcCounts);
            data->exif.clear();
            data->xmp.clear();
            data->iptc.clear();
            break;
        }
    } catch (const std::exception &) {
        // A value exiv2 cannot look at: nothing of it is carried.
        data->exif.clear();
        data->xmp.clear();
        data->iptc.clear();
        said = true;
    }
    if (removed)
        *removed = said;
    SourceMetadata result;
    result.d = data;
    return result;
}

template <typename Container, typename Key> static void eraseKey(Container &data, const char *name)
{
    auto it = data.findKey(Key(name));
    while (it != data.end()) {
        data.erase(it);
        it = data.findKey(Key(name));
    }
}

template <typename Container, typename Key> static bool hasKey(Container &data, const char *name)
{
    return data.findKey(Key(name)) != data.end();
}

// What a raw file (DNG and those built like it) states to develop its sensor data: the colour
// filter, levels, colour matrices, white balance, crop, ... They describe no developed picture.
// The camera's model, serial number and lens stay.
static void eraseRawDevelopmentTags(Exiv2::ExifData &exif)
{
    const auto isRawDevelopment = [](const Exiv2::Exifdatum &d) {
        if (d.groupName() != "Image")
            return false;
        const uint16_t tag = d.tag();
        const bool descriptive = tag == 0xc614 || tag == 0xc615 || tag == 0xc62f || tag == 0xc630;
        return tag == 0x00fe || tag == 0x828d || tag == 0x828e ||
               (tag >= 0xc612 && tag <= 0xcfff && !descriptive);
    };
    for (auto it = exif.begin(); it != exif.end();)
        it = isRawDevelopment(*it) ? exif.erase(it) : std::next(it);
}

static Exiv2::URational dpiRational(double dpi)
{
    if (std::fabs(dpi - std::round(dpi)) < 1e-6)
        return Exiv2::URational(uint32_t(std::lround(dpi)), 1);
    return Exiv2::URational(uint32_t(std::lround(dpi * 1000.0)), 1000);
}

// The source's EXIF and XMP brought up to date for an output of this size and density:
// orientation 1, no thumbnail, none of the source's structure tags. Throws exiv2's errors.
static void updateForOutput(Exiv2::ExifData &exif, Exiv2::XmpData &xmp, QSize pixelSize, double dpi)
{
    if (!exif.empty()) {
        Exiv2::ExifThumb(exif).erase();
        exif["Exif.Image.Orientation"] = uint16_t(1);
        // Structure tags of the source's own layout would be wrong for this file.
        for (const char *key :
             {"Exif.Image.ImageWidth", "Exif.Image.ImageLength", "Exif.Image.BitsPerSample",
              "Exif.Image.Compression", "Exif.Image.PhotometricInterpretation", "Exif.Image.SamplesPerPixel",
              "Exif.Image.PlanarConfiguration", "Exif.Image.YCbCrSubSampling", "Exif.Image.StripOffsets",
              "Exif.Image.StripByteCounts", "Exif.Image.RowsPerStrip", "Exif.Image.TileOffsets",
              "Exif.Image.TileByteCounts", "Exif.Image.JPEGInterchangeFormat",
              "Exif.Image.JPEGInterchangeFormatLength"})
            eraseKey<Exiv2::ExifData, Exiv2::ExifKey>(exif, key);
        eraseRawDevelopmentTags(exif);
        if (hasKey<Exiv2::ExifData, Exiv2::ExifKey>(exif, "Exif.Photo.PixelXDimension")) {
            exif["Exif.Photo.PixelXDimension"] = uint32_t(pixelSize.width());
            exif["Exif.Photo.PixelYDimension"] = uint32_t(pixelSize.height());
        }
        exif["Exif.Image.XResolution"] = dpiRational(dpi);
        exif["Exif.Image.YResolution"] = dpiRational(dpi);
        exif["Exif.Image.ResolutionUnit"] = uint16_t(2);
    }
    if (!xmp.empty()) {
        if (hasKey<Exiv2::XmpData, Exiv2::XmpKey>(xmp, "Xmp.tiff.Orientation"))
            xmp["Xmp.tiff.Orientation"] = "1";
        for (auto [key, value] : {std::pair {"Xmp.exif.PixelXDimension", pixelSize.width()},
                                  std::pair {"Xmp.exif.PixelYDimension", pixelSize.height()},
                                  std::pair {"Xmp.tiff.ImageWidth", pixelSize.width()},
                                  std::pair {"Xmp.tiff.ImageLength", pixelSize.height()}}) {
            if (hasKey<Exiv2::XmpData, Exiv2::XmpKey>(xmp, key))
                xmp[key] = std::to_string(value);
        }
    }
}

static QByteArray exifStructure(const Exiv2::ExifData &exif)
{
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, Exiv2::bigEndian, exif);
    return QByteArray(reinterpret_cast<const char *>(blob.data()), qsizetype(blob.size()));
}

Result<SourceMetadata::Blocks> SourceMetadata::blocksFor(QSize pixelSize, double dpi) const
{
    Exiv2::ExifData exif = d->exif;
    Exiv2::XmpData xmp = d->xmp;
    try {
        updateForOutput(exif, xmp, pixelSize, dpi);
        if (!d->iptc.empty())
            Exiv2::copyIptcToXmp(d->iptc, xmp);
        Blocks blocks;
        if (!exif.empty())
            blocks.exif = exifStructure(exif);
        if (!xmp.empty()) {
            std::string packet;
            if (Exiv2::XmpParser::encode(packet, xmp, Exiv2::XmpParser::useCompactFormat) != 0)
                return Failure(
                    FailureReason::CannotWrite,
                    QCoreApplication::translate("SourceMetadata", "the XMP data could not be written"));
            blocks.xmp = QByteArray::fromStdString(packet);
        }
        return blocks;
    } catch (const std::exception &e) {
        return Failure(FailureReason::CannotWrite, libraryWords(e));
    }
}

Failure SourceMetadata::writeInto(QByteArray *encoded, QSize pixelSize, double dpi,
                                  const QByteArray &icc) const
{
    Exiv2::ExifData exif = d->exif;
    Exiv2::XmpData xmp = d->xmp;
    Exiv2::IptcData iptc = d->iptc;
    try {
        updateForOutput(exif, xmp, pixelSize, dpi);

        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(
            reinterpret_cast<const Exiv2::byte *>(encoded->constData()), long(encoded->size()));
        image->readMetadata();
        // PNG readers look for EXIF in the eXIf chunk, added below; exiv2 would write a legacy
        // text chunk.
        const bool png = image->imageType() == Exiv2::ImageType::png;
        image->setExifData(png ? Exiv2::ExifData() : exif);
        image->setXmpData(xmp);
        image->setIptcData(iptc);
        if (!icc.isEmpty()) {
            Exiv2::DataBuf buffer(reinterpret_cast<const Exiv2::byte *>(icc.constData()), long(icc.size()));
            image->setIccProfile(buffer, false);
        } else {
            image->clearIccProfile();
        }
        image->writeMetadata();

        // The rewritten file is exiv2's own now: the encoded one goes before the copy is made.
        Exiv2::BasicIo &io = image->io();
        if (io.open() != 0)
            throw Exiv2::Error(Exiv2::kerFailedToReadImageData);
        encoded->clear();
        QByteArray out;
        try {
            out = QByteArray(qsizetype(io.size()), Qt::Uninitialized);
        } catch (const std::bad_alloc &) {
            return Failure(FailureReason::OutOfMemory);
        }
        if (io.read(reinterpret_cast<Exiv2::byte *>(out.data()), long(out.size())) != long(out.size()))
            return Failure(
                FailureReason::CannotWrite,
                QCoreApplication::translate("SourceMetadata", "the rewritten file could not be read"));
        io.close();
        image.reset();
        if (png && !exif.empty())
            out = withPngExif(out, exifStructure(exif));
        *encoded = std::move(out);
        return {};
    } catch (const std::exception &e) {
        return {FailureReason::CannotWrite, libraryWords(e)};
    }
}

QString SourceMetadata::summary() const
{
    return QStringLiteral(
               "{exif = %1 entries, xmp = %2 entries, iptc = %3 entries, icc = %4 bytes, orientation = %5}")
        .arg(d->exif.count())
        .arg(d->xmp.count())
        .arg(d->iptc.count())
        .arg(d->icc.size())
        .arg(orientation());
}
