#include <gtest/gtest.h>
TEST(PlaceholderAxisPairTest, Builds) {}
