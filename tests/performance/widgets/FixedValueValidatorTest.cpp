#include <gtest/gtest.h>

#include <QString>

#include "performance/widgets/FixedValueValidator.h"

namespace kelmar {
namespace {

TEST(FixedValueValidatorTest, AcceptsOnlyWholeNumbers0To127)
{
    const struct {
        const char* text;
        QValidator::State state;
    } cases[] = {
        {"", QValidator::Intermediate}, // retyping: the box may be empty
        {"0", QValidator::Acceptable},
        {"63", QValidator::Acceptable},
        {"127", QValidator::Acceptable},
        {"007", QValidator::Acceptable},
        {"128", QValidator::Invalid},
        {"1270", QValidator::Invalid},
        {"-1", QValidator::Invalid},
        {"+5", QValidator::Invalid},
        {" 5", QValidator::Invalid},
        {"1.5", QValidator::Invalid},
        {"x", QValidator::Invalid},
        {"\u0664", QValidator::Invalid}, // a non-Latin digit
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedValueValidator::check(QString::fromUtf8(c.text)), c.state) << '"' << c.text << '"';
}

} // namespace
} // namespace kelmar
