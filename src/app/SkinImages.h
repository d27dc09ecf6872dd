#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The application's named pictures ("btnOpen", "Copyright1_on", "done"...), drawn from the SVG
// sources in the resources so they stay crisp at any scale. A missing name gives a null icon.
QIcon skinIcon(const QString &name);
QPixmap skinPixmap(const QString &name, QSize size, qreal devicePixelRatio = 1.0);
