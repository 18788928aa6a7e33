// Input rules of the window's fields: the address fields turn typing into upper case, the
// number fields take digits only.
#pragma once

#include <QValidator>

class UpperCaseValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Digits only; an empty field is allowed and reads as 0.
QValidator* makeDigitsValidator(QObject* parent);
