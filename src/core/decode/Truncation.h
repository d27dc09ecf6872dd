#pragma once

#include <QByteArray>

// Whether a file stops before its format says it ends, for the formats read through Qt's
// plugins, which decode what is there without a word: a GIF whose blocks run past the end (a
// missing trailer alone is forgiven, as browsers do); a TIFF whose strips, tiles or pages lie
// past the end. A file damaged in some other way is left to the decoder.
bool gifIsTruncated(const QByteArray &data);
bool tiffIsTruncated(const QByteArray &data);
