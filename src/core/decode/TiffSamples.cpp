#include "decode/TiffSamples.h"

#include <cstring>

TiffSamples::TiffSamples(TIFF *tiff) : m_tiff(tiff)
{
    uint16_t samples = 1, bits = 1, planar = PLANARCONFIG_CONTIG;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &m_width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &m_height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
    m_samples = samples;
    m_bits = bits;
    m_separate = planar == PLANARCONFIG_SEPARATE && samples > 1;
    m_tiled = TIFFIsTiled(tiff);
    if (m_tiled) {
        TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &m_tileWidth);
        TIFFGetField(tiff, TIFFTAG_TILELENGTH, &m_tileHeight);
    }
}

uint32_t TiffSamples::rowsPerBlock() const
{
    if (m_tiled)
        return std::min(m_tileHeight, m_height);
    uint32_t rows = 0;
    if (!TIFFGetField(m_tiff, TIFFTAG_ROWSPERSTRIP, &rows))
        return 0;
    return std::min(rows, m_height);
}

// Samples of 8 and 16 bits are whole bytes and words (libtiff swaps words into the machine's
// order); the others are packed from the high bit down, across byte boundaries.
void TiffSamples::unpack(const uchar *in, qsizetype count, quint16 *out) const
{
    if (m_bits == 8) {
        for (qsizetype i = 0; i < count; ++i)
            out[i] = in[i];
        return;
    }
    if (m_bits == 16) {
        std::memcpy(out, in, size_t(count) * 2);
        return;
    }
    quint64 bit = 0;
    for (qsizetype i = 0; i < count; ++i, bit += quint64(m_bits)) {
        quint32 value = 0;
        for (int b = 0; b < m_bits; ++b) {
            const quint64 at = bit + quint64(b);
            value = (value << 1) | ((in[at >> 3] >> (7 - (at & 7))) & 1);
        }
        out[i] = quint16(value);
    }
}

void useLargestTiffPage(TIFF *tiff)
{
    tdir_t best = 0;
    qint64 bestArea = -1;
    tdir_t index = 0;
    do {
        uint32_t width = 0, height = 0;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
        if (qint64(width) * height > bestArea) {
            bestArea = qint64(width) * height;
            best = index;
        }
        ++index;
    } while (index < 1024 && TIFFReadDirectory(tiff));
    TIFFSetDirectory(tiff, best);
}

double tiffDpi(TIFF *tiff)
{
    float xResolution = 0;
    uint16_t unit = RESUNIT_INCH;
    if (!TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &xResolution) || !(xResolution > 0))
        return 0.0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
    return unit == RESUNIT_CENTIMETER ? xResolution * 2.54 : unit == RESUNIT_INCH ? xResolution : 0.0;
}

QByteArray tiffProfile(TIFF *tiff)
{
    uint32_t length = 0;
    void *icc = nullptr;
    if (TIFFGetField(tiff, TIFFTAG_ICCPROFILE, &length, &icc) && icc && length > 0)
        return QByteArray(static_cast<const char *>(icc), qsizetype(length));
    return QByteArray();
}
