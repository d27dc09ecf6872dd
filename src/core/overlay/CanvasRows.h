#pragma once

#include <QtGlobal>

#include <functional>

// The rows of a three-byte (RGB888) canvas, wherever they are held: row(y) for each row the
// caller holds, width × 3 bytes.
struct CanvasRows {
    int width = 0;
    int height = 0;
    std::function<uchar *(int y)> row;
};
