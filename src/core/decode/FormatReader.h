#pragma once

#include "common/Failure.h"
#include "decode/DecodedImage.h"
#include "decode/RowSink.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QSize>

// One format family: reads the header, then the picture. Readers run on worker threads and
// hold no state beyond one file.
class FormatReader {
public:
    virtual ~FormatReader() = default;
    // Reads the header; a failure when the data is not a picture this reader can read.
    virtual Failure readHeader() = 0;
    // The format's name as users know it ("JPEG", "PSB", "AVIF", "WebP"), after readHeader().
    virtual QString formatName() const = 0;
    // The stored size; invalid when the header does not tell it.
    virtual QSize size() const = 0;
    // About the memory read(minimumSize) will take for the picture: four bytes a pixel of the
    // stored size unless the reader knows better. 0 when the size is unknown. A reader that
    // renders in a helper process adds the most that process may take.
    virtual qint64 decodedBytes(QSize minimumSize) const
    {
        Q_UNUSED(minimumSize)
        const QSize s = size();
        return s.isValid() ? qint64(s.width()) * s.height() * 4 : 0;
    }
    // Decodes the picture. A valid minimumSize lets the reader shrink on load, never below it.
    virtual Result<DecodedImage> read(QSize minimumSize) = 0;
    // True when the reader can give this file's rows as it decodes them (readRows()), valid
    // after readHeader(). Readers whose library gives the picture whole say false.
    virtual bool givesRows() const { return false; }
    // Decodes the picture as read() does, in its stored orientation, giving its rows to the sink
    // band by band instead of holding them: the result has the facts read() gives and a null
    // image. Only when givesRows(); requestUpright() does not apply.
    virtual Result<DecodedImage> readRows(QSize minimumSize, RowSink *sink)
    {
        Q_UNUSED(minimumSize)
        Q_UNUSED(sink)
        return Failure(FailureReason::InternalError,
                       QCoreApplication::translate("FormatReader", "rows asked of a reader that gives none"));
    }
    // About the memory readRows(minimumSize) takes besides what the sink keeps: the decoder's own
    // working memory (a few rows, or a progressive JPEG's coefficients).
    virtual qint64 streamedBytes(QSize minimumSize) const { return decodedBytes(minimumSize); }
    // True when the reader's shrink on load is as clean as the resampler's reduction, so a
    // conversion may ask it for the output's own size rather than twice that: a camera raw's half
    // size bins each 2 x 2 block of the sensor's own samples, where a JPEG's DCT shrink is a
    // cruder filter.
    virtual bool shrinksCleanly() const { return false; }
    // Asks for the picture upright by this EXIF orientation, before read(). A reader that can
    // turn it while decoding, saving a turned copy, does and sets DecodedImage::upright.
    virtual void requestUpright(int orientation) { Q_UNUSED(orientation) }
    // True when read() gives the picture as it is shown, turned by the file's own rule (HEIF's
    // rotation and mirror properties, JPEG XL's orientation, a camera's flip): size() is the
    // shown size, and an EXIF orientation tag in the file is not applied again. Valid after
    // readHeader().
    virtual bool turnsItself() const { return false; }
    // The EXIF (as a TIFF structure, from its byte order mark on) and the XMP packet the reader
    // took out of a container exiv2 does not read (HEIF, AVIF, JPEG XL). False when the file's
    // metadata is left to exiv2. Valid after readHeader().
    virtual bool embeddedMetadata(QByteArray *exif, QByteArray *xmp) const
    {
        Q_UNUSED(exif)
        Q_UNUSED(xmp)
        return false;
    }
};
