#pragma once

#include <QStyledItemDelegate>

// Draws one cell of the image browser: the picture whole, scaled to fit a square of the zoom's
// side and standing on its bottom edge, so every picture ends at the same height; below it the
// name on one line, shortened in the middle so its end (the number and the extension) stays. The
// selected cell is marked by a frame around its picture and a highlighted name, never by colour
// drawn over the picture, which shows the preview as it will be written. A badge on the picture's
// top right corner, mostly outside it, says what became of the entry: a green tick when the last
// run converted it, a red mark when it failed or its file cannot be read.
// Threading: UI thread only, as every delegate.
class BrowserCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kMargin = 12;    // between the cell's edge and the picture's square
    static constexpr int kCaptionGap = 6; // between the picture's square and the name

    explicit BrowserCellDelegate(QObject *parent = nullptr);

    // The square the picture is fitted into, in a cell of this rectangle.
    static QRect pictureArea(const QRect &cell, int side);
    // Where a picture of this size is drawn in the square: whole, at most the square's size,
    // centred and resting on the square's bottom.
    static QRect pictureRect(const QRect &area, QSize picture);
    static QRect captionRect(const QRect &cell, int side, const QFontMetrics &metrics);
    // The cell's height for a square of this side.
    static int cellHeight(int side, const QFontMetrics &metrics);
    // The badge's circle on a picture drawn in this rectangle, in a square of this side: centred
    // on its top right corner, within the cell's margin.
    static QRect badgeRect(const QRect &picture, int side);
    static const QColor &convertedColor(); // the tick's badge
    static const QColor &failedColor();    // the red mark's badge
    // The name fitted into `width` pixels: whole when it fits, else shortened in the middle,
    // keeping the number that ends the name and its extension ("IMG_…0042.jpg").
    static QString elidedName(const QString &name, const QFontMetrics &metrics, int width);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
