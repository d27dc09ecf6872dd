#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QRectF>
#include <QString>

// The PostScript of an EPS file and its bounding box, in points.
struct EpsSource {
    QByteArray postscript;
    QRectF boundingBox; // empty when the file states none
};

// Takes the PostScript section out of a plain or DOS-binary EPS (whose TIFF or WMF preview is
// passed over) and reads its bounding box comment: the header's, or the trailer's (the last in
// the file) when the header's says "(atend)". A failure for anything else.
Result<EpsSource> splitEps(const QByteArray &data);

// Where a DOS-binary EPS's PostScript section ends. Some writers state a length that stops
// short of the section's last lines (its trailer): a section that stops in the middle of a line
// runs on over the bytes no preview claims, up to the next preview or the end of the file.
qsizetype dosPostScriptEnd(const QByteArray &data, quint32 offset, quint32 length);
