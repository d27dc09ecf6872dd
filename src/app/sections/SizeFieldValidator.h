#pragma once

#include "options/ConversionOptions.h"

#include <QValidator>

// Digits only, at most four of them and at most kMaxResizeSide (or a lower most, as a percent
// field's); a refused keystroke beeps.
class SizeFieldValidator : public QValidator {
    Q_OBJECT
public:
    explicit SizeFieldValidator(QObject *parent, int most = kMaxResizeSide) : QValidator(parent), m_most(most)
    {
    }
    State validate(QString &input, int &position) const override;

private:
    int m_most;
};
