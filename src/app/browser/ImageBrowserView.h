#pragma once

#include <QListView>

class ImageListModel;
class QMimeData;

// The image browser: thumbnails in a grid. Files dropped from a file manager enter the list
// at the gap they are dropped on; cells dragged within it move there; Delete removes the
// selection.
class ImageBrowserView : public QListView {
    Q_OBJECT
public:
    ImageBrowserView(ImageListModel *list, QWidget *parent = nullptr);

    // Zoom 0.0 to 1.0: the smallest to the largest thumbnails.
    void setZoom(double zoom);
    QList<int> selectedRows() const;
    // Makes the row current (and selected) without scrolling: the grid stays where it is.
    void setCurrentRowInPlace(int row);
    // Scrolls as little as shows this row and as many rows after it as fit (entries just added
    // at the end).
    void showRow(int row);
    // A drop at a viewport position: the selection moves there when the drag came from this
    // view, files are inserted there otherwise.
    void performDrop(const QMimeData *data, const QPoint &position, bool fromThisView);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateGrid();
    int dropRow(const QPoint &position) const;

    ImageListModel *m_list;
};
