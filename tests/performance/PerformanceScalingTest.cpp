#include <gtest/gtest.h>
TEST(PlaceholderPerformanceScalingTest, Builds) {}
