#include <gtest/gtest.h>
TEST(SetupPlaceholder, Builds) {}
