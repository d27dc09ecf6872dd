#pragma once

#include <QWidget>

class TitleBar;
class QVBoxLayout;

// The frame of the window without a system title bar: a drawn title bar above the content,
// a soft shadow around it where the desktop composites windows, dragging by the background to
// move (QWindow::startSystemMove, so Wayland works too) and by the edges to resize. In full
// screen the title bar's buttons hide and the background no longer moves the window.
class WindowChrome : public QWidget {
    Q_OBJECT
public:
    explicit WindowChrome(QWidget *parent = nullptr);

    TitleBar *titleBar() const { return m_titleBar; }
    void setContent(QWidget *content);
    void addBar(QWidget *bar); // between the title bar and the content (the menu bar)

    // The visible window, without the shadow, in this widget's coordinates.
    QRect frameRect() const;
    // Whether the desktop draws translucent windows (then the shadow is drawn).
    static bool desktopComposites();
    bool movableByBackground() const { return m_movable; }
    // Full screen: buttons hidden, no moving by the background; and back.
    void setFullScreenLook(bool fullScreen);
    // Maximised or full screen: the window fills the screen square, without shadow, margin or
    // rounded corners; and back.
    void setFillsScreen(bool fills);
    bool fillsScreen() const { return m_fills; }

    // Where the window takes the pointer: the visible frame; the shadow lets clicks through to
    // the windows below (the X shape extension's input region, Wayland's input region).
    QRegion inputRegion() const { return QRegion(frameRect()); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    Qt::Edges edgesAt(const QPoint &position) const;
    void updateInputShape();

    TitleBar *m_titleBar;
    QVBoxLayout *m_layout;
    int shadow() const { return m_fills ? 0 : m_shadow; }

    int m_shadow;
    bool m_fills = false;
    bool m_movable = true;
};
