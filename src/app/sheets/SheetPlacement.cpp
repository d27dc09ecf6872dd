#include "sheets/SheetPlacement.h"

#include <QWidget>

QPoint sheetOffset(QSize window, QSize sheet)
{
    const int x = int(window.width() * 0.5) - int(sheet.width() * 0.5);
    return QPoint(x, 24);
}

void placeSheet(QWidget *sheet, const QRect &frame)
{
    sheet->adjustSize();
    sheet->move(frame.topLeft() + sheetOffset(frame.size(), sheet->size()));
}
