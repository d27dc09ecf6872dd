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
// passed over) and reads its bounding box comment. A failure for anything else.
Result<EpsSource> splitEps(const QByteArray &data);
