#pragma once

#include <QImage>

// A picture of the given size and format whose pixels live in memory the kernel may back with
// huge pages. A 24-megapixel picture is 24,000 ordinary pages, each faulted in and cleared on
// first touch; with huge pages that is 48. Small pictures are plain QImages. Null when memory
// ran out. Safe from any thread.
QImage allocateLargeImage(QSize size, QImage::Format format);
