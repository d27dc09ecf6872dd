#include "ImageLimits.h"

#include "Logging.h"

#include <QImageReader>

#include <exiv2/exiv2.hpp>
#include <mutex>
#include <tiffio.h>

bool exceedsImageLimits(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        return true;
    if (width > kMaxImageSide || height > kMaxImageSide)
        return true;
    return width * height > kMaxImagePixels;
}

static void forwardExiv2Message(int level, const char *message)
{
    qCDebug(lcMetadata, "exiv2 (%d): %s", level, message);
}

void initializeImageCore()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QImageReader::setAllocationLimit(int(kMaxImagePixels * 8 / (1024 * 1024)) + 1);
        Exiv2::XmpParser::initialize();
        Exiv2::LogMsg::setHandler(forwardExiv2Message);
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::warn);
        // libtiff's default handlers print to stderr; failures are reported per file instead.
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
    });
}
