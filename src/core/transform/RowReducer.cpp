// Hand-written: Qt's smooth scaling is an area average, and no packaged library offers a
// resampler on QImage rows without a copy into its own image type.
#include "transform/RowReducer.h"

#include "common/LargeImage.h"
#include "common/SpareCores.h"
#include "transform/PixelFormat.h"
#include "transform/ResampleKernel.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif
#include <optional>
#include <thread>
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

Layout layoutFor(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Grayscale8:
        return {QImage::Format_Grayscale8, 1, false, false, false};
    case QImage::Format_Grayscale16:
        return {QImage::Format_Grayscale16, 1, true, false, false};
    case QImage::Format_RGB32:
    case QImage::Format_RGB888:
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
        return QImage::toPixelFormat(format).alphaUsage() == QPixelFormat::UsesAlpha
                   ? Layout {QImage::Format_ARGB32_Premultiplied, 4, false, true, false}
                   : Layout {QImage::Format_RGB32, 4, false, false, true};
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

using v8i = std::int32_t __attribute__((vector_size(32)));
using v8w = std::uint16_t __attribute__((vector_size(16)));

#if defined(__x86_64__) && defined(__GNUC__)
#define PRESSMARK_AVX2 1
// Bytes to and from floats eight at a time, written with AVX2's own instructions: the compiler
// turns the portable spelling into a byte at a time.
__attribute__((target("avx2"))) void loadBytesAvx2(const std::uint8_t *in, int samples, float *out)
{
    int i = 0;
    for (; i + 8 <= samples; i += 8) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(in + i));
        _mm256_storeu_ps(out + i, _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(bytes)));
    }
    for (; i < samples; ++i)
        out[i] = float(in[i]);
}

__attribute__((target("avx2"))) void loadWordsAvx2(const std::uint16_t *in, int samples, float *out)
{
    int i = 0;
    for (; i + 8 <= samples; i += 8) {
        const __m128i words = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        _mm256_storeu_ps(out + i, _mm256_cvtepi32_ps(_mm256_cvtepu16_epi32(words)));
    }
    for (; i < samples; ++i)
        out[i] = float(in[i]);
}

// Rounded and clamped as storeBytes() does; when `opaque`, every fourth byte set to 255.
__attribute__((target("avx2"))) void storeBytesAvx2(const float *values, int count, bool opaque,
                                                    std::uint8_t *out)
{
    const __m128i alpha = opaque ? _mm_set1_epi32(int(0xff000000u)) : _mm_setzero_si128();
    const __m256 zero = _mm256_setzero_ps(), top = _mm256_set1_ps(255.0f), half = _mm256_set1_ps(0.5f);
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        __m256 v = _mm256_loadu_ps(values + i);
        // Clamped first: a NaN comes out as 0, as from the portable loop.
        v = _mm256_min_ps(top, _mm256_max_ps(zero, v));
        const __m256i n = _mm256_cvttps_epi32(_mm256_add_ps(v, half));
        const __m256i words = _mm256_packus_epi32(n, n);
        const __m256i bytes = _mm256_packus_epi16(words, words);
        const __m128i both =
            _mm_unpacklo_epi32(_mm256_castsi256_si128(bytes), _mm256_extracti128_si256(bytes, 1));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out + i), _mm_or_si128(both, alpha));
    }
    for (; i < count; ++i)
        out[i] = opaque && i % 4 == 3 ? 255
                                      : std::uint8_t(int(std::min(std::max(values[i], 0.0f), 255.0f) + 0.5f));
}

// Packed R, G, B bytes as loadPackedRgbRow() gives them: four pixels at a time, their bytes put
// in B, G, R, 255 order and widened to floats.
__attribute__((target("avx2"))) void loadPackedRgbAvx2(const std::uint8_t *line, int pixels, float *out)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m128i alpha = _mm_set1_epi32(int(0xff000000u));
    int x = 0;
    // Sixteen bytes read for twelve: the last pixels are left to the plain loop.
    for (; x + 6 <= pixels; x += 4, line += 12, out += 16) {
        const __m128i rgb = _mm_loadu_si128(reinterpret_cast<const __m128i *>(line));
        const __m128i bgra = _mm_or_si128(_mm_shuffle_epi8(rgb, order), alpha);
        _mm256_storeu_ps(out, _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(bgra)));
        _mm256_storeu_ps(out + 8, _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(_mm_srli_si128(bgra, 8))));
    }
    for (; x < pixels; ++x, line += 3, out += 4)
        out[0] = line[2], out[1] = line[1], out[2] = line[0], out[3] = 255.0f;
}

bool hasAvx2()
{
    static const bool yes = __builtin_cpu_supports("avx2");
    return yes;
}
#endif

// Rounded and clamped to 0..top, as int(min(max(v, 0), top) + 0.5) rounds each value.
inline void roundedClamped(const float *values, float top, v8i *rounded)
{
    const v8f zero = {0, 0, 0, 0, 0, 0, 0, 0};
    const v8f most = zero + top, half = zero + 0.5f;
    v8f v;
    std::memcpy(&v, values, sizeof v);
    v = v < zero ? zero : v;
    v = most < v ? most : v;
    *rounded = __builtin_convertvector(v + half, v8i);
}

// Rounded and clamped; when `opaque` (four channels, the last padding), every fourth byte 255.
void storeBytes(const float *values, int count, bool opaque, std::uint8_t *out)
{
#ifdef PRESSMARK_AVX2
    if (hasAvx2())
        return storeBytesAvx2(values, count, opaque, out);
#endif
    for (int i = 0; i < count; ++i)
        out[i] = opaque && i % 4 == 3 ? 255
                                      : std::uint8_t(int(std::min(std::max(values[i], 0.0f), 255.0f) + 0.5f));
}

PRESSMARK_HOT void storeWords(const float *values, int count, std::uint16_t *out)
{
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        v8i n;
        roundedClamped(values + i, 65535.0f, &n);
        const v8w words = __builtin_convertvector(n, v8w);
        std::memcpy(out + i, &words, sizeof words);
    }
    for (; i < count; ++i)
        out[i] = std::uint16_t(int(std::min(std::max(values[i], 0.0f), 65535.0f) + 0.5f));
}

// Samples to floats: with the filters' sums and the stores, most of the reducer's time. The
// plain loop serves processors without AVX2.
template <typename Sample> void loadRow(const uchar *line, int samples, float *out)
{
    const auto *in = reinterpret_cast<const Sample *>(line);
#ifdef PRESSMARK_AVX2
    if (hasAvx2()) {
        if constexpr (sizeof(Sample) == 1)
            return loadBytesAvx2(in, samples, out);
        else
            return loadWordsAvx2(in, samples, out);
    }
#endif
    for (int i = 0; i < samples; ++i)
        out[i] = float(in[i]);
}

// A row of packed R, G, B bytes as the four channels of Format_RGB32 in memory order, so a
// full-size decode in three bytes a pixel needs no converted copy.
void loadPackedRgbRow(const uchar *line, int pixels, float *out)
{
#ifdef PRESSMARK_AVX2
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && hasAvx2())
        return loadPackedRgbAvx2(line, pixels, out);
#endif
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
        // A plain clamp of every value, padding alpha set to its maximum.
        if constexpr (sizeof(Sample) == 1) {
            storeBytes(values, count, layout.opaque, line);
        } else {
            storeWords(values, count, out);
            if (layout.opaque)
                for (int x = 0; x < pixels; ++x)
                    out[4 * x + 3] = Sample(top);
        }
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

// Eight or four floats read where they lie, as a vector. A reference, not a vector returned by
// value: the portable build of the loops may not receive an eight-wide vector from a call.
using v8fRead = float __attribute__((vector_size(32), aligned(4), may_alias));
using v4fRead = float __attribute__((vector_size(16), aligned(4), may_alias));

inline const v8fRead &load8(const float *p)
{
    return *reinterpret_cast<const v8fRead *>(p);
}

inline const v4fRead &load4(const float *p)
{
    return *reinterpret_cast<const v4fRead *>(p);
}

// The halves of an eight-wide sum, added.
inline v4f folded(const v8f &v)
{
    return __builtin_shufflevector(v, v, 0, 1, 2, 3) + __builtin_shufflevector(v, v, 4, 5, 6, 7);
}

// The horizontal kernel's weights for four channels: each repeated for the four channels of a
// pixel, so two taps are one eight-wide step. Outputs whose weights are the same share one copy
// (at a whole-number ratio, every output but those at the edges): the horizontal pass then reads
// its weights from the first-level cache instead of a table as large as the cache's next level.
struct ExpandedWeights {
    std::vector<float> values;
    std::vector<size_t> at; // for each output: where its taps' weights start in `values`
};

// The horizontal pass for one row of floats.
PRESSMARK_HOT void filterRow(const float *in, int channels, const ResampleKernel &h,
                             const ExpandedWeights &expanded, float *out)
{
    const int outputs = int(h.first.size());
    if (channels == 4) {
        // One output pixel: two taps at a time, their sums folded, an odd last tap added.
        const auto one = [&](int o) {
            const float *src = in + 4 * h.first[size_t(o)];
            const float *w = expanded.values.data() + expanded.at[size_t(o)];
            const int count = h.count[size_t(o)];
            v8f pair = {0, 0, 0, 0, 0, 0, 0, 0};
            int k = 0;
            for (; k + 1 < count; k += 2)
                pair += load8(src + 4 * k) * load8(w + 4 * k);
            v4f acc = folded(pair);
            if (k < count)
                acc += load4(src + 4 * k) * load4(w + 4 * k);
            std::memcpy(out + 4 * o, &acc, sizeof acc);
        };
        // Four output pixels at once, each summed as one() sums it: four chains of additions
        // the processor runs side by side instead of one waiting on each sum before the next.
        int o = 0;
        for (; o + 4 <= outputs; o += 4) {
            const int count = h.count[size_t(o)];
            if (h.count[size_t(o) + 1] != count || h.count[size_t(o) + 2] != count ||
                h.count[size_t(o) + 3] != count) {
                for (int i = 0; i < 4; ++i)
                    one(o + i);
                continue;
            }
            const float *s0 = in + 4 * h.first[size_t(o)], *s1 = in + 4 * h.first[size_t(o) + 1],
                        *s2 = in + 4 * h.first[size_t(o) + 2], *s3 = in + 4 * h.first[size_t(o) + 3];
            const float *weights = expanded.values.data();
            const float *w0 = weights + expanded.at[size_t(o)], *w1 = weights + expanded.at[size_t(o) + 1],
                        *w2 = weights + expanded.at[size_t(o) + 2],
                        *w3 = weights + expanded.at[size_t(o) + 3];
            v8f a0 = {0, 0, 0, 0, 0, 0, 0, 0}, a1 = a0, a2 = a0, a3 = a0;
            int k = 0;
            if (w0 == w1 && w1 == w2 && w2 == w3) {
                // The same weights (inside a picture resized by a whole number): read once.
                for (; k + 1 < count; k += 2) {
                    const v8f w = load8(w0 + 4 * k);
                    a0 += load8(s0 + 4 * k) * w;
                    a1 += load8(s1 + 4 * k) * w;
                    a2 += load8(s2 + 4 * k) * w;
                    a3 += load8(s3 + 4 * k) * w;
                }
            } else {
                for (; k + 1 < count; k += 2) {
                    a0 += load8(s0 + 4 * k) * load8(w0 + 4 * k);
                    a1 += load8(s1 + 4 * k) * load8(w1 + 4 * k);
                    a2 += load8(s2 + 4 * k) * load8(w2 + 4 * k);
                    a3 += load8(s3 + 4 * k) * load8(w3 + 4 * k);
                }
            }
            v4f r0 = folded(a0), r1 = folded(a1), r2 = folded(a2), r3 = folded(a3);
            if (k < count) {
                r0 += load4(s0 + 4 * k) * load4(w0 + 4 * k);
                r1 += load4(s1 + 4 * k) * load4(w1 + 4 * k);
                r2 += load4(s2 + 4 * k) * load4(w2 + 4 * k);
                r3 += load4(s3 + 4 * k) * load4(w3 + 4 * k);
            }
            std::memcpy(out + 4 * o, &r0, sizeof r0);
            std::memcpy(out + 4 * o + 4, &r1, sizeof r1);
            std::memcpy(out + 4 * o + 8, &r2, sizeof r2);
            std::memcpy(out + 4 * o + 12, &r3, sizeof r3);
        }
        for (; o < outputs; ++o)
            one(o);
        return;
    }
    // One channel: the products eight and then four at a time, added one by one in order, the
    // last three multiplied and added (fused where the processor can). Spelled out so every
    // build rounds alike: the compiler's own vectorising of the plain loop chose this for one
    // build and not another.
    const float *weights = h.weights.data();
    for (int o = 0; o < outputs; ++o, weights += h.taps) {
        const float *src = in + h.first[size_t(o)];
        const int count = h.count[size_t(o)];
        float acc = 0.0f;
        int k = 0;
        for (; k + 8 <= count; k += 8) {
            const v8f products = load8(src + k) * load8(weights + k);
            for (int j = 0; j < 8; ++j)
                acc += products[j];
        }
        if (k + 4 <= count) {
            const v4f products = load4(src + k) * load4(weights + k);
            for (int j = 0; j < 4; ++j)
                acc += products[j];
            k += 4;
        }
        for (; k < count; ++k)
            acc += src[k] * weights[k];
        out[o] = acc;
    }
}

ExpandedWeights expandedWeights(const ResampleKernel &h)
{
    ExpandedWeights expanded;
    const size_t taps = size_t(h.taps);
    expanded.at.resize(h.first.size());
    std::map<std::vector<float>, size_t> seen;
    for (size_t o = 0; o < h.first.size(); ++o) {
        const auto first = h.weights.begin() + std::ptrdiff_t(o * taps);
        std::vector<float> own(first, first + std::ptrdiff_t(taps));
        const auto [place, added] = seen.try_emplace(std::move(own), expanded.values.size());
        if (added)
            for (size_t k = 0; k < taps; ++k)
                expanded.values.insert(expanded.values.end(), 4, first[std::ptrdiff_t(k)]);
        expanded.at[o] = place->second;
    }
    return expanded;
}

// The vertical pass for one output row: the weighted sum of `count` filtered rows, each value
// summed from the first row to the last. Eight values at a time, every row added in before
// they are stored; in the compiler's vector types, as the plain loop was vectorised in one
// build and not in another (rows and output might alias).
PRESSMARK_HOT void sumRows(const float *const *rows, const float *weights, int count, int length, float *out)
{
    int i = 0;
    for (; i + 8 <= length; i += 8) {
        v8f acc = load8(rows[0] + i) * weights[0];
        for (int k = 1; k < count; ++k)
            acc += weights[k] * load8(rows[k] + i);
        std::memcpy(out + i, &acc, sizeof acc);
    }
    for (; i < length; ++i) {
        float acc = weights[0] * rows[0][i];
        for (int k = 1; k < count; ++k)
            acc += weights[k] * rows[k][i];
        out[i] = acc;
    }
}

} // namespace

struct RowReducer::State {
    Layout layout;
    QImage::Format rowFormat;
    QSize in;
    QImage output;
    bool sameWidth = false, sameHeight = false;
    ResampleKernel h, v;
    ExpandedWeights expanded;
    int ringRows = 1;
    int rowFloats = 0;
    std::vector<float> ring, source, row;
    std::vector<const float *> rows;
    int taken = 0;            // source rows given so far (counted from the picture's first)
    int needed = 0;           // source rows the output reads
    int made = 0;             // output rows made so far (counted from the picture's first)
    int end = 0;              // the output rows made here end here
    int skipBelow = 0;        // source rows above this one are passed over (a divided lower part)
    uchar *outBits = nullptr; // the output's pixels (another reducer's, for a part)
    qsizetype outBytesPerLine = 0;
    RowReducer::RowsOut rowsOut; // given: `output` is a band, sent on when full or at the end
    int bandFirst = 0;           // the output row the band's first holds
    bool valid = false;

    uchar *outLine(int y) const { return outBits + qsizetype(y - bandFirst) * outBytesPerLine; }
    // After output row `y` is made: a full band, or the last rows, sent on.
    void rowMade(int y)
    {
        if (!rowsOut || (y + 1 - bandFirst < output.height() && y + 1 < end))
            return;
        if (!rowsOut(outBits, outBytesPerLine, y + 1 - bandFirst))
            valid = false;
        bandFirst = y + 1;
    }
    // The first source row output row `y` reads.
    int sourceRowOf(int y) const { return sameHeight ? y : v.first[size_t(y)]; }
    // Makes output rows from `first` up to `last` only, from source rows given from the first
    // of them on.
    void restrictTo(int first, int last)
    {
        made = first;
        end = last;
        taken = sourceRowOf(first);
        needed = sameHeight ? last : v.first[size_t(last - 1)] + v.count[size_t(last - 1)];
    }

    float *slot(int sourceRow) { return ring.data() + size_t(sourceRow % ringRows) * size_t(rowFloats); }

    template <typename Sample> void load(const uchar *line, bool packed, float *target) const
    {
        if (packed)
            loadPackedRgbRow(line, in.width(), target);
        else
            loadRow<Sample>(line, in.width() * layout.channels, target);
    }

    template <typename Sample> void addRow(const uchar *line, bool packed)
    {
        const int y = taken++;
        if (y >= needed || y < skipBelow)
            return;
        float *target = slot(y);
        if (sameWidth) {
            load<Sample>(line, packed, target);
        } else {
            load<Sample>(line, packed, source.data());
            filterRow(source.data(), layout.channels, h, expanded, target);
        }
        // Every output row whose kernel's rows are all in.
        const int outWidth = rowFloats / layout.channels;
        for (; made < end; ++made) {
            const int first = sameHeight ? made : v.first[size_t(made)];
            const int count = sameHeight ? 1 : v.count[size_t(made)];
            if (first + count > taken)
                break;
            if (sameHeight) {
                storeRow<Sample>(slot(made), outWidth, layout.channels, layout, outLine(made));
                rowMade(made);
                continue;
            }
            for (int k = 0; k < count; ++k)
                rows[size_t(k)] = slot(first + k);
            sumRows(rows.data(), v.weights.data() + size_t(made) * size_t(v.taps), count, rowFloats,
                    row.data());
            storeRow<Sample>(row.data(), outWidth, layout.channels, layout, outLine(made));
            rowMade(made);
        }
    }
};

RowReducer::RowReducer(QSize in, QImage::Format rowFormat, QSize out, QSizeF extent, RowsOut rowsOut)
    : m(new State)
{
    if (in.isEmpty() || out.isEmpty())
        return;
    if (!extent.isValid() || extent.isEmpty())
        extent = QSizeF(in);
    m->layout = layoutFor(rowFormat);
    m->rowFormat = rowFormat;
    m->in = in;
    // Sent on in bands, the output is a band of rows.
    constexpr int kBandRows = 16;
    m->rowsOut = std::move(rowsOut);
    m->output = m->rowsOut ? QImage(out.width(), std::min(out.height(), kBandRows), m->layout.format)
                           : allocateLargeImage(out, m->layout.format);
    if (m->output.isNull())
        return;
    m->outBits = m->output.bits();
    m->outBytesPerLine = m->output.bytesPerLine();
    m->end = out.height();
    const int channels = m->layout.channels;
    m->rowFloats = out.width() * channels;
    m->sameWidth = in.width() == out.width() && extent.width() == in.width();
    m->sameHeight = in.height() == out.height() && extent.height() == in.height();
    if (!m->sameWidth)
        m->h = ResampleKernel::lanczos3(in.width(), extent.width(), out.width());
    if (!m->sameHeight)
        m->v = ResampleKernel::lanczos3(in.height(), extent.height(), out.height());
    if (channels == 4 && !m->sameWidth)
        m->expanded = expandedWeights(m->h);
    m->ringRows = m->sameHeight ? 1 : m->v.taps;
    m->needed = m->sameHeight ? in.height() : m->v.first.back() + m->v.count.back();
    m->ring.resize(size_t(m->ringRows) * size_t(m->rowFloats));
    m->source.resize(size_t(in.width()) * size_t(channels));
    m->row.resize(size_t(m->rowFloats));
    m->rows.resize(size_t(std::max(1, m->v.taps)));
    m->valid = true;
}

RowReducer::RowReducer() = default;

RowReducer::~RowReducer() = default;

QImage RowReducer::reduced(const QImage &source, QSize out, QSizeF extent)
{
    RowReducer upper(source.size(), source.format(), out, extent);
    if (!upper.isValid())
        return QImage();
    // Worth a second thread from about a megapixel read; each half reads a few rows twice.
    constexpr qint64 kWorthIt = 1'000'000;
    std::optional<BorrowedCore> core;
    if (qint64(source.width()) * source.height() >= kWorthIt && out.height() >= 16)
        core.emplace();
    int rowsAbove = 0;
    const int first = source.height() / 2;
    const std::unique_ptr<RowReducer> lower = core && *core ? upper.divide(first, &rowsAbove) : nullptr;
    if (!lower) {
        upper.addRows(source.constBits(), source.bytesPerLine(), source.height());
        return upper.result();
    }
    // The lower part of the output rows on the borrowed core, written into the same picture:
    // each output row is made from the same rows the same way, so the pixels are the same.
    std::thread helper([&] {
        lower->addRows(source.constBits() + qsizetype(first) * source.bytesPerLine(), source.bytesPerLine(),
                       source.height() - first);
    });
    upper.addRows(source.constBits(), source.bytesPerLine(), rowsAbove);
    helper.join();
    upper.join(*lower);
    return upper.isFinished() ? upper.result() : QImage();
}

std::unique_ptr<RowReducer> RowReducer::divide(int first, int *rowsAbove)
{
    State &s = *m;
    const int height = s.sameHeight ? s.in.height() : int(s.v.first.size());
    if (!s.valid || s.taken != 0 || s.made != 0 || s.end != height || first <= 0 || first >= s.in.height())
        return nullptr;
    // The first output row that reads nothing above `first`.
    int split = 1;
    while (split < s.end && s.sourceRowOf(split) < first)
        ++split;
    if (split >= s.end)
        return nullptr;
    std::unique_ptr<RowReducer> lower(new RowReducer);
    lower->m = std::make_unique<State>(s);
    State &l = *lower->m;
    l.output = QImage();
    if (s.rowsOut) {
        // Held until this one's rows are sent on.
        l.rowsOut = {};
        l.output = allocateLargeImage(QSize(s.output.width(), s.end - split), s.layout.format);
        if (l.output.isNull())
            return nullptr;
        l.outBits = l.output.bits();
        l.outBytesPerLine = l.output.bytesPerLine();
        l.bandFirst = split;
    }
    l.restrictTo(split, s.end);
    l.skipBelow = l.taken;
    l.taken = first;
    s.restrictTo(0, split);
    *rowsAbove = s.needed;
    return lower;
}

void RowReducer::join(const RowReducer &lower)
{
    State &s = *m;
    const State &l = *lower.m;
    if (!s.valid || !l.valid || s.made != s.end || l.made != l.end || l.made <= s.end) {
        s.valid = false;
        return;
    }
    if (s.rowsOut && !l.output.isNull() &&
        !s.rowsOut(l.output.constBits(), l.outBytesPerLine, l.output.height()))
        s.valid = false;
    s.made = s.end = l.end;
}

QImage::Format RowReducer::workingFormat(QImage::Format format)
{
    return layoutFor(format).format;
}

bool RowReducer::isValid() const
{
    return m->valid;
}

void RowReducer::addRows(const uchar *rows, qsizetype bytesPerLine, int count)
{
    if (!m->valid || count <= 0)
        return;
    count = std::min(count, m->in.height() - m->taken);
    QImage converted;
    if (m->rowFormat != m->layout.format && m->rowFormat != QImage::Format_RGB888) {
        // A band in another format: converted as a whole picture of those rows would be.
        converted =
            convertedTo(QImage(rows, m->in.width(), count, bytesPerLine, m->rowFormat), m->layout.format);
        if (converted.isNull()) {
            m->valid = false;
            return;
        }
        rows = converted.constBits();
        bytesPerLine = converted.bytesPerLine();
    }
    const bool packed = m->rowFormat == QImage::Format_RGB888;
    for (int i = 0; i < count && m->valid; ++i) {
        const uchar *line = rows + qsizetype(i) * bytesPerLine;
        if (m->layout.wide)
            m->addRow<std::uint16_t>(line, packed);
        else
            m->addRow<std::uint8_t>(line, packed);
    }
}

bool RowReducer::isFinished() const
{
    return m->valid && m->made == m->end;
}

QImage RowReducer::result() const
{
    return m->valid && !m->rowsOut ? m->output : QImage();
}
