// File names as bytes: any byte string comes back unchanged through the QString form, and the
// output name made from it is valid UTF-8; a dropped uri-list of any bytes is parsed safely.
#include "batch/InputFiles.h"
#include "batch/OutputNaming.h"
#include "common/FileName.h"
#include "options/ConversionOptions.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = decodeFileName(bytes);
    if (encodeFileName(name) != bytes)
        std::abort();
    const QString stem =
        outputStem(QStringLiteral("/p/") + name + QStringLiteral(".jpg"), 1, ConversionOptions());
    if (hasEscapedBytes(stem) || QString::fromUtf8(stem.toUtf8()) != stem)
        std::abort();
    for (const QString &path : localFilesFromUriList(bytes))
        (void)encodeFileName(path);
    return 0;
}
