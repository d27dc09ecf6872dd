// Times each output encoder alone, on the calling thread's CPU clock (one core), on the photo as
// the conversion makes it: at its own size and resized to each given width.
//   bench_encode PHOTO [WIDTH...]
#include "encode/OutputEncoder.h"
#include "metadata/SourceMetadata.h"
#include "options/ConversionOptions.h"
#include "pipeline/RenderFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <ctime>

static double threadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_encode PHOTO [WIDTH...]\n");
        return 2;
    }
    QList<int> widths = {0};
    for (const QString &w : args.mid(2))
        widths << w.toInt();
    for (int width : widths) {
        ConversionOptions options;
        options.resize = width > 0 ? ResizeMode::Width : ResizeMode::None;
        options.resizeTo = width;
        const PipelineResult picture = convertFile(args[1], options);
        if (!picture.ok()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(picture.failure.detail));
            return 1;
        }
        std::printf("%d x %d (%.1f MP):\n", picture.image.width(), picture.image.height(),
                    picture.image.width() * double(picture.image.height()) / 1e6);
        for (OutputFormat format :
             {OutputFormat::Jpeg, OutputFormat::WebP, OutputFormat::Avif, OutputFormat::JpegXl}) {
            options.format = format;
            // The picture's pixels, not the source JPEG: JPEG XL's recompression is not what is timed.
            const int runs = picture.image.width() > 3000 ? 1 : 3;
            double best = 1e9;
            qsizetype bytes = 0;
            for (int i = 0; i < runs; ++i) {
                const double start = threadSeconds();
                const Result<EncodedOutput> out = encodeOutput(picture.image, options, picture.imageDpi,
                                                               picture.iccProfile, picture.metadata);
                best = std::min(best, threadSeconds() - start);
                bytes = out.ok() ? out.value().bytes.size() : -1;
            }
            std::printf("  %-8s quality %d: %7.3f s on one core, %9lld bytes\n",
                        qPrintable(formatName(format)), options.jpegQuality, best,
                        static_cast<long long>(bytes));
        }
    }
    return 0;
}
