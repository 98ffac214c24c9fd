// The frame timer with a counter the test moves, and the memory sampler's reading of a status file.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "client/app/MemoryUsage.h"
#include "client/app/Timer.h"

namespace {

TEST(TimerTest, MeasuresFramesAndCountsThemPerSecond) {
    std::int64_t now = 5000;
    Timer timer([&] { return now; }, 1000.0);
    timer.Start();
    EXPECT_EQ(timer.frequency, 1000.0);

    now += 16;
    timer.Update();
    EXPECT_DOUBLE_EQ(timer.deltaTime, 0.016);

    now -= 10;  // a counter that went backwards counts as no time
    timer.Update();
    EXPECT_EQ(timer.deltaTime, 0.0);
    EXPECT_EQ(timer.lastCount, now);

    // 2 frames so far; frame 92 brings the total over one second (0.016 + 89 * 0.011 = 0.995, then 1.006).
    int frames = 2;
    while (timer.fps == 0 && frames < 200) {
        now += 11;
        timer.Update();
        ++frames;
    }
    EXPECT_EQ(frames, 92);
    EXPECT_EQ(timer.fps, 92);
    EXPECT_EQ(timer.frameCount, 0);
    EXPECT_EQ(timer.fpsTime, 0.0);
}

TEST(MemoryUsageTest, ReadsDataAndResidentSizesInMebibytes) {
    struct Case {
        const char* name;
        std::string status;
        bool read;
        int privateMegabytes;
        int workingSetMegabytes;
    };
    const Case cases[] = {
        {"a status file", "Name:\tOmbrin\nVmPeak:\t  999999 kB\nVmData:\t  204800 kB\nVmRSS:\t 1048575 kB\n",
         true, 200, 1023},
        {"no resident size", "VmData:\t  204800 kB\n", false, 7, 7},
        {"not a number", "VmData:\t lots kB\nVmRSS:\t 2048 kB\n", false, 7, 7},
        {"a field that only starts the same", "VmDataX:\t 1 kB\nVmData:\t 3072 kB\nVmRSS:\t 2048 kB", true, 3,
         2},
        {"beyond any int", "VmData:\t 18446744073709551615 kB\nVmRSS:\t 0 kB\n", true, INT_MAX, 0},
        {"beyond 64 bits", "VmData:\t 99999999999999999999999 kB\nVmRSS:\t 0 kB\n", false, 7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryUsage memory;
        memory.privateMegabytes = 7;
        memory.workingSetMegabytes = 7;
        EXPECT_EQ(memory.UpdateFrom(c.status), c.read);
        EXPECT_EQ(memory.privateMegabytes, c.privateMegabytes);
        EXPECT_EQ(memory.workingSetMegabytes, c.workingSetMegabytes);
    }
}

TEST(MemoryUsageTest, ReadsThisProcess) {
    MemoryUsage memory;
    ASSERT_TRUE(memory.Update());
    EXPECT_GT(memory.workingSetMegabytes, 0);
    EXPECT_GE(memory.privateMegabytes, 0);
}

}  // namespace
