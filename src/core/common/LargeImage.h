#pragma once

#include <QImage>

#include <memory>

// A picture of the given size and format whose pixels live in memory the kernel may back with
// huge pages. A 24-megapixel picture is 24,000 ordinary pages, each faulted in and cleared on
// first touch; with huge pages that is 48. Small pictures are plain QImages. Null when memory
// ran out. Safe from any thread.
QImage allocateLargeImage(QSize size, QImage::Format format);

// The same, taking the memory a LargeImageReuse on this thread kept from an earlier picture when
// it is large enough, so it is not mapped and cleared again: its pixels are then whatever they
// were. Only for callers that write every pixel before anything reads one.
QImage reusedLargeImage(QSize size, QImage::Format format);

// While it lives, the large pictures its thread lets go keep their memory (the last one's) for
// the thread's next reusedLargeImage(), as a runner's worker goes from file to file; it is
// unmapped when the scope ends, or when a picture still holding it is let go after that.
//
// Threading: made and ended on one thread, which it serves; the memory kept may come back from
// a picture let go on any thread.
class LargeImageReuse {
public:
    LargeImageReuse();
    ~LargeImageReuse();
    LargeImageReuse(const LargeImageReuse &) = delete;
    LargeImageReuse &operator=(const LargeImageReuse &) = delete;

    // Unmaps what is kept when it is more than `bytes`: a file admitted for less holds no more.
    void keepAtMost(qint64 bytes);
    // The bytes kept now: for tests.
    qint64 keptBytes() const;
    // The scope serving this thread; null when there is none.
    static LargeImageReuse *current();

    struct Pool;

private:
    friend QImage allocateLargeImage(QSize, QImage::Format);
    friend QImage reusedLargeImage(QSize, QImage::Format);
    std::shared_ptr<Pool> m_pool;
    LargeImageReuse *m_previous;
};

// While one lives, memory the C library's heap gets back (a file's bytes, an encoded output,
// rows and bands below the size of a large picture) stays with the heap for the next file,
// rather than going back to the system and coming again as fresh pages the kernel must fault
// in and clear one by one, file after file. When the last one ends the heap gives back what it
// holds. The threshold at which allocations are mapped on their own is fixed meanwhile, so the
// same buffers come from the heap each time.
//
// Threading: made and ended on any thread; scopes may overlap.
class HeapReuse {
public:
    HeapReuse();
    ~HeapReuse();
    HeapReuse(const HeapReuse &) = delete;
    HeapReuse &operator=(const HeapReuse &) = delete;
};
