// Times the preview of each given photo with all three overlays on, as the app renders it:
// the first preview of a photo (decoded) and the preview drawn again when an option changes
// (the watermark's text, each time another). Medians of seven runs.
//   bench_preview PHOTO...
#include "common/SpareCores.h"
#include "options/ConversionOptions.h"
#include "pipeline/PreviewDecodes.h"
#include "pipeline/RenderFile.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <typename Run> double medianMilliseconds(Run run)
{
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        run(i);
        times.push_back(double(timer.nsecsElapsed()) / 1.0e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

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
    // Once on one core, once with a second core lent, as the window's large preview has.
    SpareCores spare(0);
    for (const QString &path : app.arguments().mid(1)) {
        for (const int lent : {0, 1}) {
            const SpareCoresScope scope(&spare);
            spare.reset(lent);
            previewFile(path, options, 512); // the file in the page cache
            const double first = medianMilliseconds([&](int) {
                PreviewDecodes::forgetAll();
                previewFile(path, options, 512);
            });
            const double changed = medianMilliseconds([&](int i) {
                ConversionOptions now = options;
                now.watermark.text = QStringLiteral("(c) 2024 Preview Bench %1").arg(i);
                previewFile(path, now, 512);
            });
            std::printf("%s, %s: first preview %.0f ms (target <= 150), after an option change %.0f ms "
                        "(target <= 70)\n",
                        qPrintable(path), lent ? "a second core lent" : "one core", first, changed);
        }
    }
    return 0;
}
