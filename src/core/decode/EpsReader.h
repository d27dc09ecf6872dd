#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// EPS, rendered by Ghostscript in a separate process.
std::unique_ptr<FormatReader> createEpsReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts like PostScript or a DOS-binary EPS.
bool isEps(const QByteArray &data);

// How long Ghostscript may render one file before it is stopped; 30 s unless changed.
void setGhostscriptTimeLimit(int milliseconds);
