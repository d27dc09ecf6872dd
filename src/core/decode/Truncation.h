#pragma once

#include <QByteArray>

// Whether a file stops before its format says it ends, for the formats read through Qt's
// plugins, which decode what is there without a word: a GIF whose blocks run past the end (a
// missing trailer alone is forgiven, as browsers do); a TIFF whose strips, tiles or pages lie
// past the end (a page chain that loops back ends at the loop, as libtiff reads it). A file
// damaged in some other way is left to the decoder.
bool gifIsTruncated(const QByteArray &data);
bool tiffIsTruncated(const QByteArray &data);
// Ghostscript renders what a cut EPS still holds without an error. A DOS-binary EPS whose
// sections run past the end is cut (a PostScript section stated short of its last lines runs on,
// as dosPostScriptEnd() says); so is an EPS that declares itself one ("%!PS-Adobe-N EPSF")
// and stops in the middle of a line with no "%%EOF" (which every EPS writer ends with). A
// hand-written file without "%%EOF" that ends with its last line is taken as whole.
bool epsIsTruncated(const QByteArray &data);
