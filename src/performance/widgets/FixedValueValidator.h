#pragma once

#include <QValidator>

namespace kelmar {

// Lets PitchText and VelText hold only a whole number 0..127 as typed text
// (digits only), or nothing while the user retypes it.
class FixedValueValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;

    // The rule itself: empty is Intermediate, 0..127 in digits Acceptable,
    // anything else Invalid.
    static State check(const QString& text);
};

} // namespace kelmar
