#pragma once

#include "common/Failure.h"
#include "options/ConversionOptions.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The metadata of a source file: EXIF, XMP, IPTC and the ICC colour profile, read with exiv2.
// A value: cheap to copy, safe to share between threads once read.
class SourceMetadata {
public:
    SourceMetadata();
    ~SourceMetadata();
    SourceMetadata(const SourceMetadata &);
    SourceMetadata &operator=(const SourceMetadata &);

    // Reads the metadata of a file, its orientation and EXIF density with it. A file exiv2 does
    // not know gives empty metadata; damage that had to be passed over is said in `notes`.
    static SourceMetadata read(const QString &path, QStringList *notes = nullptr);
    // The same from a file's bytes already in memory (the decoder's), so a file is read once.
    static SourceMetadata fromBytes(const QByteArray &bytes, QStringList *notes = nullptr);
    // The same from blocks a decoder took out of a container exiv2 does not read: EXIF as a
    // TIFF structure (from its byte order mark on) and an XMP packet, either may be empty.
    static SourceMetadata fromBlocks(const QByteArray &exif, const QByteArray &xmp,
                                     QStringList *notes = nullptr);

    bool isEmpty() const;
    bool hasExifXmpOrIptc() const;
    // The EXIF orientation (1 to 8), else the XMP one; 1 when neither is usable.
    int orientation() const;
    // The horizontal density EXIF states; 0 when none or unusable.
    double exifDpi() const;
    QByteArray iccProfile() const;
    // An EXIF tag's value as text ("Exif.Photo.DateTimeOriginal"), without the NULs and spaces
    // that pad it; empty when the tag is missing or the key is not one exiv2 knows.
    QString exifText(const char *key) const;

    // The part of the metadata the option keeps (see MetadataKept), the colour profile, the
    // orientation and the density unchanged. `removed` is set when the source held something the
    // option leaves out: for NoLocation a location (the maker's notes are left out without it
    // being said), otherwise anything but what describes the file's own layout.
    SourceMetadata keeping(MetadataKept kept, bool *removed = nullptr) const;

    // Writes the metadata into an encoded JPEG, PNG or TIFF in memory: orientation 1, the given
    // pixel size and density, no embedded thumbnail, and the given colour profile (none when
    // empty). A failure leaves `encoded` as it was, but for running out of memory once the file
    // was rewritten: the encoded file is let go first (so a large output is not held three
    // times over), and `encoded` is then empty.
    Failure writeInto(QByteArray *encoded, QSize pixelSize, double dpi, const QByteArray &iccProfile) const;

    // The same metadata as blocks for formats whose own library writes them (WebP, AVIF, JPEG
    // XL): the EXIF as a TIFF structure ("II*\0..." or "MM\0*...", empty when there is none)
    // and the XMP packet (empty when none), brought up to date as writeInto() does. These
    // formats have no place for IPTC, so its datasets go into the XMP as their XMP properties.
    struct Blocks {
        QByteArray exif;
        QByteArray xmp;
    };
    Result<Blocks> blocksFor(QSize pixelSize, double dpi) const;

    // A one-line account of what is carried, for the conversion log.
    QString summary() const;

private:
    struct Data;
    static SourceMetadata withDerivedValues(std::shared_ptr<Data> data,
                                            const std::function<void(const QString &)> &note);
    std::shared_ptr<const Data> d;
};
