#include "metadata/CicpProfile.h"

#include "common/LcmsHandles.h"

#include <QCoreApplication>

namespace {

struct Primaries {
    int code;
    const char *name;
    cmsCIExyYTRIPLE xy;
    cmsCIExyY white;
};

constexpr cmsCIExyY kD65 {0.3127, 0.3290, 1.0};

// H.273's table of colour primaries, the entries photographs use.
const Primaries kPrimaries[] = {
    {1, "BT.709", {{0.640, 0.330, 1.0}, {0.300, 0.600, 1.0}, {0.150, 0.060, 1.0}}, kD65},
    {5, "BT.601 (625 lines)", {{0.640, 0.330, 1.0}, {0.290, 0.600, 1.0}, {0.150, 0.060, 1.0}}, kD65},
    {6, "BT.601 (525 lines)", {{0.630, 0.340, 1.0}, {0.310, 0.595, 1.0}, {0.155, 0.070, 1.0}}, kD65},
    {9, "BT.2020", {{0.708, 0.292, 1.0}, {0.170, 0.797, 1.0}, {0.131, 0.046, 1.0}}, kD65},
    {11, "DCI-P3", {{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}}, {0.314, 0.351, 1.0}},
    {12, "Display P3", {{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}}, kD65},
};

// The transfer's tone curve as LittleCMS's parametric type 4 (or a plain power); null when it
// has none.
cmsToneCurve *toneCurve(int transfer, const char **name)
{
    switch (transfer) {
    case 2: // unspecified, taken as sRGB
    case 13: {
        *name = "sRGB";
        const cmsFloat64Number p[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
        return cmsBuildParametricToneCurve(nullptr, 4, p);
    }
    case 1:
    case 6:
    case 14:
    case 15: {
        *name = "BT.709";
        const cmsFloat64Number p[5] = {1.0 / 0.45, 1.0 / 1.099, 0.099 / 1.099, 1.0 / 4.5, 0.081};
        return cmsBuildParametricToneCurve(nullptr, 4, p);
    }
    case 4:
        *name = "gamma 2.2";
        return cmsBuildGamma(nullptr, 2.2);
    case 5:
        *name = "gamma 2.8";
        return cmsBuildGamma(nullptr, 2.8);
    case 8:
        *name = "linear";
        return cmsBuildGamma(nullptr, 1.0);
    default:
        return nullptr;
    }
}

} // namespace

QByteArray profileForCicp(int primaries, int transfer, QString *unsupported)
{
    const bool srgbPrimaries = primaries == 1 || primaries == 2;
    if (srgbPrimaries && (transfer == 13 || transfer == 2))
        return QByteArray();
    const Primaries *table = nullptr;
    for (const Primaries &p : kPrimaries)
        if (p.code == (primaries == 2 ? 1 : primaries))
            table = &p;
    const char *curveName = nullptr;
    cmsToneCurve *curve = toneCurve(transfer, &curveName);
    if (!table || !curve) {
        if (curve)
            cmsFreeToneCurve(curve);
        if (unsupported)
            *unsupported =
                transfer == 16 || transfer == 18
                    ? QCoreApplication::translate(
                          "CicpProfile", "its high dynamic range transfer (%1) has no colour profile here")
                          .arg(transfer == 16 ? QStringLiteral("PQ") : QStringLiteral("HLG"))
                    : QCoreApplication::translate(
                          "CicpProfile",
                          "its colours (primaries %1, transfer %2) have no colour profile here")
                          .arg(primaries)
                          .arg(transfer);
        return QByteArray();
    }
    cmsToneCurve *curves[3] = {curve, curve, curve};
    LcmsProfile profile(cmsCreateRGBProfile(&table->white, &table->xy, curves));
    cmsFreeToneCurve(curve);
    if (!profile)
        return QByteArray();
    cmsMLU *text = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(text, "en", "US",
                   QStringLiteral("%1 primaries, %2 tone curve").arg(table->name, curveName).toLatin1());
    cmsWriteTag(profile.get(), cmsSigProfileDescriptionTag, text);
    cmsMLUfree(text);
    cmsSetProfileVersion(profile.get(), 2.1); // written as version 2, which every reader takes
    cmsUInt32Number size = 0;
    if (!cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0)
        return QByteArray();
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (!cmsSaveProfileToMem(profile.get(), bytes.data(), &size))
        return QByteArray();
    return bytes;
}
