#include <gtest/gtest.h>
TEST(PlaceholderMainWindowTest, Builds) {}
