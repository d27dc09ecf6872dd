#pragma once

#include "common/Failure.h"

#include <QImage>

// The picture in GIF's terms: at most 256 colours, an adaptive palette with dithering
// (libimagequant), and one fully transparent entry standing for every pixel under half opacity;
// the other pixels are made opaque in their own colour. An Indexed8 picture whose colour table
// is the palette. Any QImage format is taken. Any thread.
Result<QImage> gifPalettePicture(const QImage &image);

// True for an Indexed8 picture GIF holds as it is: at most 256 entries, each opaque or fully
// transparent, at most one of them transparent.
bool isGifPalettePicture(const QImage &image);
