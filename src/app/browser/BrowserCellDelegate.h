#pragma once

#include <QStyledItemDelegate>

// Draws one cell of the image browser: the picture whole, scaled to fit a square of the zoom's
// side and standing on its bottom edge, so every picture ends at the same height; below it the
// name on one elided line. The selected cell is marked by a frame around its picture and a
// highlighted name, never by colour drawn over the picture, which shows the preview as it will
// be written.
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

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
