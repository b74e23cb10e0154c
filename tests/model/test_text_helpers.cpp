#include "model/TextHelpers.h"

#include <gtest/gtest.h>

TEST(TextHelpers, Placeholder) { EXPECT_TRUE(StrToBoolean("yes")); }
