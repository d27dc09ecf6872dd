#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

#include <tiffio.h>

#include <algorithm>
#include <vector>

// The samples of the current page of a TIFF as libtiff decodes them, in strips or tiles, with
// contiguous or separate planes, 1 to 16 bits a sample: handed over row by row, unpacked to one
// 16-bit word a sample (not scaled). Also the page rules the TIFF readers share. Used by one
// thread at a time, as its TIFF handle is.
class TiffSamples {
public:
    explicit TiffSamples(TIFF *tiff);

    uint32_t width() const { return m_width; }
    uint32_t height() const { return m_height; }
    int samplesPerPixel() const { return m_samples; }
    int bitsPerSample() const { return m_bits; }
    bool separatePlanes() const { return m_separate; }

    // Calls take(y, x, columns, sample, values) for every stretch of a row: `values` holds
    // columns x samplesPerPixel() words interleaved when sample is -1 (contiguous planes), else
    // `columns` words of that one sample. Rows come in order within each plane. Only the rows
    // from `first` (the first of a strip or a row of tiles) up to `end` are read.
    template <typename Take> Failure read(Take take, uint32_t first = 0, uint32_t end = UINT32_MAX);

    // The rows a strip or a row of tiles holds; 0 when the page does not say.
    uint32_t rowsPerBlock() const;

private:
    void unpack(const uchar *in, qsizetype count, quint16 *out) const;

    TIFF *m_tiff;
    uint32_t m_width = 0, m_height = 0;
    int m_samples = 1, m_bits = 1;
    bool m_separate = false;
    bool m_tiled = false;
    uint32_t m_tileWidth = 0, m_tileHeight = 0;
};

// Makes the largest page (by area, the first among equals) the current one; a page chain that
// loops ends at the loop, as libtiff reads it.
void useLargestTiffPage(TIFF *tiff);
// The current page's horizontal density in dots per inch; 0 when it states none in an absolute unit.
double tiffDpi(TIFF *tiff);
// The current page's ICC profile; empty when it has none.
QByteArray tiffProfile(TIFF *tiff);

template <typename Take> Failure TiffSamples::read(Take take, uint32_t first, uint32_t end)
{
    end = std::min(end, m_height);
    const Failure damaged(FailureReason::Unsupported,
                          QCoreApplication::translate("TiffSamples", "the TIFF data is damaged"));
    // A strip's row or a tile beyond 1 GiB is no picture within the limits.
    constexpr tmsize_t kLargestBuffer = tmsize_t(1) << 30;
    const Failure tooLarge(FailureReason::TooLarge,
                           QCoreApplication::translate("TiffSamples", "a TIFF row or tile beyond 1 GiB"));
    const int planes = m_separate ? m_samples : 1;
    const int perPixel = m_separate ? 1 : m_samples;
    std::vector<uchar> buffer;
    std::vector<quint16> values;
    if (!m_tiled) {
        const tmsize_t lineBytes = TIFFScanlineSize(m_tiff);
        if (lineBytes <= 0)
            return damaged;
        if (lineBytes > kLargestBuffer || qint64(m_width) * perPixel * 2 > kLargestBuffer)
            return tooLarge;
        buffer.resize(size_t(lineBytes));
        values.resize(size_t(m_width) * size_t(perPixel));
        for (int plane = 0; plane < planes; ++plane) {
            for (uint32_t y = first; y < end; ++y) {
                if (TIFFReadScanline(m_tiff, buffer.data(), y, uint16_t(plane)) != 1)
                    return damaged;
                unpack(buffer.data(), qsizetype(values.size()), values.data());
                take(y, 0u, m_width, m_separate ? plane : -1, values.data());
            }
        }
        return {};
    }
    const tmsize_t tileBytes = TIFFTileSize(m_tiff), rowBytes = TIFFTileRowSize(m_tiff);
    if (tileBytes <= 0 || rowBytes <= 0 || m_tileWidth == 0 || m_tileHeight == 0)
        return damaged;
    if (tileBytes > kLargestBuffer || qint64(m_tileWidth) * perPixel * 2 > kLargestBuffer)
        return tooLarge;
    buffer.resize(size_t(tileBytes));
    values.resize(size_t(m_tileWidth) * size_t(perPixel));
    for (int plane = 0; plane < planes; ++plane) {
        for (uint32_t tileY = first; tileY < end; tileY += m_tileHeight) {
            for (uint32_t tileX = 0; tileX < m_width; tileX += m_tileWidth) {
                if (TIFFReadTile(m_tiff, buffer.data(), tileX, tileY, 0, uint16_t(plane)) < 0)
                    return damaged;
                const uint32_t columns = std::min(m_tileWidth, m_width - tileX);
                const uint32_t rows = std::min(m_tileHeight, end - tileY);
                for (uint32_t r = 0; r < rows; ++r) {
                    unpack(buffer.data() + size_t(r) * size_t(rowBytes), qsizetype(columns) * perPixel,
                           values.data());
                    take(tileY + r, tileX, columns, m_separate ? plane : -1, values.data());
                }
            }
        }
    }
    return {};
}
