#pragma once

#include <QWidget>

#include <functional>

class EmbossedLabel;
class QToolButton;

// The window's own title bar: the "tb" strip between the corner pieces "ltb" and "rtb", the
// close, minimize and zoom buttons, the full-screen button and the title. Pointing anywhere in
// the buttons' strip (4, 4; 58 x 14) shows their hover pictures; leaving it shows the normal
// ones, or "btn_activeoff" on all three while the application is in the background. After
// each button's action the normal pictures come back.
class TitleBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 20;

    explicit TitleBar(QWidget *parent = nullptr);

    QToolButton *closeButton() const { return m_close; }
    QToolButton *minimizeButton() const { return m_minimize; }
    QToolButton *zoomButton() const { return m_zoom; }
    QToolButton *fullScreenButton() const { return m_fullScreen; }
    void setTitle(const QString &title);
    // The picture a button shows ("btn_close", "btn_closeHover", "btn_activeoff"...).
    static QString buttonImage(const QToolButton *button);
    // The strip in which the pointer shows the hover pictures.
    QRect trackingRect() const;

    void mouseEntered();
    void mouseExited();
    // The application came to the front: the buttons show their colours again at once, not
    // only once the pointer has passed over them.
    void applicationActivated();
    // For tests: whether the application counts as active.
    void setActiveQuery(std::function<bool()> isActive) { m_isActive = std::move(isActive); }

Q_SIGNALS:
    void closeRequested();
    void minimizeRequested();
    void zoomRequested();
    void fullScreenRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setPictures(const QString &close, const QString &minimize, const QString &zoom);
    void setNormalPictures();
    void trackPointer(const QPoint &position);

    QToolButton *m_close;
    QToolButton *m_minimize;
    QToolButton *m_zoom;
    QToolButton *m_fullScreen;
    QWidget *m_leftCorner;
    QWidget *m_rightCorner;
    EmbossedLabel *m_title;
    bool m_inside = false;
    std::function<bool()> m_isActive;
};
