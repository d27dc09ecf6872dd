#include "common/LargeImage.h"

#include <limits>

#include <sys/mman.h>

namespace {

constexpr qsizetype kHugePage = 2 * 1024 * 1024;
constexpr qsizetype kWorthIt = 8 * kHugePage;

struct Mapping {
    void *address;
    size_t length;
};

void unmap(void *info)
{
    auto *mapping = static_cast<Mapping *>(info);
    munmap(mapping->address, mapping->length);
    delete mapping;
}

} // namespace

QImage allocateLargeImage(QSize size, QImage::Format format)
{
    if (size.isEmpty())
        return QImage();
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    // Qt's own line alignment: 32 bits.
    const qsizetype bytesPerLine = ((qsizetype(size.width()) * depth + 31) / 32) * 4;
    const qsizetype bytes = bytesPerLine * size.height();
    if (bytes < kWorthIt || bytesPerLine > std::numeric_limits<int>::max())
        return QImage(size, format);
    // Mapped a huge page beyond the need, so the pixels can start on a huge-page boundary.
    const size_t length = size_t(bytes + kHugePage);
    void *address = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED)
        return QImage();
    const quintptr aligned = (quintptr(address) + kHugePage - 1) & ~quintptr(kHugePage - 1);
    madvise(reinterpret_cast<void *>(aligned), size_t(bytes), MADV_HUGEPAGE); // advice only
    auto *mapping = new Mapping {address, length};
    QImage image(reinterpret_cast<uchar *>(aligned), size.width(), size.height(), bytesPerLine, format, unmap,
                 mapping);
    if (image.isNull())
        unmap(mapping);
    return image;
}
