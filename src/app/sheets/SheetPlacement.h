#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a sheet hangs from its window: centred horizontally (each half cut to whole pixels
// before the subtraction), its top 24 pixels below the top of the window's visible frame.
QPoint sheetOffset(QSize window, QSize sheet);

// Moves a dialog to its sheet position on the window whose visible frame (in global
// coordinates) is `frame`.
void placeSheet(QWidget *sheet, const QRect &frame);
