#include "app/settings.h"
#include <gtest/gtest.h>

TEST(Settings, DefaultsAreTheFirstStart)
{
    Settings s;
    EXPECT_EQ(s.SlidePos, 3150000);
    EXPECT_EQ(s.Histry[15], "16.00000");
    EXPECT_EQ(s.Cont[1], "3.141592=π");
}
