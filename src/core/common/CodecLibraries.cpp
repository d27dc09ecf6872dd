#include "common/CodecLibraries.h"

#include "common/Logging.h"
#include "decode/ImageLimits.h"

#include <QImageReader>

#include <exiv2/exiv2.hpp>
#include <mutex>
#include <tiffio.h>

namespace {

// Where exiv2's messages on this thread go while exiv2MessagesDuring() runs.
thread_local QList<Exiv2Message> *t_exiv2Messages = nullptr;

void forwardExiv2Message(int level, const char *message)
{
    qCDebug(lcMetadata, "exiv2 (%d): %s", level, message);
    if (t_exiv2Messages)
        t_exiv2Messages->append({level >= Exiv2::LogMsg::error, QString::fromLocal8Bit(message).trimmed()});
}

// exiv2's XMP toolkit keeps shared state (its namespace registry) that it guards only with the
// lock it is given: workers and the image list parse XMP at the same time.
std::mutex g_xmpToolkit;

void lockXmpToolkit(void *, bool lock)
{
    if (lock)
        g_xmpToolkit.lock();
    else
        g_xmpToolkit.unlock();
}

} // namespace

void initializeCodecLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QImageReader::setAllocationLimit(int(kMaxImagePixels * 8 / (1024 * 1024)) + 1);
        Exiv2::XmpParser::initialize(lockXmpToolkit, nullptr);
        Exiv2::LogMsg::setHandler(forwardExiv2Message);
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::warn);
        // ISO base media files (Canon's CR3) are read only when asked for.
        Exiv2::enableBMFF(true);
        // libtiff's default handlers print to stderr; failures are reported per file instead.
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
    });
}

QList<Exiv2Message> exiv2MessagesDuring(const std::function<void()> &work)
{
    initializeCodecLibraries();
    QList<Exiv2Message> messages;
    struct Collecting {
        QList<Exiv2Message> *outer;
        ~Collecting() { t_exiv2Messages = outer; }
    } collecting {t_exiv2Messages};
    t_exiv2Messages = &messages;
    work();
    return messages;
}
