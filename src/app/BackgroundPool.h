#pragma once

class QThreadPool;

// The threads that read metadata, make thumbnails and previews and drive conversions. Kept
// apart from Qt's global pool, which Qt's own painting and scaling borrow on the UI thread:
// long decodes there would make every repaint wait for a free thread.
QThreadPool *backgroundPool();
