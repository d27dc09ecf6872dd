#pragma once

#include <QImage>

// Turns a picture upright while it is decoded, so a full-size picture is held once instead of
// twice: a band of stored rows (count rows from firstRow, each storedWidth pixels in the
// upright picture's format) is written to its upright places in `upright`, which has the upright
// size of a stored picture storedWidth wide and storedHeight high. The same pixels as
// uprightImage() gives for EXIF orientations 1 to 8. Bands of many rows write many adjacent
// pixels of each upright row at a time.
void placeRowsUpright(const uchar *const *rows, int firstRow, int count, int storedWidth, int storedHeight,
                      int orientation, QImage *upright);
