#pragma once

#include "decode/FormatReader.h"

#include <QString>
#include <memory>

// The one decoding entry point: opens a file (or takes bytes already in memory, such as a
// picture dropped as data), picks the reader of its format by content, checks its size against
// the limits before anything large is allocated, and decodes it.
// One instance per file; safe to use on any thread.
class ImageDecoder {
public:
    explicit ImageDecoder(const QString &path);
    // Bytes in memory; the hint is an extension for formats without a signature.
    ImageDecoder(const QByteArray &data, const QByteArray &formatHint);
    ~ImageDecoder();

    // Opens the file and reads its header.
    Failure open();
    // The stored pixel size, valid after open() when the header tells it.
    QSize size() const;
    // The name of the format the header was read as ("JPEG", "PSB", "WebP"), after open().
    QString formatName() const;
    // About the memory decode(minimumSize) will take for the picture (see FormatReader).
    qint64 decodedBytes(QSize minimumSize) const;
    // Decodes the picture; minimumSize as for FormatReader::read. Palette pictures come out in
    // true colour (gray when every entry is gray), with alpha where they have transparency.
    // With an EXIF orientation, a reader that can turns the picture upright as it decodes
    // (DecodedImage::upright says whether it did).
    Result<DecodedImage> decode(QSize minimumSize, int orientation = 1);
    // Decodes as decode() does, in the stored orientation, giving the rows to the sink as they
    // are decoded when the reader can (the result's image is then null); a reader that cannot
    // gives the picture whole in the result as decode() does, and the sink is not called.
    Result<DecodedImage> decodeRows(QSize minimumSize, RowSink *sink);
    // True when decodeRows() gives the rows to the sink (FormatReader::givesRows), after open().
    bool givesRows() const;
    // About the memory decodeRows(minimumSize) takes besides what the sink keeps.
    qint64 streamedBytes(QSize minimumSize) const;
    // Whether the reader shrinks on load as cleanly as the resampler (FormatReader::shrinksCleanly).
    bool shrinksCleanly() const;
    // The EXIF orientation still to apply to what decode() gives: 1 when the reader turns the
    // picture by the file's own rule (FormatReader::turnsItself), else exifOrientation.
    int orientationToApply(int exifOrientation) const;
    // The EXIF and XMP the reader took out of the file itself (FormatReader::embeddedMetadata).
    bool embeddedMetadata(QByteArray *exif, QByteArray *xmp) const;
    // The file's bytes, read whole by open().
    const QByteArray &data() const { return m_data; }
    // open() and decode() in one step.
    Result<DecodedImage> openAndDecode(QSize minimumSize = QSize());

private:
    Failure fail(FailureReason reason, const QString &detail = QString());
    Failure readHeader();

    QString m_path;
    QByteArray m_data;
    QByteArray m_formatHint;
    bool m_inMemory = false;
    std::unique_ptr<FormatReader> m_reader;
};
