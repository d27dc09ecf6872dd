#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>

#include <optional>

// Colours and pictures as settings files hold them: bytes that give back the same value.

// "#AARRGGBB", or "rgba64:r,g,b,a" for colours finer than 8 bits a channel.
QByteArray encodeColor(const QColor &color);
// Only the forms above (and "#RRGGBB"): a colour name would depend on the Qt version.
std::optional<QColor> decodeColor(const QByteArray &data);

// A picture as PNG bytes.
QByteArray encodePicture(const QImage &picture);
