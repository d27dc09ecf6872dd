#pragma once

#include <QValidator>

// Digits only, at most four of them and at most kMaxResizeSide; a refused keystroke beeps.
class SizeFieldValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
