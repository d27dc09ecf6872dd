#include "transform/Upright.h"

#include "transform/Rotation.h"

bool orientationSwapsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

QSize uprightSize(QSize stored, int orientation)
{
    return orientationSwapsSides(orientation) ? stored.transposed() : stored;
}

QImage uprightImage(const QImage &stored, int orientation)
{
    // Counter-clockwise quarter turns, then whether to mirror left to right.
    struct Steps {
        float degrees;
        bool mirror;
    };
    static const Steps kSteps[9] = {
        {0, false},   // unused
        {0, false},   // 1: upright
        {0, true},    // 2: mirrored left to right
        {180, false}, // 3: upside down
        {180, true},  // 4: mirrored top to bottom
        {270, true},  // 5: transposed
        {270, false}, // 6: turned a quarter counter-clockwise; turn it clockwise
        {90, true},   // 7: transverse
        {90, false},  // 8: turned a quarter clockwise
    };
    if (orientation < 1 || orientation > 8)
        return stored;
    const Steps &s = kSteps[orientation];
    QImage out = rotateImage(stored, s.degrees);
    if (s.mirror)
        out = out.mirrored(true, false);
    return out;
}
