#include "skin/FocusRing.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool takesText(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget);
}

bool fromKeyboard(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

} // namespace

// Sees every focus change and every move of a control or its ancestors for the rings.
class FocusRingWatcher : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (auto *widget = qobject_cast<QWidget *>(watched))
                focusArrived(widget, static_cast<QFocusEvent *>(event)->reason());
            break;
        case QEvent::FocusOut:
            if (auto *widget = qobject_cast<QWidget *>(watched); widget && widget->window())
                if (FocusRing *ring = FocusRing::of(widget->window()); ring && ring->m_target == widget)
                    ring->follow(nullptr);
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            if (auto *widget = qobject_cast<QWidget *>(watched); widget && !widget->isWindow())
                if (FocusRing *ring = FocusRing::of(widget->window());
                    ring && ring->m_target &&
                    (widget == ring->m_target || widget->isAncestorOf(ring->m_target)))
                    ring->place();
            break;
        default:
            break;
        }
        return false;
    }

private:
    static void focusArrived(QWidget *widget, Qt::FocusReason reason)
    {
        QWidget *window = widget->window();
        if (!window || window == widget || (window->windowFlags() & Qt::Popup) == Qt::Popup)
            return; // a menu or a popup's list shows its own current entry
        FocusRing *ring = FocusRing::of(window);
        const bool shows = fromKeyboard(reason) || takesText(widget);
        if (!ring && !shows)
            return;
        if (!ring)
            ring = new FocusRing(window);
        // A focus that comes back with the window (its activation) keeps the ring as it was.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return ring->m_target ? ring->follow(widget) : void();
        ring->follow(shows ? widget : nullptr);
    }
};

void FocusRing::install()
{
    static FocusRingWatcher *watcher = nullptr;
    if (watcher || !qApp)
        return;
    watcher = new FocusRingWatcher(qApp);
    qApp->installEventFilter(watcher);
}

FocusRing *FocusRing::of(const QWidget *window)
{
    return window ? window->findChild<FocusRing *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

FocusRing::FocusRing(QWidget *window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::follow(QWidget *control)
{
    m_target = control;
    place();
}

void FocusRing::place()
{
    if (!m_target || !m_target->isVisible() || !m_target->isEnabled()) {
        hide();
        return;
    }
    QWidget *window = parentWidget();
    const QVariant own = m_target->property("focusRingRect");
    const QRect frame = own.canConvert<QRect>() ? own.toRect() : m_target->rect();
    const int reach = kMargin + kWidth;
    QRect ring(m_target->mapTo(window, frame.topLeft()), frame.size());
    ring.adjust(-reach, -reach, reach, reach);
    // Only as far as the control's ancestors let it show, the ring then drawn inside that.
    for (QWidget *ancestor = m_target->parentWidget(); ancestor && ancestor != window;
         ancestor = ancestor->parentWidget())
        ring &= QRect(ancestor->mapTo(window, QPoint(0, 0)), ancestor->size());
    ring &= window->rect();
    if (ring.width() <= 2 * kWidth || ring.height() <= 2 * kWidth) {
        hide();
        return;
    }
    setGeometry(ring);
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = palette().color(QPalette::Active, QPalette::Highlight);
    const qreal half = kWidth / 2.0;
    const QRectF line = QRectF(rect()).adjusted(half, half, -half, -half);
    painter.setPen(QPen(colour, kWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(line, 4, 4);
    // A faint second line inside it keeps it clear on dark and light panels alike.
    QColor halo = colour;
    halo.setAlpha(70);
    painter.setPen(QPen(halo, 1));
    painter.drawRoundedRect(line.adjusted(kWidth, kWidth, -kWidth, -kWidth), 3, 3);
}
