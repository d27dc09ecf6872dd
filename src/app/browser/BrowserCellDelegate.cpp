#include "browser/BrowserCellDelegate.h"

#include "browser/BrowserModel.h"
#include "browser/ImageListModel.h"

#include <QListView>
#include <QPainter>
#include <QPainterPath>

namespace {

// A filled circle with a white rim and a white glyph: a tick, or an exclamation mark.
void drawBadge(QPainter *painter, const QRect &badge, BrowserModel::Badge kind)
{
    if (kind == BrowserModel::Badge::None)
        return;
    const bool converted = kind == BrowserModel::Badge::Converted;
    const QRectF circle = QRectF(badge).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal r = circle.width() / 2;
    const QPointF c = circle.center();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(255, 255, 255, 230), 1.5));
    painter->setBrush(converted ? BrowserCellDelegate::convertedColor() : BrowserCellDelegate::failedColor());
    painter->drawEllipse(circle);
    QPen glyph(Qt::white, qMax(1.5, r * 0.22), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter->setPen(glyph);
    painter->setBrush(Qt::NoBrush);
    if (converted) {
        const QPointF tick[] = {c + QPointF(-0.45 * r, -0.02 * r), c + QPointF(-0.12 * r, 0.3 * r),
                                c + QPointF(0.45 * r, -0.35 * r)};
        painter->drawPolyline(tick, 3);
    } else {
        painter->drawLine(c + QPointF(0, -0.52 * r), c + QPointF(0, 0.1 * r));
        painter->setPen(Qt::NoPen);
        painter->setBrush(Qt::white);
        painter->drawEllipse(c + QPointF(0, 0.42 * r), glyph.widthF() * 0.6, glyph.widthF() * 0.6);
    }
    painter->restore();
}

} // namespace

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

QRect BrowserCellDelegate::badgeRect(const QRect &picture, int side)
{
    // Centred on the picture's corner: three quarters of it lie in the cell's margin, so it
    // hides no more of the preview than the corner's last few pixels, where no overlay reaches.
    const int diameter = qBound(14, side / 7, 2 * kMargin - 2);
    const QPoint corner(picture.right() + 1, picture.top());
    return QRect(corner.x() - diameter / 2, corner.y() - diameter / 2, diameter, diameter);
}

const QColor &BrowserCellDelegate::convertedColor()
{
    static const QColor green(0x2e, 0xa0, 0x43);
    return green;
}

const QColor &BrowserCellDelegate::failedColor()
{
    static const QColor red(0xd9, 0x30, 0x25);
    return red;
}

QString BrowserCellDelegate::elidedName(const QString &name, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    // The end kept whole: the extension and the digits just before it ("0042.jpg").
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    int tailStart = dot > 0 ? dot : int(name.size());
    while (tailStart > 0 && name.at(tailStart - 1).isDigit())
        --tailStart;
    const QString tail = name.mid(tailStart);
    const int room = width - metrics.horizontalAdvance(tail);
    if (tailStart == 0 || tail.isEmpty())
        return metrics.elidedText(name, Qt::ElideMiddle, width);
    // Too narrow for the whole end: as much of it as fits, its last digits first.
    if (room < metrics.horizontalAdvance(QChar(0x2026)))
        return metrics.elidedText(name, Qt::ElideLeft, width);
    return metrics.elidedText(name.left(tailStart), Qt::ElideRight, room) + tail;
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
        drawBadge(painter, badgeRect(picture, side),
                  BrowserModel::Badge(index.data(BrowserModel::BadgeRole).toInt()));
    }

    const QRect caption = captionRect(cell, side, option.fontMetrics);
    const QString title = index.data(Qt::DisplayRole).toString();
    const int room = caption.width() - 12;
    QString name = elidedName(title, option.fontMetrics, room);
    if (missing) {
        // The name first: the note goes after it while half the room is left for the name (the
        // name's colour says it otherwise).
        const QString note = tr(" (missing)");
        const int noteWidth = option.fontMetrics.horizontalAdvance(note);
        if (room - noteWidth >= room / 2)
            name = elidedName(title, option.fontMetrics, room - noteWidth) + note;
    }
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
