#pragma once

#include <QImage>

// Pixel formats: which ones the pipeline treats alike, and conversions between them.

bool isGrayFormat(QImage::Format format); // Grayscale8, Grayscale16
bool isDeepFormat(QImage::Format format); // more than 8 bits a channel

// The picture in another format. Qt 6.4 turns RGBA64 into RGBA64_Premultiplied by multiplying
// alpha by itself as well; that one step is done here. Any thread.
QImage convertedTo(const QImage &image, QImage::Format format);

// An opaque colour picture whose every pixel is neutral (red, green and blue equal) as
// Grayscale8 or Grayscale16 by its depth; any other picture as it is. Any thread.
QImage grayIfNeutral(const QImage &image);
