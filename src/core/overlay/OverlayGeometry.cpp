#include "overlay/OverlayGeometry.h"

#include <cmath>

QRectF logoRect(const OverlayCanvas &c, qint64 logoWidth, qint64 logoHeight, int division, int tag)
{
    if (logoWidth <= 0 || logoHeight <= 0 || division <= 0 || tag < 0 || tag > 4)
        return QRectF();
    const float lw = float(logoWidth), lh = float(logoHeight);
    float boxW, boxH, r1, r2;
    if (c.resized) {
        boxW = float(c.width) / float(division);
        boxH = float(c.height) / float(division);
        r1 = boxW / lw;
        r2 = boxH / lh;
    } else {
        boxW = float(c.width / division);
        boxH = float(c.height / division);
        r1 = float(double(boxW) / double(lw));
        r2 = float(double(boxH) / double(lh));
    }
    const float r = r1 < r2 ? r1 : r2;
    const float w = std::roundf(lw * r), h = std::roundf(lh * r);
    const float m = c.margin(), W = float(c.width), H = float(c.height);
    float x = 0, y = 0;
    switch (tag) {
    case 0:
        x = std::roundf(m);
        y = std::roundf(H - h - m);
        break;
    case 1:
        x = std::roundf(W - w - m);
        y = std::roundf(H - h - m);
        break;
    case 2:
        x = std::roundf(m);
        y = std::roundf(m);
        break;
    case 3:
        x = std::roundf(W - w - m);
        y = std::roundf(m);
        break;
    case 4:
        x = std::roundf(c.half(c.width) - w * 0.5f);
        y = std::roundf(c.half(c.height) - h * 0.5f);
        break;
    }
    return QRectF(x, y, w, h);
}

int watermarkFontSize(const OverlayCanvas &c, int division)
{
    if (division <= 0)
        return 0;
    const float size =
        c.resized ? std::roundf(float(c.width) / float(division)) : std::roundf(float(c.width / division));
    return int(size);
}

QRectF watermarkRect(const OverlayCanvas &c, QSizeF text, int tag)
{
    if (tag < 0 || tag > 6)
        return QRectF();
    const double m = double(c.margin()), W = c.width, H = c.height;
    const double tw = text.width(), th = text.height();
    const double centreX = double(c.half(c.width)) - tw * 0.5;
    double x = 0, y = 0;
    switch (tag) {
    case 0:
        x = m;
        y = H - th - m;
        break;
    case 1:
        x = W - tw - m;
        y = H - th - m;
        break;
    case 2:
        x = m;
        y = m;
        break;
    case 3:
        x = W - tw - m;
        y = m;
        break;
    case 4:
        x = centreX;
        y = double(c.half(c.height)) - th * 0.5;
        break;
    case 5:
        x = centreX;
        y = H - th - m;
        break;
    case 6:
        x = centreX;
        y = m;
        break;
    }
    return QRectF(std::roundf(float(x)), std::roundf(float(y)), tw, th);
}

float copyrightLineWidth(const OverlayCanvas &c)
{
    return std::roundf(float(c.width * 0.005));
}

int copyrightGap(const OverlayCanvas &c)
{
    return int(std::roundf(float(c.width * 0.005 * 4.0)));
}

QVector<QLineF> copyrightLines(const OverlayCanvas &c, int pattern)
{
    const double cw = c.width, ch = c.height;
    const double g = copyrightGap(c);
    switch (pattern) {
    case 1:
        return {QLineF(0, 0, cw - 0.5, ch - 0.5), QLineF(0, ch, cw, 0)};
    case 2: {
        const double cx = std::roundf(float(cw * 0.5)), cy = std::roundf(float(ch * 0.5));
        return {QLineF(cx, 0, cx, ch), QLineF(0, cy, cw, cy)};
    }
    case 3: {
        const double t = ch / 3.0, a = std::roundf(float(t)), b = std::roundf(float(ch - t));
        return {QLineF(0, a + g, cw, a + g), QLineF(0, a - g, cw, a - g), QLineF(0, b + g, cw, b + g),
                QLineF(0, b - g, cw, b - g)};
    }
    case 4: {
        const double t = cw / 3.0, a = std::roundf(float(t)), b = std::roundf(float(cw - t));
        return {QLineF(a + g, 0, a + g, ch), QLineF(a - g, 0, a - g, ch), QLineF(b + g, 0, b + g, ch),
                QLineF(b - g, 0, b - g, ch)};
    }
    default:
        return {};
    }
}
