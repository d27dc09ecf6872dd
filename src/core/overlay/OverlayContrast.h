#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QVector>

struct ConversionOptions;

enum class OverlayKind { CopyrightLines, Logo, Watermark };

// How well one overlay stands out from the picture under it.
struct OverlayContrast {
    OverlayKind kind = OverlayKind::Watermark;
    // The WCAG contrast ratio (1 to 21) between the overlay's pixels, at its opacity, and the
    // picture's pixels under them: the median over the overlay's drawn pixels, each weighed by
    // how much of it is drawn there.
    double ratio = 21.0;

    // Half the overlay or more stands out by less than kFaintContrast.
    bool hardlyVisible() const;
};

// Below this ratio a colour can hardly be told from the one under it (WCAG asks 3:1 of large
// text; 1.5:1 is white on a light gray of about #d3d3d3).
constexpr double kFaintContrast = 1.5;

// The contrast of each active overlay (copyright lines, logo, watermark, in drawing order) with
// `beneath`: the output picture without its overlays, as the output format holds it (laid on
// white for JPEG). Each overlay is drawn alone by the composer, as the output draws it (laid out
// for `layoutSize`, by the `resized` rules, scaled onto the picture), and compared pixel by pixel
// with what lies under it. Pixels under half opacity count as nothing to compare with (what
// shows there is the viewer's background), so an overlay lying wholly on them, or drawing
// nothing, is left out. Large pictures are measured at most 1024 pixels a side. A pure function
// of its arguments; any thread (text needs a QGuiApplication, as drawing it does).
QVector<OverlayContrast> overlayContrasts(const QImage &beneath, const ConversionOptions &options,
                                          QSize layoutSize, bool resized);

// The overlays among these that are hardly visible, in the same order.
QList<OverlayKind> hardlyVisibleOverlays(const QVector<OverlayContrast> &contrasts);
