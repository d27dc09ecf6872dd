// Times the preview of each given photo with all three overlays on, as the app renders it when
// an option changes (target: within 150 ms for a 24-megapixel photo).
//   bench_preview PHOTO...
#include "options/ConversionOptions.h"
#include "pipeline/RenderFile.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ConversionOptions options;
    options.copyright.enabled = options.logo.enabled = options.watermark.enabled = true;
    options.copyright.pattern = LinePattern::DiagonalCross;
    QImage logo(600, 300, QImage::Format_ARGB32);
    logo.fill(QColor(255, 255, 255, 180));
    options.logo.picture = logo;
    options.watermark.text = QStringLiteral("(c) 2024 Preview Bench");
    for (const QString &path : app.arguments().mid(1)) {
        previewFile(path, options, 512); // warm the caches once
        QElapsedTimer timer;
        timer.start();
        constexpr int kRuns = 5;
        for (int i = 0; i < kRuns; ++i)
            previewFile(path, options, 512);
        std::printf("%s: %.0f ms per preview (target <= 150)\n", qPrintable(path),
                    timer.elapsed() / double(kRuns));
    }
    return 0;
}
