#pragma once

#include "options/ConversionOptions.h"

#include <QDialog>

#include <functional>
#include <memory>

class ImageListModel;
class OverlayWarning;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;

// A large preview of one entry as it will be written (previewFile(): resized, with every
// overlay, its pixels as the output format holds them): fitted to the window, or at 100 %, one
// output pixel to one device pixel, with panning by dragging; a before/after toggle shows the
// picture without the overlays. The caption names the output file as the naming options give
// it, its size in pixels and the scale; a line under the picture warns of overlays that hardly
// stand out. The arrow keys step through the list whatever child has the focus but a text
// field (the window's selection follows), Escape closes. Pictures are rendered off the UI
// thread, as the cell preview is.
// Threading: UI thread; rendering through BackgroundWork, lent one more core
// (SpareCores) for a large picture.
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
    // "IMG_0042.jpg — 1500 × 1000 px — Fit"
    QString caption() const;

Q_SIGNALS:
    void rowShown(int row);
    void rendered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step(int by);
    void render();
    void place();
    void updateCaption();
    // The room a fitted picture has, in device pixels: the scroll area without scroll bars, so
    // a fit comes out the same whether they show at the moment or not.
    QSize room() const;

    ImageListModel *m_list;
    std::function<ConversionOptions()> m_options;
    int m_row = -1;
    bool m_actualSize = false;
    bool m_before = false;
    QImage m_shown;
    QString m_outputName; // the output's file name, as the naming options give it
    QSize m_outputSize;   // the output's size in pixels; invalid until rendered
    QString m_failure;    // why the entry cannot be shown, when it cannot
    QScrollArea *m_scroll;
    QLabel *m_picture;
    QLabel *m_caption;
    OverlayWarning *m_warning;
    QPushButton *m_fitButton;
    QPushButton *m_beforeButton;
    QPoint m_dragFrom;
    QTimer *m_rerender;
    std::shared_ptr<quint64> m_generation = std::make_shared<quint64>(0);
};
