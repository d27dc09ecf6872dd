#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// The application's named pictures ("btnOpen", "tb", "knob"...), drawn from the SVG sources in
// the resources so they stay crisp at any scale. A missing picture leaves only the part it
// would have drawn undrawn: every helper here does nothing, or gives a null result, for it.

bool skinImageExists(const QString &name);
// The picture's own size in pixels (its SVG's width and height); empty when missing.
QSize skinImageSize(const QString &name);
QIcon skinIcon(const QString &name);
QPixmap skinPixmap(const QString &name, QSize size, qreal devicePixelRatio = 1.0);

// The whole picture drawn into a rectangle.
void drawSkinStretched(QPainter &painter, const QRectF &target, const QString &name);
// The rectangle filled with copies of the picture, the first copy's top left at `phase`.
void drawSkinTiled(QPainter &painter, const QRectF &target, const QString &name, QPointF phase = QPointF());

// For tests: pictures to treat as missing.
void setMissingSkinImages(const QStringList &names);
