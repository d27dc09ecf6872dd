#pragma once

#include <QByteArray>

// The IPTC datasets of a JPEG whose Photoshop resources (its APP13 "Photoshop 3.0" segments) run
// over more than one segment: the segments joined into one stream, as Photoshop splits it where
// a segment is full, and every IPTC resource in it, in order. Empty for a JPEG with one such
// segment or none, which exiv2 reads itself, and for anything libjpeg cannot read the header of.
// exiv2 0.27 stops at the first segments that hold only whole resources and drops the rest.
QByteArray jpegIptcOverSegments(const QByteArray &jpeg);
