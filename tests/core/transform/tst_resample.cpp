#include "TestImages.h"
#include "common/SpareCores.h"
#include "transform/Resample.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Lanczos-3 evaluated directly in double precision, written from its definition and kept apart
// from the reducer's own tables: output (ox, oy) is the weighted sum over the 2-D neighbourhood
// of its centre, the kernel widened by the scale when shrinking, the weights cut at the edges
// made to sum to 1.
double lanczos(double x)
{
    x = std::fabs(x);
    if (x < 1e-12)
        return 1.0;
    if (x >= 3.0)
        return 0.0;
    return std::sin(M_PI * x) / (M_PI * x) * std::sin(M_PI * x / 3.0) / (M_PI * x / 3.0);
}

std::vector<std::pair<int, double>> taps(int o, int in, double extent, int out)
{
    const double scale = extent / out, stretch = std::max(1.0, scale);
    const double centre = (o + 0.5) * scale - 0.5;
    std::vector<std::pair<int, double>> result;
    double sum = 0.0;
    for (int i = 0; i < in; ++i) {
        const double w = lanczos((i - centre) / stretch);
        if (w != 0.0) {
            result.emplace_back(i, w);
            sum += w;
        }
    }
    for (auto &t : result)
        t.second /= sum;
    return result;
}

// A picture's samples as doubles, channel-interleaved, alpha premultiplied the way the reducer
// filters it; `max` is the largest sample value.
struct Samples {
    int width = 0, height = 0, channels = 0;
    double max = 255.0;
    std::vector<double> v;
    double &at(int x, int y, int c) { return v[size_t((y * width + x) * channels + c)]; }
};

Samples samplesOf(const QImage &image)
{
    Samples s;
    s.width = image.width();
    s.height = image.height();
    const bool gray =
        image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16;
    const bool deep = image.format() == QImage::Format_Grayscale16 || image.depth() == 64;
    s.channels = gray ? 1 : 4;
    s.max = deep ? 65535.0 : 255.0;
    s.v.resize(size_t(s.width * s.height * s.channels));
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            if (image.format() == QImage::Format_Grayscale8) {
                s.at(x, y, 0) = image.constScanLine(y)[x];
            } else if (image.format() == QImage::Format_Grayscale16) {
                s.at(x, y, 0) = reinterpret_cast<const quint16 *>(image.constScanLine(y))[x];
            } else {
                const QRgba64 p = image.pixelColor(x, y).rgba64();
                const double a = deep ? p.alpha() : p.alpha() / 257.0;
                const double k = deep ? 1.0 : 1.0 / 257.0;
                s.at(x, y, 0) = p.red() * k * a / s.max;
                s.at(x, y, 1) = p.green() * k * a / s.max;
                s.at(x, y, 2) = p.blue() * k * a / s.max;
                s.at(x, y, 3) = a;
            }
        }
    }
    return s;
}

Samples reference(Samples src, int width, int height, QSizeF extent)
{
    Samples dst;
    dst.width = width;
    dst.height = height;
    dst.channels = src.channels;
    dst.max = src.max;
    dst.v.assign(size_t(width * height * src.channels), 0.0);
    for (int oy = 0; oy < height; ++oy) {
        const auto ty = taps(oy, src.height, extent.height(), height);
        for (int ox = 0; ox < width; ++ox) {
            const auto tx = taps(ox, src.width, extent.width(), width);
            for (int c = 0; c < src.channels; ++c) {
                double sum = 0.0;
                for (const auto &[iy, wy] : ty)
                    for (const auto &[ix, wx] : tx)
                        sum += wy * wx * src.at(ix, iy, c);
                dst.at(ox, oy, c) = std::clamp(sum, 0.0, src.max);
            }
            if (src.channels == 4)
                for (int c = 0; c < 3; ++c)
                    dst.at(ox, oy, c) = std::min(dst.at(ox, oy, c), dst.at(ox, oy, 3));
        }
    }
    return dst;
}

// A picture with smooth ramps, hard edges and fine texture, in the given format; `alpha` adds a
// transparent hole with a soft rim.
QImage testPicture(int width, int height, QImage::Format format, bool alpha)
{
    QImage image(width, height, QImage::Format_RGBA64);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int r = (x * 65535) / std::max(1, width - 1);
            const int g = (x / 3 + y / 4) % 2 ? 60000 : 3000;
            const int b = ((x * 7919 + y * 104729) % 65536);
            int a = 65535;
            if (alpha) {
                const double d = std::hypot(x - width / 2.0, y - height / 2.0) / (height / 3.0);
                a = int(std::clamp((d - 0.6) * 3.0, 0.0, 1.0) * 65535);
            }
            image.setPixelColor(x, y, QColor::fromRgba64(quint16(r), quint16(g), quint16(b), quint16(a)));
        }
    }
    return image.convertToFormat(format);
}

// The largest difference between the reducer's result and the reference, in the result's own
// sample levels (alpha-weighted colours compared premultiplied).
double worstDifference(const QImage &result, const Samples &expected)
{
    const Samples actual = samplesOf(result);
    double worst = 0.0;
    for (size_t i = 0; i < actual.v.size(); ++i)
        worst = std::max(worst, std::fabs(actual.v[i] - expected.v[i]));
    return worst;
}

} // namespace

class TestResample : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchesDirectLanczos_data();
    void matchesDirectLanczos();
    void flatStaysFlatAndTransparentAddsNoColour();
    void extentKeepsCentres();
    void rampHalvedByHand();
    void twoCoresMakeTheSamePixels_data();
    void twoCoresMakeTheSamePixels();
};

void TestResample::matchesDirectLanczos_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<QSize>("from");
    QTest::addColumn<QSize>("to");
    QTest::addColumn<QImage::Format>("produced");
    // Tolerances: one level at 8 bits (float sums round either way of .5); a few levels of
    // 65535 at 16 bits, where float's 24-bit mantissa is the limit.
    const struct {
        const char *name;
        QImage::Format format;
        bool alpha;
        QImage::Format produced;
    } kinds[] = {
        {"rgb32", QImage::Format_RGB32, false, QImage::Format_RGB32},
        {"rgb888", QImage::Format_RGB888, false, QImage::Format_RGB32},
        {"argb32", QImage::Format_ARGB32, true, QImage::Format_ARGB32_Premultiplied},
        {"gray8", QImage::Format_Grayscale8, false, QImage::Format_Grayscale8},
        {"gray16", QImage::Format_Grayscale16, false, QImage::Format_Grayscale16},
        {"rgbx64", QImage::Format_RGBX64, false, QImage::Format_RGBX64},
        {"rgba64", QImage::Format_RGBA64, true, QImage::Format_RGBA64_Premultiplied},
    };
    const struct {
        const char *name;
        QSize from, to;
    } sizes[] = {
        {"shrink 3.3x", {83, 61}, {25, 18}},
        {"shrink 1.4x", {40, 30}, {29, 21}},
        {"halved", {64, 30}, {32, 15}}, // outputs inside share their weights
        {"enlarge 2.7x", {15, 11}, {40, 30}},
        {"one column", {40, 30}, {1, 9}},
    };
    for (const auto &kind : kinds)
        for (const auto &size : sizes)
            QTest::addRow("%s %s", kind.name, size.name)
                << int(kind.format) << kind.alpha << size.from << size.to << kind.produced;
}

void TestResample::matchesDirectLanczos()
{
    QFETCH(int, format);
    QFETCH(bool, alpha);
    QFETCH(QSize, from);
    QFETCH(QSize, to);
    QFETCH(QImage::Format, produced);
    const QImage source = testPicture(from.width(), from.height(), QImage::Format(format), alpha);
    const QImage result = resampled(source, to);
    QCOMPARE(result.size(), to);
    QCOMPARE(result.format(), produced);
    const Samples expected = reference(samplesOf(source), to.width(), to.height(), QSizeF(from));
    const double tolerance = expected.max > 255.0 ? 4.0 : 1.0;
    const double worst = worstDifference(result, expected);
    QVERIFY2(worst <= tolerance, qPrintable(QStringLiteral("worst difference %1 levels").arg(worst)));
}

void TestResample::flatStaysFlatAndTransparentAddsNoColour()
{
    // Lanczos rings on edges; on flat areas it must give back exactly the colour it was given,
    // and fully transparent pixels (whatever colour they store) must not tint their neighbours.
    QImage flat(97, 64, QImage::Format_RGB32);
    flat.fill(qRgb(200, 17, 99));
    const QImage reduced = resampled(flat, QSize(31, 20));
    for (int y = 0; y < reduced.height(); ++y)
        for (int x = 0; x < reduced.width(); ++x)
            QCOMPARE(reduced.pixel(x, y), qRgb(200, 17, 99));

    QImage holed(60, 60, QImage::Format_ARGB32);
    holed.fill(qRgba(10, 200, 30, 255));
    for (int y = 20; y < 40; ++y)
        for (int x = 20; x < 40; ++x)
            holed.setPixel(x, y, qRgba(255, 0, 255, 0)); // magenta stored under zero alpha
    const QImage small = resampled(holed, QSize(20, 20)).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QRgb p = small.pixel(x, y);
            if (qAlpha(p) < 8)
                continue; // too transparent for its colour to mean anything after rounding
            QVERIFY2(std::abs(qRed(p) - 10) <= 6 && std::abs(qBlue(p) - 30) <= 6,
                     qPrintable(QStringLiteral("(%1,%2) = %3").arg(x).arg(y).arg(p, 8, 16)));
        }
    }
    QCOMPARE(qAlpha(small.pixel(10, 10)), 0);
    QCOMPARE(qAlpha(small.pixel(0, 0)), 255);
}

void TestResample::extentKeepsCentres()
{
    // A picture of 41 rows shrunk by 2 on load is stored in 21 rows of which it spans 20.5.
    // Reducing with that extent follows the picture's own geometry, not the stored rows'.
    QImage stored(21, 21, QImage::Format_Grayscale8);
    stored.fill(0);
    for (int x = 0; x < 21; ++x)
        stored.scanLine(10)[x] = 255;
    const QSizeF extent(20.5, 20.5);
    const QImage result = resampled(stored, QSize(7, 7), extent);
    const Samples expected = reference(samplesOf(stored), 7, 7, extent);
    QVERIFY(worstDifference(result, expected) <= 1.0);
    const Samples ignoringExtent = reference(samplesOf(stored), 7, 7, QSizeF(21, 21));
    QVERIFY(worstDifference(result, ignoringExtent) > 3.0);
}

// A case worked out by hand, apart from the reference's code: a ramp 0, 80, 160, 240 halved.
// Output pixel o is centred on input (o + 0.5) x 2 - 0.5: 0.5 and 2.5, the kernel widened by 2.
// For output 0 the inputs lie 0.25, 0.25, 0.75 and 1.25 kernel units away, weighing
// L(0.25) = 0.890067, L(0.25), L(0.75) = 0.270190, L(1.25) = -0.132871 (L(x) = sinc x sinc x/3),
// 1.917453 in all: (0.890067 x 80 + 0.270190 x 160 - 0.132871 x 240) / 1.917453 = 43.05;
// output 1 mirrors it: 240 - 43.05 = 196.95. (A box filter would give 40 and 200; centres at
// o x 2 would give 11 and 160.)
void TestResample::rampHalvedByHand()
{
    QImage ramp(4, 4, QImage::Format_Grayscale8);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ramp.scanLine(y)[x] = uchar(80 * x);
    const QImage half = resampled(ramp, QSize(2, 2));
    QCOMPARE(half.format(), QImage::Format_Grayscale8);
    for (int y = 0; y < 2; ++y) {
        QCOMPARE(int(half.constScanLine(y)[0]), 43);
        QCOMPARE(int(half.constScanLine(y)[1]), 197);
    }
}

void TestResample::twoCoresMakeTheSamePixels_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QSize>("to");
    QTest::addColumn<QSizeF>("extent");
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888, QImage::Format_Grayscale8,
          QImage::Format_Grayscale16, QImage::Format_RGBX64, QImage::Format_RGBA64})
        QTest::addRow("format %d, reduced", int(format)) << int(format) << QSize(377, 283) << QSizeF();
    QTest::newRow("odd rows, past an extent")
        << int(QImage::Format_RGB32) << QSize(500, 17) << QSizeF(1203, 900.5);
    QTest::newRow("width only") << int(QImage::Format_RGB32) << QSize(601, 901) << QSizeF();
    QTest::newRow("height only") << int(QImage::Format_Grayscale8) << QSize(1203, 450) << QSizeF();
    QTest::newRow("enlarged") << int(QImage::Format_RGB32) << QSize(1500, 1100) << QSizeF();
}

// With a core to spare, the lower half of the output rows is made on a second thread: the same
// pixels as one thread makes, for every layout, and the core comes back.
void TestResample::twoCoresMakeTheSamePixels()
{
    QFETCH(int, format);
    QFETCH(QSize, to);
    QFETCH(QSizeF, extent);
    QImage source(1203, 901, QImage::Format_RGBA64);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixelColor(x, y,
                                 QColor::fromRgba64(quint16((x * 7919 + y * 31) % 65536),
                                                    quint16((x / 9 + y / 7) % 2 ? 9000 : 60000),
                                                    quint16(y * 65535 / 901),
                                                    quint16(20000 + (x * y) % 45000)));
    source = source.convertToFormat(QImage::Format(format));
    const QImage alone = resampled(source, to, extent);
    SpareCores cores(1);
    QImage helped;
    {
        const SpareCoresScope scope(&cores);
        helped = resampled(source, to, extent);
    }
    QVERIFY2(cores.take(), "the borrowed core was not given back");
    QCOMPARE(helped.format(), alone.format());
    QCOMPARE(helped.size(), to);
    const size_t rowBytes = size_t(alone.width()) * size_t(alone.depth() / 8);
    int differ = 0, first = -1;
    for (int y = 0; y < to.height(); ++y)
        if (std::memcmp(helped.constScanLine(y), alone.constScanLine(y), rowBytes) != 0) {
            ++differ;
            first = first < 0 ? y : first;
        }
    QVERIFY2(differ == 0, qPrintable(QStringLiteral("%1 rows differ, the first %2").arg(differ).arg(first)));
}

QTEST_GUILESS_MAIN(TestResample)
#include "tst_resample.moc"
