#include "transform/CmykConverter.h"

#include "metadata/IccProfile.h"

#include <algorithm>
#include <vector>

CmykConverter::CmykConverter(bool inverted, const QByteArray &cmykProfile) : m_inverted(inverted)
{
    LcmsProfile input;
    if (profileColorModel(cmykProfile) == ProfileColorModel::Cmyk)
        input.reset(cmsOpenProfileFromMem(cmykProfile.constData(), cmsUInt32Number(cmykProfile.size())));
    LcmsProfile srgb(cmsCreate_sRGBProfile());
    if (input && srgb) {
        const cmsUInt32Number inFormat = inverted ? TYPE_CMYK_8_REV : TYPE_CMYK_8;
        const cmsUInt32Number outFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TYPE_BGRA_8 : TYPE_ARGB_8;
        m_transform.reset(cmsCreateTransform(input.get(), inFormat, srgb.get(), outFormat,
                                             INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_BLACKPOINTCOMPENSATION));
    }
}

void CmykConverter::convert(uchar *rows, qsizetype bytesPerLine, int width, int count) const
{
    std::vector<uchar> row(m_transform ? size_t(width) * 4 : 0);
    for (int y = 0; y < count; ++y) {
        uchar *line = rows + qsizetype(y) * bytesPerLine;
        auto *out = reinterpret_cast<QRgb *>(line);
        if (!m_transform) {
            const uchar *p = line;
            for (int x = 0; x < width; ++x, p += 4) {
                const int c = p[0], m = p[1], yy = p[2], k = p[3];
                if (m_inverted) {
                    // Stored as 255 - ink: the complement formula then reads directly.
                    out[x] = qRgb(c * k / 255, m * k / 255, yy * k / 255);
                } else {
                    out[x] = qRgb((255 - c) * (255 - k) / 255, (255 - m) * (255 - k) / 255,
                                  (255 - yy) * (255 - k) / 255);
                }
            }
            continue;
        }
        std::copy(line, line + row.size(), row.begin());
        // The transform writes colour only; the alpha byte must read opaque for RGB32.
        std::fill(out, out + width, 0xFF000000u);
        cmsDoTransform(m_transform.get(), row.data(), line, cmsUInt32Number(width));
    }
}
