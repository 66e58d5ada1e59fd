#include <gtest/gtest.h>

#include <limits>

#include "performance/PerformanceScaling.h"

namespace kelmar {
namespace {

struct ScalingCase {
    double x, y;
    ScaledPosition expected;
};

// A picture 2070 twips wide and 1530 high, positions in twips.
TEST(PerformanceScalingTest, ScalesThePictureTo0To126AndClampsOutsideIt)
{
    const ScalingCase cases[] = {
        {1035, 765, {63, 63}},        // the middle
        {0, 0, {0, 0}},               // top-left corner
        {2069, 1529, {126, 126}},     // bottom-right pixel
        {16, 12, {0, 0}},             // just short of the first step
        {17, 13, {1, 1}},             // just past it
        {-1, -300, {0, 0}},           // dragged out left and above
        {2070, 1530, {126, 126}},     // the far edges themselves
        {99999, 765, {126, 63}},      // dragged far right
        {-0.5, 1e9, {0, 126}},
    };
    for (const ScalingCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "x=" << c.x << " y=" << c.y);
        EXPECT_EQ(PerformanceScaling::scale(c.x, c.y, 2070, 1530), c.expected);
    }
}

TEST(PerformanceScalingTest, APictureWithoutSizeGivesZero)
{
    EXPECT_EQ(PerformanceScaling::scaleAxis(10, 0), 0);
    EXPECT_EQ(PerformanceScaling::scaleAxis(std::numeric_limits<double>::quiet_NaN(), 100), 0);
}

} // namespace
} // namespace kelmar
