#pragma once

#include <QByteArray>

#include <tiffio.h>

// A TIFF file in memory, through libtiff's client interface: read from given bytes, or
// written into a growing buffer.
class TiffMemoryFile {
public:
    TiffMemoryFile() = default;
    explicit TiffMemoryFile(const QByteArray &bytes) : m_bytes(bytes) {}

    // Opens the bytes with libtiff; mode "r" or "w". Close with TIFFClose before using bytes().
    TIFF *open(const char *mode);
    const QByteArray &bytes() const { return m_bytes; }

private:
    static tmsize_t read(thandle_t h, void *data, tmsize_t size);
    static tmsize_t write(thandle_t h, void *data, tmsize_t size);
    static toff_t seek(thandle_t h, toff_t offset, int whence);
    static int close(thandle_t) { return 0; }
    static toff_t size(thandle_t h);
    static int map(thandle_t, void **, toff_t *) { return 0; }
    static void unmap(thandle_t, void *, toff_t) {}

    QByteArray m_bytes;
    toff_t m_position = 0;
};
