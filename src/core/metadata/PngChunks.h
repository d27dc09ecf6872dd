#pragma once

#include <QByteArray>

// Chunks added to a finished PNG, right after its header chunk. Hand-written: exiv2 0.27 writes
// iCCP with an empty profile name, which readers reject, and EXIF only as a legacy text chunk.
// Each returns the PNG unchanged when it is not a well-formed PNG start.

// An iCCP chunk holding the profile.
QByteArray withPngIccProfile(const QByteArray &png, const QByteArray &iccProfile);
// An eXIf chunk holding a TIFF-structured EXIF block ("II*\0..." or "MM\0*...").
QByteArray withPngExif(const QByteArray &png, const QByteArray &exif);
