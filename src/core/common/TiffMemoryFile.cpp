#include "common/TiffMemoryFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

TIFF *TiffMemoryFile::open(const char *mode)
{
    m_position = 0;
    // 'm': never memory-map, the bytes are already in memory.
    const QByteArray flags = QByteArray(mode) + "m";
    return TIFFClientOpen("memory", flags.constData(), this, read, write, seek, close, size, map, unmap);
}

tmsize_t TiffMemoryFile::read(thandle_t h, void *data, tmsize_t size)
{
    auto *f = static_cast<TiffMemoryFile *>(h);
    const toff_t length = toff_t(f->m_bytes.size());
    const toff_t available = f->m_position < length ? length - f->m_position : 0;
    const tmsize_t n = tmsize_t(std::min<toff_t>(available, toff_t(size)));
    std::memcpy(data, f->m_bytes.constData() + f->m_position, size_t(n));
    f->m_position += toff_t(n);
    return n;
}

tmsize_t TiffMemoryFile::write(thandle_t h, void *data, tmsize_t size)
{
    auto *f = static_cast<TiffMemoryFile *>(h);
    const toff_t end = f->m_position + toff_t(size);
    if (end > toff_t(f->m_bytes.size())) {
        if (end > toff_t(f->m_bytes.capacity()))
            f->m_bytes.reserve(qsizetype(std::max<toff_t>(end, toff_t(f->m_bytes.capacity()) * 2)));
        f->m_bytes.resize(qsizetype(end));
    }
    std::memcpy(f->m_bytes.data() + f->m_position, data, size_t(size));
    f->m_position = end;
    return size;
}

toff_t TiffMemoryFile::seek(thandle_t h, toff_t offset, int whence)
{
    auto *f = static_cast<TiffMemoryFile *>(h);
    toff_t base = 0;
    if (whence == SEEK_CUR)
        base = f->m_position;
    else if (whence == SEEK_END)
        base = toff_t(f->m_bytes.size());
    f->m_position = base + offset;
    return f->m_position;
}

toff_t TiffMemoryFile::size(thandle_t h)
{
    return toff_t(static_cast<TiffMemoryFile *>(h)->m_bytes.size());
}
