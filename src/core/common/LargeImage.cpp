#include "common/LargeImage.h"

#include <malloc.h>

#include <limits>
#include <mutex>

#include <sys/mman.h>

namespace {

constexpr qsizetype kHugePage = 2 * 1024 * 1024;
constexpr qsizetype kWorthIt = 8 * kHugePage;

thread_local LargeImageReuse *t_reuse = nullptr;

} // namespace

// The mapping a scope keeps; shared with the pictures made from it, which give it back.
struct LargeImageReuse::Pool {
    std::mutex mutex;
    bool open = true;
    void *address = nullptr;
    size_t length = 0;

    void release()
    {
        if (address)
            munmap(address, length);
        address = nullptr;
        length = 0;
    }
};

namespace {

struct Mapping {
    void *address;
    size_t length;
    std::shared_ptr<LargeImageReuse::Pool> pool; // where it goes back to, if anywhere
};

void unmap(void *info)
{
    auto *mapping = static_cast<Mapping *>(info);
    if (const std::shared_ptr<LargeImageReuse::Pool> &pool = mapping->pool) {
        std::lock_guard<std::mutex> lock(pool->mutex);
        if (pool->open) {
            // The larger of the two is the more useful next time.
            if (pool->length < mapping->length) {
                pool->release();
                pool->address = mapping->address;
                pool->length = mapping->length;
            } else {
                munmap(mapping->address, mapping->length);
            }
            delete mapping;
            return;
        }
    }
    munmap(mapping->address, mapping->length);
    delete mapping;
}

QImage largeImage(QSize size, QImage::Format format, bool reuse,
                  const std::shared_ptr<LargeImageReuse::Pool> &pool)
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
    size_t length = size_t(bytes + kHugePage);
    void *address = nullptr;
    if (reuse && pool) {
        std::lock_guard<std::mutex> lock(pool->mutex);
        if (pool->length >= length) {
            address = pool->address;
            length = pool->length;
            pool->address = nullptr;
            pool->length = 0;
        } else {
            pool->release(); // too small: a fresh mapping takes its place
        }
    }
    const bool fresh = !address;
    if (fresh) {
        address = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (address == MAP_FAILED)
            return QImage();
    }
    const quintptr aligned = (quintptr(address) + kHugePage - 1) & ~quintptr(kHugePage - 1);
    if (fresh)
        madvise(reinterpret_cast<void *>(aligned), size_t(bytes), MADV_HUGEPAGE); // advice only
    auto *mapping = new Mapping {address, length, pool};
    QImage image(reinterpret_cast<uchar *>(aligned), size.width(), size.height(), bytesPerLine, format, unmap,
                 mapping);
    if (image.isNull())
        unmap(mapping);
    return image;
}

} // namespace

QImage allocateLargeImage(QSize size, QImage::Format format)
{
    return largeImage(size, format, false, t_reuse ? t_reuse->m_pool : nullptr);
}

QImage reusedLargeImage(QSize size, QImage::Format format)
{
    return largeImage(size, format, true, t_reuse ? t_reuse->m_pool : nullptr);
}

LargeImageReuse::LargeImageReuse() : m_pool(std::make_shared<Pool>()), m_previous(t_reuse)
{
    t_reuse = this;
}

LargeImageReuse::~LargeImageReuse()
{
    t_reuse = m_previous;
    std::lock_guard<std::mutex> lock(m_pool->mutex);
    m_pool->open = false;
    m_pool->release();
}

void LargeImageReuse::keepAtMost(qint64 bytes)
{
    std::lock_guard<std::mutex> lock(m_pool->mutex);
    if (qint64(m_pool->length) > bytes)
        m_pool->release();
}

LargeImageReuse *LargeImageReuse::current()
{
    return t_reuse;
}

qint64 LargeImageReuse::keptBytes() const
{
    std::lock_guard<std::mutex> lock(m_pool->mutex);
    return qint64(m_pool->length);
}

namespace {
std::mutex g_heapReuseMutex;
int g_heapReuseScopes = 0;
} // namespace

HeapReuse::HeapReuse()
{
    std::lock_guard<std::mutex> lock(g_heapReuseMutex);
    if (g_heapReuseScopes++ > 0)
        return;
    // glibc's largest: anything smaller comes from the heap, and a freed top stays up to the trim bound.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
}

HeapReuse::~HeapReuse()
{
    std::lock_guard<std::mutex> lock(g_heapReuseMutex);
    if (--g_heapReuseScopes > 0)
        return;
    // glibc's own starting values, then everything free given back.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
    malloc_trim(0);
}
