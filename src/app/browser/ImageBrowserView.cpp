#include "browser/ImageBrowserView.h"

#include "batch/InputFiles.h"
#include "browser/BrowserCellDelegate.h"
#include "browser/ImageListModel.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QStyleOption>
#include <QUrl>

ImageBrowserView::ImageBrowserView(ImageListModel *list, QWidget *parent) : QListView(parent), m_list(list)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Snap);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    // Every cell has the same size and draws its picture whole inside it.
    setItemDelegate(new BrowserCellDelegate(this));
    setUniformItemSizes(true);
    setWordWrap(false);
    setSpacing(0);
    // The window's backdrop shows through.
    QPalette clear = palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    clear.setColor(QPalette::Text, QColor(0xdd, 0xdf, 0xe3)); // titles on the dark backdrop
    setPalette(clear);
    viewport()->setAutoFillBackground(false);
    setFrameShape(QFrame::NoFrame);
    setZoom(0.5);
}

void ImageBrowserView::setZoom(double zoom)
{
    const int side = int(64 + qBound(0.0, zoom, 1.0) * (256 - 64));
    setIconSize(QSize(side, side));
    updateGrid();
}

void ImageBrowserView::updateGrid()
{
    // As many columns as fit, the spare width spread evenly between them.
    const int side = iconSize().width();
    const int narrowest = side + 2 * BrowserCellDelegate::kMargin;
    // The width the view lays its rows out in: it keeps room for a scroll bar that may come.
    int room = maximumViewportSize().width();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded) {
        room -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
        if (style()->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, this)) {
            QStyleOption option;
            option.initFrom(this);
            room -= 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
        }
    }
    const int columns = std::max(1, (room - 1) / narrowest);
    const int width = std::max(narrowest, (room - 1) / columns); // a row that fills it exactly wraps
    const QSize grid(width, BrowserCellDelegate::cellHeight(side, fontMetrics()));
    if (grid != gridSize())
        setGridSize(grid);
}

void ImageBrowserView::resizeEvent(QResizeEvent *event)
{
    updateGrid();
    QListView::resizeEvent(event);
}

QList<int> ImageBrowserView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ImageBrowserView::setCurrentRowInPlace(int row)
{
    // A new current cell is scrolled to, unless auto-scrolling is off.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    setCurrentIndex(model()->index(row, 0));
    setAutoScroll(scrolls);
}

void ImageBrowserView::showRow(int row)
{
    const int last = model()->rowCount() - 1;
    if (row < 0 || row > last)
        return;
    scrollTo(model()->index(last, 0), QAbstractItemView::EnsureVisible);
    scrollTo(model()->index(row, 0), QAbstractItemView::EnsureVisible);
}

int ImageBrowserView::dropRow(const QPoint &position) const
{
    const QModelIndex at = indexAt(position);
    if (!at.isValid())
        return m_list->rowCount();
    // Before the cell when dropped on its left half, after it on its right half.
    const QRect cell = visualRect(at);
    return position.x() < cell.center().x() ? at.row() : at.row() + 1;
}

void ImageBrowserView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() == this || event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void ImageBrowserView::dragMoveEvent(QDragMoveEvent *event)
{
    QListView::dragMoveEvent(event);
    if (event->source() == this || event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void ImageBrowserView::dropEvent(QDropEvent *event)
{
    performDrop(event->mimeData(), event->position().toPoint(), event->source() == this);
    event->setDropAction(Qt::CopyAction); // the view must not remove anything itself
    event->accept();
}

void ImageBrowserView::performDrop(const QMimeData *data, const QPoint &position, bool fromThisView)
{
    const int row = dropRow(position);
    if (fromThisView) {
        m_list->moveEntries(selectedRows(), row);
        return;
    }
    m_list->insertDropped(localFilesFromUriList(data->data(QStringLiteral("text/uri-list"))), row);
}

void ImageBrowserView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace) {
        m_list->removeEntries(selectedRows());
        return;
    }
    QListView::keyPressEvent(event);
}
