#pragma once

#include <QByteArray>
#include <QString>

// An ICC profile for colours described by code points (ITU-T H.273: colour primaries and
// transfer characteristics, as HEIF and AVIF files state them in an nclx box), made by LittleCMS.
// Empty for sRGB and what is unspecified (taken as sRGB); empty with `unsupported` set when the
// colours have no such profile (PQ and HLG, primaries without a table here). Any thread.
QByteArray profileForCicp(int primaries, int transfer, QString *unsupported);
