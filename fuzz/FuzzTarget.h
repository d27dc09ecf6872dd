#pragma once

// What every reader's fuzz target does with one input, so each target only names its reader.
#include "common/CodecLibraries.h"
#include "decode/FormatReader.h"
#include "decode/ImageDecoder.h"
#include "pipeline/FileMetadata.h"

#include <cstdint>

// Large claims are refused by the size limit, which the tests cover; keep runs fast.
inline bool smallEnoughToFuzz(QSize claimed)
{
    return claimed.isValid() && qint64(claimed.width()) * claimed.height() <= 4'000'000;
}

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// One reader on its own: its header, then its whole picture.
template <typename Create>
int fuzzReader(const QByteArray &bytes, bool recognised, Create create, const QByteArray &hint)
{
    if (!recognised)
        return 0;
    std::unique_ptr<FormatReader> reader = create(bytes, hint);
    if (reader->readHeader().failed() || !smallEnoughToFuzz(reader->size()))
        return 0;
    reader->read(QSize());
    return 0;
}

// A reader through the decoding entry point, with the metadata it hands over, and shrink on load
// asked for on every other input.
inline int fuzzDecoder(const QByteArray &bytes, bool recognised, const QByteArray &hint)
{
    initializeCodecLibraries();
    if (!recognised)
        return 0;
    ImageDecoder decoder(bytes, hint);
    if (decoder.open().failed())
        return 0;
    fileMetadata(decoder);
    const QSize s = decoder.size();
    if (!smallEnoughToFuzz(s))
        return 0;
    decoder.decode(bytes.size() % 2 ? s / 3 : QSize());
    return 0;
}
