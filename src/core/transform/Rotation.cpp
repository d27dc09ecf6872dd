#include "transform/Rotation.h"

#include <QTransform>

QImage rotateImage(const QImage &image, float degrees)
{
    if (!(degrees > 0.0f && degrees < 360.0f))
        return image;
    int quarterTurns = 0;
    if (degrees == 90.0f)
        quarterTurns = 1;
    else if (degrees == 180.0f)
        quarterTurns = 2;
    else if (degrees == 270.0f)
        quarterTurns = 3;
    else
        return image;
    // QTransform turns clockwise on screen for positive angles; Qt maps quarter turns to its
    // exact pixel rotation routines.
    return image.transformed(QTransform().rotate(-90.0 * quarterTurns));
}
