#include "server/FrameTimer.h"

#include <gtest/gtest.h>

TEST(FrameTimer, MeasuresTicksAndNeverGoesBackwards) {
    std::int64_t now = 1000;
    FrameTimer timer([&] { return now; }, 1000.0);
    timer.Start();
    now = 1250;
    EXPECT_DOUBLE_EQ(timer.Tick(), 0.25);
    now = 1100;  // the counter went backwards
    EXPECT_DOUBLE_EQ(timer.Tick(), 0.0);
    now = 1600;
    EXPECT_DOUBLE_EQ(timer.Tick(), 0.5) << "measured from the previous reading, not the highest";
    EXPECT_DOUBLE_EQ(timer.GetFrameDelta(), 0.5);
}
