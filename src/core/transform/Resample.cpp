// A separable Lanczos-3 resampler: a horizontal pass into a small ring of float rows, then a
// vertical pass from that ring, so memory stays a few rows whatever the picture's size. The
// four-channel loops use the compiler's portable vector types (SSE, NEON) for one pixel at a
// time; the single-channel and vertical loops are plain arrays the compiler vectorises.
// Hand-written: Qt's smooth scaling is an area average, and no packaged library offers a
// resampler on QImage rows without a copy into its own image type.
#include "transform/Resample.h"

#include "common/LargeImage.h"
#include "transform/PixelFormat.h"
#include "transform/ResampleKernel.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using v4f = float __attribute__((vector_size(16)));
using v8f = float __attribute__((vector_size(32)));

// How a picture is filtered: its channels, the size of a sample, and what the alpha channel
// (the fourth, in memory order) means.
struct Layout {
    QImage::Format format; // read and written in this format
    int channels;          // 1 or 4
    bool wide;             // 16-bit samples
    bool premultiplied;    // colour may not exceed alpha
    bool opaque;           // the fourth channel is padding, kept at its maximum
};

Layout layoutFor(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_Grayscale8:
        return {QImage::Format_Grayscale8, 1, false, false, false};
    case QImage::Format_Grayscale16:
        return {QImage::Format_Grayscale16, 1, true, false, false};
    case QImage::Format_RGB32:
        return {QImage::Format_RGB32, 4, false, false, true};
    case QImage::Format_RGBX64:
        return {QImage::Format_RGBX64, 4, true, false, true};
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_A2BGR30_Premultiplied:
    case QImage::Format_A2RGB30_Premultiplied:
        return {QImage::Format_RGBA64_Premultiplied, 4, true, true, false};
    case QImage::Format_BGR30:
    case QImage::Format_RGB30:
        return {QImage::Format_RGBX64, 4, true, false, true};
    default:
        return image.hasAlphaChannel() ? Layout {QImage::Format_ARGB32_Premultiplied, 4, false, true, false}
                                       : Layout {QImage::Format_RGB32, 4, false, false, true};
    }
}

template <typename Sample> void loadRow(const uchar *line, int samples, float *out)
{
    const auto *in = reinterpret_cast<const Sample *>(line);
    for (int i = 0; i < samples; ++i)
        out[i] = float(in[i]);
}

// A row of packed R, G, B bytes as the four channels of Format_RGB32 in memory order, so a
// full-size decode in three bytes a pixel needs no converted copy.
void loadPackedRgbRow(const uchar *line, int pixels, float *out)
{
    for (int x = 0; x < pixels; ++x, line += 3, out += 4) {
        const float r = line[0], g = line[1], b = line[2];
        if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
            out[0] = b, out[1] = g, out[2] = r, out[3] = 255.0f;
        } else {
            out[0] = 255.0f, out[1] = r, out[2] = g, out[3] = b;
        }
    }
}

// One output row from a row of floats: rounded, clamped to the sample's range and, when
// premultiplied, each colour to its pixel's alpha (the kernel's lobes may overshoot).
template <typename Sample>
void storeRow(const float *values, int pixels, int channels, const Layout &layout, uchar *line)
{
    const float top = layout.wide ? 65535.0f : 255.0f;
    auto *out = reinterpret_cast<Sample *>(line);
    const int count = pixels * channels;
    if (!layout.premultiplied) {
        // A plain clamp of every value, which the compiler vectorises; padding alpha is set after.
        for (int i = 0; i < count; ++i)
            out[i] = Sample(int(std::min(std::max(values[i], 0.0f), top) + 0.5f));
        if (layout.opaque)
            for (int x = 0; x < pixels; ++x)
                out[4 * x + 3] = Sample(top);
        return;
    }
    for (int x = 0; x < pixels; ++x) {
        const float *p = values + 4 * x;
        Sample *q = out + 4 * x;
        const float alpha = std::clamp(p[3], 0.0f, top);
        for (int c = 0; c < 3; ++c)
            q[c] = Sample(std::clamp(p[c], 0.0f, alpha) + 0.5f);
        q[3] = Sample(alpha + 0.5f);
    }
}

// Not under ThreadSanitizer: it instruments the resolver that chooses, which the loader runs
// before the sanitizer's runtime is set up, and every program then crashes as it starts.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_THREAD__)
// A second build of the hot loops for processors with AVX2 and FMA, chosen when the program starts.
#define PRESSMARK_HOT __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define PRESSMARK_HOT
#endif

// The horizontal pass for one row of floats. Four-channel weights come repeated for each
// channel (see expandedWeights), so two taps are one eight-wide step.
PRESSMARK_HOT void filterRow(const float *in, int channels, const ResampleKernel &h, const float *expanded,
                             float *out)
{
    const int outputs = int(h.first.size());
    if (channels == 4) {
        for (int o = 0; o < outputs; ++o) {
            const float *src = in + 4 * h.first[size_t(o)];
            const float *w = expanded + size_t(o) * size_t(h.taps) * 4;
            const int count = h.count[size_t(o)];
            v8f pair = {0, 0, 0, 0, 0, 0, 0, 0};
            int k = 0;
            for (; k + 1 < count; k += 2) {
                v8f pixels, weights;
                std::memcpy(&pixels, src + 4 * k, sizeof pixels);
                std::memcpy(&weights, w + 4 * k, sizeof weights);
                pair += pixels * weights;
            }
            v4f acc = __builtin_shufflevector(pair, pair, 0, 1, 2, 3) +
                      __builtin_shufflevector(pair, pair, 4, 5, 6, 7);
            if (k < count) {
                v4f pixel, weight;
                std::memcpy(&pixel, src + 4 * k, sizeof pixel);
                std::memcpy(&weight, w + 4 * k, sizeof weight);
                acc += pixel * weight;
            }
            std::memcpy(out + 4 * o, &acc, sizeof acc);
        }
        return;
    }
    const float *weights = h.weights.data();
    for (int o = 0; o < outputs; ++o, weights += h.taps) {
        const float *src = in + h.first[size_t(o)];
        float acc = 0.0f;
        for (int k = 0; k < h.count[size_t(o)]; ++k)
            acc += src[k] * weights[k];
        out[o] = acc;
    }
}

// The kernel's weights, each repeated for the four channels of a pixel.
std::vector<float> expandedWeights(const ResampleKernel &h)
{
    std::vector<float> expanded(h.weights.size() * 4);
    for (size_t i = 0; i < h.weights.size(); ++i)
        std::fill_n(expanded.begin() + std::ptrdiff_t(i * 4), 4, h.weights[i]);
    return expanded;
}

// The vertical pass for one output row: the weighted sum of `count` filtered rows.
PRESSMARK_HOT void sumRows(const float *const *rows, const float *weights, int count, int length, float *out)
{
    // In blocks that stay in the first-level cache while every row is added in.
    constexpr int kBlock = 512;
    for (int start = 0; start < length; start += kBlock) {
        const int end = std::min(length, start + kBlock);
        float *acc = out + start;
        const float *first = rows[0] + start;
        const float w0 = weights[0];
        for (int i = 0; i < end - start; ++i)
            acc[i] = w0 * first[i];
        for (int k = 1; k < count; ++k) {
            const float w = weights[k];
            const float *row = rows[k] + start;
            for (int i = 0; i < end - start; ++i)
                acc[i] += w * row[i];
        }
    }
}

template <typename Sample>
void resampleInto(const QImage &src, QImage &dst, const Layout &layout, QSizeF extent)
{
    const int channels = layout.channels;
    const int inWidth = src.width(), outWidth = dst.width();
    const int rowFloats = outWidth * channels;
    const bool sameWidth = inWidth == outWidth && extent.width() == inWidth;
    const bool sameHeight = src.height() == dst.height() && extent.height() == src.height();
    const ResampleKernel h =
        sameWidth ? ResampleKernel() : ResampleKernel::lanczos3(inWidth, extent.width(), outWidth);
    const ResampleKernel v =
        sameHeight ? ResampleKernel() : ResampleKernel::lanczos3(src.height(), extent.height(), dst.height());
    const std::vector<float> expanded =
        channels == 4 && !sameWidth ? expandedWeights(h) : std::vector<float>();

    // The horizontally filtered source rows the vertical pass needs, in a ring.
    const int ringRows = sameHeight ? 1 : v.taps;
    std::vector<float> ring(static_cast<size_t>(ringRows) * static_cast<size_t>(rowFloats));
    std::vector<float> source(static_cast<size_t>(inWidth) * static_cast<size_t>(channels));
    std::vector<float> row(static_cast<size_t>(rowFloats));
    std::vector<const float *> rows(static_cast<size_t>(std::max(1, v.taps)));
    int filtered = 0; // source rows filtered so far
    const auto slot = [&](int sourceRow) { return ring.data() + size_t(sourceRow % ringRows) * rowFloats; };
    const bool packed = src.format() == QImage::Format_RGB888;
    const auto load = [&](int y, float *target) {
        if (packed)
            loadPackedRgbRow(src.constScanLine(y), inWidth, target);
        else
            loadRow<Sample>(src.constScanLine(y), inWidth * channels, target);
    };
    const auto filterSourceRow = [&](int y) {
        float *target = slot(y);
        if (sameWidth) {
            load(y, target);
        } else {
            load(y, source.data());
            filterRow(source.data(), channels, h, expanded.data(), target);
        }
    };

    for (int y = 0; y < dst.height(); ++y) {
        const int first = sameHeight ? y : v.first[size_t(y)];
        const int count = sameHeight ? 1 : v.count[size_t(y)];
        for (; filtered < first + count; ++filtered)
            filterSourceRow(filtered);
        if (sameHeight) {
            storeRow<Sample>(slot(y), outWidth, channels, layout, dst.scanLine(y));
            continue;
        }
        for (int k = 0; k < count; ++k)
            rows[size_t(k)] = slot(first + k);
        sumRows(rows.data(), v.weights.data() + size_t(y) * size_t(v.taps), count, rowFloats, row.data());
        storeRow<Sample>(row.data(), outWidth, channels, layout, dst.scanLine(y));
    }
}

} // namespace

QImage resampled(const QImage &image, QSize size, QSizeF extent)
{
    if (!extent.isValid() || extent.isEmpty())
        extent = QSizeF(image.size());
    if ((image.size() == size && extent == QSizeF(size)) || image.isNull() || size.isEmpty())
        return image;
    const Layout layout = layoutFor(image);
    const QImage source = image.format() == QImage::Format_RGB888 ? image : convertedTo(image, layout.format);
    QImage result = allocateLargeImage(size, layout.format);
    if (source.isNull() || result.isNull())
        return QImage();
    result.setDotsPerMeterX(image.dotsPerMeterX());
    result.setDotsPerMeterY(image.dotsPerMeterY());
    if (layout.wide)
        resampleInto<std::uint16_t>(source, result, layout, extent);
    else
        resampleInto<std::uint8_t>(source, result, layout, extent);
    return result;
}
