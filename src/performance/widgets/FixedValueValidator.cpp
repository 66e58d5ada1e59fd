#include "performance/widgets/FixedValueValidator.h"

namespace kelmar {

QValidator::State FixedValueValidator::validate(QString& input, int&) const { return check(input); }

QValidator::State FixedValueValidator::check(const QString& text)
{
    constexpr int MaxDigits = 3;
    constexpr int MaxValue = 127;
    if (text.isEmpty())
        return Intermediate;
    if (text.size() > MaxDigits)
        return Invalid;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    }
    return text.toInt() <= MaxValue ? Acceptable : Invalid;
}

} // namespace kelmar
