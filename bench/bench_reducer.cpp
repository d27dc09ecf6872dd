// Times the Lanczos reducer alone on the calling thread's CPU clock (one core), on a photo as the
// JPEG reader gives it for a 1500-wide output (decoded at half size, four bytes a pixel, in bands
// of 16 rows), and prints a checksum of each layout's result, so a change meant to keep every
// pixel can be seen to.
//   bench_reducer PHOTO
#include "transform/RowReducer.h"

#include <QCryptographicHash>
#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

static double threadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

static QByteArray checksum(const QImage &image)
{
    QCryptographicHash hash(QCryptographicHash::Md5);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(QByteArrayView(image.constScanLine(y), image.width() * image.depth() / 8));
    return hash.result().toHex().left(12);
}

// Median milliseconds of seven reductions of `source` to `out`, fed in bands of 16 rows.
static double medianMs(const QImage &source, QSize out, QImage *result)
{
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        const double start = threadSeconds();
        RowReducer reducer(source.size(), source.format(), out);
        for (int y = 0; y < source.height(); y += 16)
            reducer.addRows(source.constScanLine(y), source.bytesPerLine(), std::min(16, source.height() - y));
        *result = reducer.result();
        times.push_back((threadSeconds() - start) * 1000);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_reducer PHOTO\n");
        return 2;
    }
    const QImage photo(QString::fromLocal8Bit(argv[1]));
    if (photo.isNull()) {
        std::fprintf(stderr, "%s: not read\n", argv[1]);
        return 1;
    }
    const QImage half = photo.scaled(photo.size() / 2).convertToFormat(QImage::Format_RGB32);
    const QSize out(1500, qRound(1500.0 * half.height() / half.width()));
    const struct {
        const char *name;
        QImage::Format format;
    } layouts[] = {{"RGB32", QImage::Format_RGB32},
                   {"RGB888", QImage::Format_RGB888},
                   {"gray", QImage::Format_Grayscale8},
                   {"ARGB32 premultiplied", QImage::Format_ARGB32_Premultiplied},
                   {"RGBA64 premultiplied", QImage::Format_RGBA64_Premultiplied}};
    std::printf("%dx%d to %dx%d, one core, median of 7\n", half.width(), half.height(), out.width(),
                out.height());
    for (const auto &layout : layouts) {
        QImage source = half.convertToFormat(layout.format);
        if (source.hasAlphaChannel())
            for (int y = 0; y < source.height(); y += 3)
                source.setPixelColor(y % source.width(), y, QColor(255, 128, 64, 40));
        QImage result;
        const double ms = medianMs(source, out, &result);
        std::printf("%-22s %7.1f ms  md5 %s\n", layout.name, ms, checksum(result).constData());
    }
    return 0;
}
