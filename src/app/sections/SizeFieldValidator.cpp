#include "sections/SizeFieldValidator.h"

#include "options/ControlTexts.h"

#include <QApplication>

QValidator::State SizeFieldValidator::validate(QString &input, int &) const
{
    if (isAcceptableSizeText(input) && (input.isEmpty() || input.toInt() <= m_most))
        return Acceptable;
    QApplication::beep();
    return Invalid;
}
