#include "overlay/OverlayContrast.h"

#include "options/ConversionOptions.h"
#include "overlay/OverlayComposer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr int kMeasuredSide = 1024;

// WCAG's relative luminance of an 8-bit sRGB value's channel: the value made linear.
const std::array<double, 256> &linearValues()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t {};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            t[size_t(v)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

double luminance(double r, double g, double b)
{
    const auto &linear = linearValues();
    const auto at = [&](double v) { return linear[size_t(std::clamp(std::lround(v), 0L, 255L))]; };
    return 0.2126 * at(r) + 0.7152 * at(g) + 0.0722 * at(b);
}

double contrastRatio(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The options drawing only this overlay, at full opacity: its pixels' own colours and coverage.
ConversionOptions alone(const ConversionOptions &options, OverlayKind kind)
{
    ConversionOptions one = options;
    one.copyright.enabled = kind == OverlayKind::CopyrightLines;
    one.logo.enabled = kind == OverlayKind::Logo;
    one.watermark.enabled = kind == OverlayKind::Watermark;
    one.copyright.opacity = one.logo.opacity = one.watermark.opacity = 1.0f;
    return one;
}

float opacityOf(const ConversionOptions &options, OverlayKind kind)
{
    const float opacity = kind == OverlayKind::CopyrightLines ? options.copyright.opacity
                          : kind == OverlayKind::Logo         ? options.logo.opacity
                                                              : options.watermark.opacity;
    return std::clamp(opacity, 0.0f, 1.0f);
}

bool isActive(const ConversionOptions &options, OverlayKind kind)
{
    return kind == OverlayKind::CopyrightLines ? options.copyright.active()
           : kind == OverlayKind::Logo         ? options.logo.active()
                                               : options.watermark.active();
}

} // namespace

bool OverlayContrast::hardlyVisible() const
{
    return ratio < kFaintContrast;
}

QList<OverlayKind> hardlyVisibleOverlays(const QVector<OverlayContrast> &contrasts)
{
    QList<OverlayKind> faint;
    for (const OverlayContrast &contrast : contrasts)
        if (contrast.hardlyVisible())
            faint << contrast.kind;
    return faint;
}

QVector<OverlayContrast> overlayContrasts(const QImage &beneath, const ConversionOptions &options,
                                          QSize layoutSize, bool resized)
{
    QVector<OverlayContrast> contrasts;
    if (beneath.isNull() || !options.anyOverlayActive())
        return contrasts;
    if (!layoutSize.isValid())
        layoutSize = beneath.size();
    QImage under =
        beneath.width() > kMeasuredSide || beneath.height() > kMeasuredSide
            ? beneath.scaled(kMeasuredSide, kMeasuredSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : beneath;
    under = under.convertToFormat(QImage::Format_ARGB32); // straight colours
    if (under.isNull())
        return contrasts;

    for (const OverlayKind kind : {OverlayKind::CopyrightLines, OverlayKind::Logo, OverlayKind::Watermark}) {
        if (!isActive(options, kind))
            continue;
        QImage clear(under.size(), QImage::Format_ARGB32_Premultiplied);
        if (clear.isNull())
            return contrasts;
        clear.fill(Qt::transparent);
        const QImage layer =
            composeOverlayCanvas(std::move(clear), under.size(), resized, alone(options, kind), layoutSize)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const double opacity = opacityOf(options, kind);
        // (contrast ratio, weight) of every drawn pixel on an opaque part of the picture.
        std::vector<std::pair<double, double>> drawn;
        double total = 0.0;
        for (int y = 0; y < layer.height(); ++y) {
            const auto *over = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
            const auto *base = reinterpret_cast<const QRgb *>(under.constScanLine(y));
            for (int x = 0; x < layer.width(); ++x) {
                const int a = qAlpha(over[x]);
                if (a == 0 || qAlpha(base[x]) < 128)
                    continue;
                // The overlay's own colour there, at its opacity over the picture's.
                const auto seen = [&](int overlay, int picture) {
                    return opacity * (overlay * 255.0 / a) + (1.0 - opacity) * picture;
                };
                const QRgb b = base[x];
                const double picture = luminance(qRed(b), qGreen(b), qBlue(b));
                const double stamped =
                    luminance(seen(qRed(over[x]), qRed(b)), seen(qGreen(over[x]), qGreen(b)),
                              seen(qBlue(over[x]), qBlue(b)));
                drawn.emplace_back(contrastRatio(stamped, picture), a / 255.0);
                total += a / 255.0;
            }
        }
        if (drawn.empty())
            continue;
        std::sort(drawn.begin(), drawn.end());
        double reached = 0.0;
        OverlayContrast contrast;
        contrast.kind = kind;
        for (const auto &[ratio, weight] : drawn) {
            reached += weight;
            if (reached >= total / 2.0) {
                contrast.ratio = ratio;
                break;
            }
        }
        contrasts << contrast;
    }
    return contrasts;
}
