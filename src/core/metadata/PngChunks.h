#pragma once

#include <QByteArray>
#include <QStringList>

// Chunks added to a finished PNG, right after its header chunk. Hand-written: exiv2 0.27 writes
// iCCP with an empty profile name, which readers reject, and EXIF only as a legacy text chunk.
// Each returns the PNG unchanged when it is not a well-formed PNG start.

// An iCCP chunk holding the profile.
QByteArray withPngIccProfile(const QByteArray &png, const QByteArray &iccProfile);
// An eXIf chunk holding a TIFF-structured EXIF block ("II*\0..." or "MM\0*...").
QByteArray withPngExif(const QByteArray &png, const QByteArray &exif);

// The PNG as exiv2 is to read its metadata. exiv2 0.27 gives up on the whole file when a
// compressed text chunk unpacks past 128 KiB or is damaged, and unpacks a profile into doubling
// buffers: here each zTXt and compressed iTXt is stored unpacked instead, and a compressed chunk
// (those and iCCP) that is damaged, or that would take the file's unpacked metadata past 16 MiB,
// is taken out, with a line in `leftOut` saying so. Nothing is unpacked past that limit. The
// PNG comes back as it was when nothing is to change (or it is not a PNG), else without its
// pixel chunks. Hand-written: nothing packaged bounds what exiv2 unpacks.
QByteArray pngMetadataForReading(const QByteArray &png, QStringList *leftOut);
