#include <gtest/gtest.h>
#include "platform/numbers.h"
TEST(Numbers, Placeholder) { EXPECT_EQ(vib::ErrorNumberText(53), " 53"); }
