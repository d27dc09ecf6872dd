// Fuzzes the camera raw reader (LibRaw), as a .dng through the decoding entry point on bytes in memory, with
// the metadata its reader hands over, and shrink on load asked for on every other input.
#include "common/CodecLibraries.h"
#include "decode/CameraRawReader.h"
#include "decode/ImageDecoder.h"
#include "pipeline/FileMetadata.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    initializeCodecLibraries();
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!isCameraRaw(bytes, "dng"))
        return 0;
    ImageDecoder decoder(bytes, "dng");
    if (decoder.open().failed())
        return 0;
    fileMetadata(decoder);
    // Large claims are refused by the size limit, which the tests cover; keep runs fast.
    const QSize s = decoder.size();
    if (!s.isValid() || qint64(s.width()) * s.height() > 4'000'000)
        return 0;
    decoder.decode(size % 2 ? s / 3 : QSize());
    return 0;
}
