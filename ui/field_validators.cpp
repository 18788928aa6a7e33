#include "field_validators.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "form_text.h"

QValidator::State UpperCaseValidator::validate(QString& input, int& /*pos*/) const {
    // Only characters that keep their length are changed, so the cursor stays where it was.
    input = toUpperLatin1(input);
    return Acceptable;
}

QValidator* makeDigitsValidator(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), parent);
}
