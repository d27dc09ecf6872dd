// Measures the window's responsiveness with real photos: the longest time the UI thread is
// busy without returning to its event loop (target: never over 50 ms) while hundreds of files
// enter the list and while options change, and how long an option change takes to reach the
// preview of a selected photo (target: 150 ms for 24 megapixels).
//   bench_ui PHOTO...      (the photos are added repeatedly up to 300 entries)
#include "ConversionController.h"
#include "MainWindow.h"
#include "browser/BrowserModel.h"
#include "browser/ImageListModel.h"
#include "sections/LogoSection.h"
#include "sections/OptionsPanel.h"
#include "sections/OutputFolderRow.h"
#include "sections/TitleSizeSection.h"
#include "sections/UnitSlider.h"
#include "sections/WatermarkSection.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Ticks every 2 ms on the UI thread; a late tick is time the thread spent elsewhere.
class StallMeter : public QObject {
public:
    StallMeter()
    {
        m_clock.start();
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.elapsed();
            if (now - m_last - 2 > 50 && qEnvironmentVariableIsSet("BENCH_UI_VERBOSE"))
                std::printf("  stall of %lld ms ending at %lld ms\n",
                            static_cast<long long>(now - m_last - 2), static_cast<long long>(now));
            m_worst = std::max(m_worst, now - m_last - 2);
            m_last = now;
        });
        m_timer.start();
    }
    void reset()
    {
        m_worst = 0;
        m_last = m_clock.elapsed();
    }
    qint64 worst() const { return m_worst; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_worst = 0;
};

void spin(int milliseconds)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList photos = app.arguments().mid(1);
    if (photos.isEmpty()) {
        std::fprintf(stderr, "usage: bench_ui PHOTO...\n");
        return 2;
    }
    MainWindow window;
    window.resize(1200, 760);
    window.show();
    spin(300);

    StallMeter meter;
    QStringList entries;
    while (entries.size() < 300)
        entries += photos;
    entries = entries.mid(0, 300);
    meter.reset();
    QElapsedTimer adding;
    adding.start();
    window.openFiles(entries);
    const qint64 addCall = adding.elapsed();
    spin(4000); // metadata and thumbnails arrive meanwhile
    std::printf("intake of %lld entries: the call %lld ms, longest UI stall %lld ms (target <= 50)\n",
                static_cast<long long>(entries.size()), static_cast<long long>(addCall),
                static_cast<long long>(meter.worst()));

    // All overlays on, the first photo selected.
    OptionsPanel *options = window.options();
    options->logo()->logoBox->click();
    options->watermark()->watermarkField->setText(QStringLiteral("(c) Bench"));
    options->watermark()->watermarkBox->click();
    window.imageList()->setIndexSelected(0);
    spin(1500);

    QList<qint64> latencies;
    qint64 worstStall = 0;
    for (int i = 0; i < 12; ++i) {
        QElapsedTimer latency;
        bool ready = false;
        auto connection = QObject::connect(window.browserModel(), &BrowserModel::previewReady, &window,
                                           [&](int) { ready = true; });
        meter.reset();
        latency.start();
        options->logo()->opacity.slider->setValue(300 + 50 * i); // the user moves the slider
        while (!ready && latency.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        latencies << latency.elapsed();
        QObject::disconnect(connection);
        spin(100);
        worstStall = std::max(worstStall, meter.worst());
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("option change to preview (%s): median %lld ms, worst %lld ms (target <= 150)\n",
                qPrintable(photos.first()), static_cast<long long>(latencies.at(latencies.size() / 2)),
                static_cast<long long>(latencies.last()));
    std::printf("while previewing: longest UI stall %lld ms (target <= 50)\n",
                static_cast<long long>(worstStall));

    // A conversion of 20 entries (width 1500) with the converting dialog up.
    QTemporaryDir out;
    window.imageList()->clear();
    window.openFiles(entries.mid(0, 20));
    options->titleAndSize()->resizeBox->click();
    options->titleAndSize()->widthField->setText(QStringLiteral("1500"));
    window.outputFolderRow()->setFolder(out.path());
    bool finished = false;
    QObject::connect(window.conversion(), &ConversionController::finished, &window, [&] { finished = true; });
    spin(500);
    meter.reset();
    QElapsedTimer run;
    run.start();
    window.convert();
    while (!finished && run.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::printf("while converting 20 photos (%.1f s): longest UI stall %lld ms (target <= 50)\n",
                run.elapsed() / 1000.0, static_cast<long long>(meter.worst()));
    return 0;
}
