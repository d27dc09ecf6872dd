#include "browser/BrowserCellDelegate.h"

#include "browser/ImageListModel.h"

#include <QListView>
#include <QPainter>
#include <QPainterPath>

BrowserCellDelegate::BrowserCellDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QRect BrowserCellDelegate::pictureArea(const QRect &cell, int side)
{
    return QRect(cell.left() + (cell.width() - side) / 2, cell.top() + kMargin, side, side);
}

QRect BrowserCellDelegate::pictureRect(const QRect &area, QSize picture)
{
    if (picture.isEmpty())
        return QRect();
    // Scaled down to fit, or up to fill: a small picture is shown as large as its neighbours.
    const QSize shown = picture.scaled(area.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return QRect(area.left() + (area.width() - shown.width()) / 2, area.bottom() + 1 - shown.height(),
                 shown.width(), shown.height());
}

QRect BrowserCellDelegate::captionRect(const QRect &cell, int side, const QFontMetrics &metrics)
{
    const QRect area = pictureArea(cell, side);
    return QRect(cell.left() + 4, area.bottom() + 1 + kCaptionGap, cell.width() - 8, metrics.height() + 4);
}

int BrowserCellDelegate::cellHeight(int side, const QFontMetrics &metrics)
{
    return kMargin + side + kCaptionGap + metrics.height() + 4 + kMargin / 2;
}

QSize BrowserCellDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const auto *view = qobject_cast<const QListView *>(option.widget);
    const int side = view ? view->iconSize().width() : option.decorationSize.width();
    const QSize grid = view ? view->gridSize() : QSize();
    return grid.isValid() ? grid : QSize(side + 2 * kMargin, cellHeight(side, option.fontMetrics));
}

void BrowserCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const int side = view ? view->iconSize().width() : option.decorationSize.width();
    const QRect cell = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &palette = option.palette;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);

    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    const QRect area = pictureArea(cell, side);
    const QSize natural = icon.availableSizes().isEmpty() ? icon.actualSize(QSize(4096, 4096))
                                                          : icon.availableSizes().constFirst();
    const QRect picture = pictureRect(area, natural);
    // An entry whose file has gone is shown faded, its name marked.
    const bool missing = index.data(ImageListModel::MissingRole).toBool();
    if (!picture.isEmpty()) {
        if (missing)
            painter->setOpacity(0.3);
        if (selected) {
            // The mark lies around the picture, outside it.
            QPainterPath frame;
            frame.addRoundedRect(QRectF(picture).adjusted(-4.5, -4.5, 4.5, 4.5), 5, 5);
            painter->setPen(QPen(palette.color(QPalette::Highlight), 3));
            painter->setBrush(Qt::NoBrush);
            painter->drawPath(frame);
        }
        const qreal ratio = painter->device()->devicePixelRatioF();
        const QPixmap pixmap = icon.pixmap(picture.size(), ratio, QIcon::Normal);
        painter->drawPixmap(picture, pixmap);
        painter->setOpacity(1.0);
    }

    const QRect caption = captionRect(cell, side, option.fontMetrics);
    const QString title = index.data(Qt::DisplayRole).toString();
    const QString name = option.fontMetrics.elidedText(missing ? tr("%1 (missing)").arg(title) : title,
                                                       Qt::ElideMiddle, caption.width() - 12);
    if (selected) {
        const int width = option.fontMetrics.horizontalAdvance(name) + 12;
        const QRect pill(caption.left() + (caption.width() - width) / 2, caption.top(), width,
                         caption.height());
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette.color(QPalette::Highlight));
        painter->drawRoundedRect(pill, caption.height() / 2.0, caption.height() / 2.0);
    }
    painter->setPen(selected  ? palette.color(QPalette::HighlightedText)
                    : missing ? QColor(0xff, 0x8a, 0x80)
                              : palette.color(QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, name);
    painter->restore();
}
