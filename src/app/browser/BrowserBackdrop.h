#pragma once

#include <QWidget>

// The backdrop behind the image browser: the "Bg" tile, a one-pixel dark line along its right
// edge, and the "DragAndDropText" picture a little left of and below the centre while the text
// is not hidden. A click on it does not move the window.
class BrowserBackdrop : public QWidget {
    Q_OBJECT
public:
    explicit BrowserBackdrop(QWidget *parent = nullptr);

    void setHideText(bool hide);
    // Where the drop picture's top left goes in a backdrop of this size (widget coordinates).
    static QPoint dropPicturePosition(QSize backdrop, QSize picture);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_hideText = false;
};
