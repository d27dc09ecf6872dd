#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// Apple icon files: the largest entry. PNG entries go through the PNG reader and JPEG 2000
// entries (the 256 px and larger sizes of many icons) through OpenJPEG; when a classic
// run-length entry is larger than both, Qt's icon plugin reads the file.
std::unique_ptr<FormatReader> createIcnsReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts with the icon file's "icns" tag.
bool isIcns(const QByteArray &data);
