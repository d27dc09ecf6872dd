#pragma once

#include "options/ConversionOptions.h"

#include <QDialog>

#include <functional>
#include <memory>

class ImageListModel;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;

// A large preview of one entry with every overlay, as it will be written (without resizing):
// fitted to the window, or at 100 % with panning by dragging; a before/after toggle shows the
// picture without the overlays. The arrow keys step through the list (the window's selection
// follows), Escape closes. Pictures are rendered off the UI thread, as the cell preview is.
// Threading: UI thread; rendering through BackgroundWork.
class LargePreview : public QDialog {
    Q_OBJECT
public:
    LargePreview(ImageListModel *list, std::function<ConversionOptions()> options, QWidget *parent);

    void showRow(int row);
    int row() const { return m_row; }
    bool actualSize() const { return m_actualSize; }
    bool before() const { return m_before; }
    void setActualSize(bool actualSize);
    void setBefore(bool before);
    // The picture shown; null until rendered.
    QImage shownImage() const { return m_shown; }

Q_SIGNALS:
    void rowShown(int row);
    void rendered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void render();
    void place();

    ImageListModel *m_list;
    std::function<ConversionOptions()> m_options;
    int m_row = -1;
    bool m_actualSize = false;
    bool m_before = false;
    QImage m_shown;
    QScrollArea *m_scroll;
    QLabel *m_picture;
    QLabel *m_caption;
    QPushButton *m_fitButton;
    QPushButton *m_beforeButton;
    QPoint m_dragFrom;
    QTimer *m_rerender;
    std::shared_ptr<quint64> m_generation = std::make_shared<quint64>(0);
};
