#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// Photoshop PSD and PSB: the saved composite image.
// The hint is the file's extension, for formats without a signature.
std::unique_ptr<FormatReader> createPsdReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts like a PSD or PSB file.
bool isPhotoshop(const QByteArray &data);
