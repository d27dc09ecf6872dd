// Fuzzes the one decoding entry point on a file: format choice by content, every reader but
// EPS (whose rendering runs Ghostscript; its header split has its own target).
#include "common/CodecLibraries.h"
#include "decode/EpsReader.h"
#include "decode/ImageDecoder.h"
#include "decode/RowSink.h"

#include <QCoreApplication>
#include <QImageReader>

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

// Reads and writes every byte of every band it is given (a sink may draw on them), so a band
// shorter than said shows under ASan.
class TouchingSink : public RowSink {
public:
    Failure begin(QSize size, QImage::Format format, const DecodedImage &) override
    {
        m_rowBytes = qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() / 8;
        return {};
    }
    Failure take(uchar *rows, qsizetype bytesPerLine, int count) override
    {
        for (int y = 0; y < count; ++y)
            for (qsizetype x = 0; x < m_rowBytes; ++x)
                m_sum += rows[y * bytesPerLine + x]++;
        return {};
    }

private:
    qsizetype m_rowBytes = 0;
    unsigned m_sum = 0;
};

static void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Image plugins warn about every odd input; the log would drown the fuzzer's own lines.
    qInstallMessageHandler(dropMessage);
    static QCoreApplication app(*argc, *argv);
    initializeCodecLibraries();
    // Keep single inputs well under the fuzzer's memory limit.
    QImageReader::setAllocationLimit(256);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray head = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (isEps(head))
        return 0;
    static const int fd = memfd_create("fuzz-input", 0);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size))
        return 0;
    ImageDecoder decoder(QStringLiteral("/proc/self/fd/%1").arg(fd));
    if (decoder.open().failed())
        return 0;
    const QSize s = decoder.size();
    if (s.isValid() && qint64(s.width()) * s.height() > 16'000'000)
        return 0;
    decoder.decode(QSize());
    // The streamed road too: rows at a shrink on load, each byte of each band read.
    ImageDecoder streamed(QStringLiteral("/proc/self/fd/%1").arg(fd));
    if (streamed.open().failed() || !streamed.givesRows())
        return 0;
    TouchingSink sink;
    streamed.decodeRows(QSize(64, 64), &sink);
    return 0;
}
