#include "skin/WindowChrome.h"

#include "skin/TitleBar.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#ifdef PRESSMARK_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif
#ifdef PRESSMARK_HAVE_XCB_SHAPE
#include <xcb/shape.h>
#endif

static constexpr int kShadow = 12;
static constexpr int kResizeBorder = 5;
static constexpr qreal kRadius = 8.0;

bool WindowChrome::desktopComposites()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return true;
#ifdef PRESSMARK_HAVE_XCB
    if (platform == QLatin1String("xcb")) {
        // A compositing manager owns the selection _NET_WM_CM_S<screen>.
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return false;
        const QByteArray name = "_NET_WM_CM_S0";
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
        if (!atom)
            return false;
        xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        const bool composited = owner && owner->owner != XCB_NONE;
        free(owner);
        free(atom);
        return composited;
    }
#endif
    return false;
}

WindowChrome::WindowChrome(QWidget *parent)
    : QWidget(parent), m_titleBar(new TitleBar(this)), m_shadow(desktopComposites() ? kShadow : 0)
{
    setMouseTracking(true);
    m_layout = new QVBoxLayout(this);
    // Inside the shadow: the title bar and menus across the whole width.
    m_layout->setContentsMargins(m_shadow + 1, m_shadow + 1, m_shadow + 1, m_shadow + 1);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_titleBar);
}

void WindowChrome::setContent(QWidget *content)
{
    // A thin border round the content stays free for resizing by the edges.
    auto *inset = new QWidget(this);
    inset->setMouseTracking(true); // pointer moves over the border reach the edge cursors
    auto *layout = new QVBoxLayout(inset);
    layout->setContentsMargins(kResizeBorder - 1, 0, kResizeBorder - 1, kResizeBorder - 1);
    layout->addWidget(content);
    m_layout->addWidget(inset, 1);
}

void WindowChrome::addBar(QWidget *bar)
{
    m_layout->insertWidget(1, bar);
}

QRect WindowChrome::frameRect() const
{
    const int s = shadow();
    return rect().adjusted(s, s, -s, -s);
}

void WindowChrome::setFillsScreen(bool fills)
{
    if (fills == m_fills)
        return;
    m_fills = fills;
    const int margin = shadow() + 1;
    m_layout->setContentsMargins(margin, margin, margin, margin);
    updateInputShape();
    update();
}

void WindowChrome::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateInputShape();
}

void WindowChrome::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateInputShape();
}

void WindowChrome::updateInputShape()
{
    QWindow *handle = window()->windowHandle();
    if (!m_shadow || !handle || window() != parentWidget() || !isVisible())
        return;
    const QRect frame = QRect(mapTo(window(), frameRect().topLeft()), frameRect().size());
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) {
        handle->setMask(QRegion(frame)); // Wayland's mask is the input region
        return;
    }
#ifdef PRESSMARK_HAVE_XCB_SHAPE
    if (platform == QLatin1String("xcb")) {
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return;
        const qreal ratio = handle->devicePixelRatio();
        const xcb_rectangle_t rectangle {int16_t(frame.x() * ratio), int16_t(frame.y() * ratio),
                                         uint16_t(frame.width() * ratio), uint16_t(frame.height() * ratio)};
        xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED,
                             xcb_window_t(handle->winId()), 0, 0, 1, &rectangle);
        xcb_flush(connection);
    }
#endif
}

void WindowChrome::setFullScreenLook(bool fullScreen)
{
    for (QToolButton *button : {m_titleBar->closeButton(), m_titleBar->minimizeButton(),
                                m_titleBar->zoomButton(), m_titleBar->fullScreenButton()})
        button->setVisible(!fullScreen);
    m_movable = !fullScreen;
}

void WindowChrome::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = frameRect();
    const int s = shadow();
    // A soft shadow: rings of falling opacity around the frame.
    for (int i = s; i > 0; --i) {
        const qreal t = qreal(s - i + 1) / s;
        painter.setPen(QPen(QColor(0, 0, 0, int(40 * t * t)), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(-i + 0.5, -i + 1.5, i - 0.5, i + 0.5), kRadius + i,
                                kRadius + i);
    }
    QPainterPath outline;
    outline.addRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), s ? kRadius : 0, s ? kRadius : 0);
    painter.fillPath(outline, QColor(0x2b, 0x2d, 0x31));
    painter.setPen(QPen(QColor(0x16, 0x17, 0x1a), 1.0));
    painter.drawPath(outline);
}

Qt::Edges WindowChrome::edgesAt(const QPoint &position) const
{
    // The band lies on the visible edge and inside it, never in the shadow.
    const QRect frame = frameRect();
    if (!frame.contains(position))
        return {};
    Qt::Edges edges;
    if (position.x() < frame.left() + kResizeBorder)
        edges |= Qt::LeftEdge;
    if (position.x() > frame.right() - kResizeBorder)
        edges |= Qt::RightEdge;
    if (position.y() > frame.bottom() - kResizeBorder)
        edges |= Qt::BottomEdge;
    if (position.y() < frame.top() + 2)
        edges |= Qt::TopEdge;
    return edges;
}

void WindowChrome::mouseMoveEvent(QMouseEvent *event)
{
    const Qt::Edges edges = m_movable ? edgesAt(event->position().toPoint()) : Qt::Edges();
    if ((edges & Qt::LeftEdge && edges & Qt::TopEdge) || (edges & Qt::RightEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if ((edges & Qt::RightEdge && edges & Qt::TopEdge) ||
             (edges & Qt::LeftEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void WindowChrome::mousePressEvent(QMouseEvent *event)
{
    // Presses that no control took land here: the background and the title bar.
    if (event->button() != Qt::LeftButton || !m_movable || !window()->windowHandle()) {
        QWidget::mousePressEvent(event);
        return;
    }
    // A press in the shadow (where the system still delivers one) neither moves nor resizes.
    if (!frameRect().contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (edges)
        window()->windowHandle()->startSystemResize(edges);
    else
        window()->windowHandle()->startSystemMove();
    event->accept();
}
