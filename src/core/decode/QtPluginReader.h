#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// Every other format Qt's image plugins read (GIF, WebP, PNM, XPM, classic Apple icons, ...); takes
// any data, so it is tried last. The hint is the file's extension, for formats without a signature.
std::unique_ptr<FormatReader> createQtPluginReader(const QByteArray &data, const QByteArray &formatHint);
