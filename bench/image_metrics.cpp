// Picture measures for the quality benchmark, independent of the core:
//   image_metrics compare TEST REFERENCE     PSNR (dB, RGB, at 16 bits), SSIM (luma, 11x11 Gaussian window),
//                                            sharpness (mean Sobel gradient over the reference's,
//                                            on the reference's edges)
//   image_metrics zoneplate SIZE OUT.png     a circular zone plate, frequency rising to Nyquist
#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

using Plane = std::vector<double>;

Plane luma(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGBX64);
    Plane y(size_t(rgb.width()) * size_t(rgb.height()));
    for (int r = 0; r < rgb.height(); ++r) {
        const auto *line = reinterpret_cast<const QRgba64 *>(rgb.constScanLine(r));
        for (int c = 0; c < rgb.width(); ++c)
            y[size_t(r) * size_t(rgb.width()) + size_t(c)] =
                (0.299 * line[c].red() + 0.587 * line[c].green() + 0.114 * line[c].blue()) / 257.0;
    }
    return y;
}

double psnr(const QImage &a, const QImage &b)
{
    // At 16 bits, so a 16-bit reference keeps its precision; differences in 8-bit levels.
    const QImage x = a.convertToFormat(QImage::Format_RGBX64), y = b.convertToFormat(QImage::Format_RGBX64);
    double sum = 0.0;
    for (int r = 0; r < x.height(); ++r) {
        const auto *p = reinterpret_cast<const QRgba64 *>(x.constScanLine(r));
        const auto *q = reinterpret_cast<const QRgba64 *>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c) {
            const double dr = (p[c].red() - q[c].red()) / 257.0, dg = (p[c].green() - q[c].green()) / 257.0,
                         db = (p[c].blue() - q[c].blue()) / 257.0;
            sum += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = sum / (3.0 * x.width() * x.height());
    return mse == 0.0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

// A separable Gaussian blur (sigma 1.5, 11 taps), edges clamped.
Plane blur(const Plane &in, int w, int h)
{
    double k[11];
    double sum = 0.0;
    for (int i = 0; i < 11; ++i)
        sum += k[i] = std::exp(-(i - 5) * (i - 5) / (2.0 * 1.5 * 1.5));
    for (double &v : k)
        v /= sum;
    Plane tmp(in.size()), out(in.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double acc = 0.0;
            for (int i = -5; i <= 5; ++i)
                acc += k[i + 5] * in[size_t(y) * w + size_t(std::clamp(x + i, 0, w - 1))];
            tmp[size_t(y) * w + x] = acc;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double acc = 0.0;
            for (int i = -5; i <= 5; ++i)
                acc += k[i + 5] * tmp[size_t(std::clamp(y + i, 0, h - 1)) * w + x];
            out[size_t(y) * w + x] = acc;
        }
    return out;
}

double ssim(const QImage &a, const QImage &b)
{
    const int w = a.width(), h = a.height();
    const Plane x = luma(a), y = luma(b);
    Plane xx(x.size()), yy(x.size()), xy(x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        xx[i] = x[i] * x[i];
        yy[i] = y[i] * y[i];
        xy[i] = x[i] * y[i];
    }
    const Plane mx = blur(x, w, h), my = blur(y, w, h), sxx = blur(xx, w, h), syy = blur(yy, w, h),
                sxy = blur(xy, w, h);
    const double c1 = (0.01 * 255) * (0.01 * 255), c2 = (0.03 * 255) * (0.03 * 255);
    double total = 0.0;
    for (size_t i = 0; i < x.size(); ++i) {
        const double vx = sxx[i] - mx[i] * mx[i], vy = syy[i] - my[i] * my[i], cov = sxy[i] - mx[i] * my[i];
        total += ((2 * mx[i] * my[i] + c1) * (2 * cov + c2)) /
                 ((mx[i] * mx[i] + my[i] * my[i] + c1) * (vx + vy + c2));
    }
    return total / double(x.size());
}

// The Sobel gradient magnitude of the luma.
Plane gradient(const QImage &image)
{
    const int w = image.width(), h = image.height();
    const Plane y = luma(image);
    const auto at = [&](int c, int r) { return y[size_t(r) * w + c]; };
    Plane g(y.size(), 0.0);
    for (int r = 1; r < h - 1; ++r)
        for (int c = 1; c < w - 1; ++c) {
            const double gx = at(c + 1, r - 1) + 2 * at(c + 1, r) + at(c + 1, r + 1) - at(c - 1, r - 1) -
                              2 * at(c - 1, r) - at(c - 1, r + 1);
            const double gy = at(c - 1, r + 1) + 2 * at(c, r + 1) + at(c + 1, r + 1) - at(c - 1, r - 1) -
                              2 * at(c, r - 1) - at(c + 1, r - 1);
            g[size_t(r) * w + c] = std::sqrt(gx * gx + gy * gy);
        }
    return g;
}

// The mean gradient of the test over the reference's, on the reference's edges (a gradient of
// at least an 8-level step): in flat areas the reference's own rounding noise would count as
// detail. Every pixel counts when the reference has no such edge.
double sharpness(const QImage &test, const QImage &reference)
{
    const Plane t = gradient(test), r = gradient(reference);
    double sumT = 0.0, sumR = 0.0, allT = 0.0, allR = 0.0;
    for (size_t i = 0; i < r.size(); ++i) {
        allT += t[i];
        allR += r[i];
        if (r[i] >= 32.0) {
            sumT += t[i];
            sumR += r[i];
        }
    }
    return sumR > 0.0 ? sumT / sumR : allR > 0.0 ? allT / allR : 1.0;
}

QImage zonePlate(int size)
{
    QImage plate(size, size, QImage::Format_Grayscale8);
    const double centre = size / 2.0, k = 3.14159265358979323846 / size;
    for (int r = 0; r < size; ++r) {
        uchar *line = plate.scanLine(r);
        for (int c = 0; c < size; ++c) {
            const double dx = c - centre, dy = r - centre;
            line[c] = uchar(std::lround(127.5 + 127.5 * std::cos(k * (dx * dx + dy * dy))));
        }
    }
    return plate;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("zoneplate"))
        return zonePlate(args[2].toInt()).save(args[3]) ? 0 : 1;
    if (args.size() != 4 || args[1] != QLatin1String("compare")) {
        std::fprintf(stderr, "usage: image_metrics compare TEST REFERENCE | zoneplate SIZE OUT.png\n");
        return 2;
    }
    const QImage test(args[2]), reference(args[3]);
    if (test.isNull() || reference.isNull()) {
        std::fprintf(stderr, "cannot read %s or %s\n", qPrintable(args[2]), qPrintable(args[3]));
        return 2;
    }
    if (test.size() != reference.size()) {
        std::printf("size %dx%d, reference %dx%d\n", test.width(), test.height(), reference.width(),
                    reference.height());
        return 1;
    }
    std::printf("%.2f %.4f %.3f\n", psnr(test, reference), ssim(test, reference), sharpness(test, reference));
    return 0;
}
