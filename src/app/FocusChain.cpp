#include "FocusChain.h"

#include <QSet>
#include <QWidget>

namespace {

bool takesTabFocus(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy();
}

} // namespace

QList<QWidget *> focusStopsWithin(QWidget *panel)
{
    QList<QWidget *> stops;
    // The focus chain runs through every widget of the window once.
    for (QWidget *widget = panel->nextInFocusChain(); widget && widget != panel;
         widget = widget->nextInFocusChain())
        if (panel->isAncestorOf(widget) && takesTabFocus(widget))
            stops << widget;
    return stops;
}

void chainFocus(const QList<QWidget *> &stops)
{
    QList<QWidget *> order;
    QSet<QWidget *> placed;
    for (QWidget *stop : stops) {
        const QList<QWidget *> parts = takesTabFocus(stop) ? QList<QWidget *> {stop} : focusStopsWithin(stop);
        for (QWidget *part : parts)
            if (!placed.contains(part)) {
                placed.insert(part);
                order << part;
            }
    }
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}
