#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// Windows icon and cursor files: the largest entry (then the deepest, then the first), sized by
// the entry's own header rather than the directory's bytes. Bitmap entries through the BMP
// pixel decoding with their mask as transparency, PNG entries through the PNG reader.
std::unique_ptr<FormatReader> createIcoReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts with an icon or cursor directory whose first entry looks like a
// bitmap or a PNG.
bool isIco(const QByteArray &data);
