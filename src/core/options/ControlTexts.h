#pragma once

#include <QString>

// Texts and input rules of the option controls, kept apart from the widgets so the headless
// front end and the tests share them.

// A slider value as its percentage label: first to hundredths ("%.2f"), then that number
// times 100 as a whole percentage ("%.0f %"): 0.456 gives "46 %".
QString percentLabel(float value);

// Whether a size field may hold this text: digits only, at most 4 of them, at most
// kMaxResizeSide. The empty text is allowed.
bool isAcceptableSizeText(const QString &text);
