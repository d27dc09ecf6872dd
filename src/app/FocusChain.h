#pragma once

#include <QList>

class QWidget;

// Sets the Tab order to follow `stops` in turn. A stop that takes the focus itself is one step;
// a stop that does not (a panel) stands for the controls inside it that take the focus, in the
// order they have among themselves. A control already placed is not placed again, so a panel
// after its own parts brings only the rest of them. Hidden and disabled controls keep their
// place and are passed over by Tab while they cannot take the focus.
void chainFocus(const QList<QWidget *> &stops);

// The controls Tab reaches among `panel`'s descendants, in the Tab order.
QList<QWidget *> focusStopsWithin(QWidget *panel);
