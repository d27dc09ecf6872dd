#pragma once

#include <QByteArray>

// Adds an iCCP chunk holding the profile right after a PNG's header chunk. Hand-written
// because exiv2 0.27 writes iCCP with an empty profile name, which readers reject.
// Returns the PNG unchanged when it is not a well-formed PNG start.
QByteArray withPngIccProfile(const QByteArray &png, const QByteArray &iccProfile);
