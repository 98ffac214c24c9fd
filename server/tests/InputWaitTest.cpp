// How long a server frame waits for network input: the frame pacing of a server with players, and an
// unattended server that sleeps until input arrives or a game timer is due.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "server/ServerApplication.h"

namespace {

struct WaitCase {
    const char* label;
    int connections;
    std::optional<double> secondsUntilTimerDue;
    double timeScale;
    unsigned int waitMS;
};

class InputWait : public ::testing::TestWithParam<WaitCase> {};

}  // namespace

TEST_P(InputWait, FollowsTheConnectionsAndTheNextTimer) {
    const WaitCase& row = GetParam();
    EXPECT_EQ(ServerApplication::InputWaitMS(row.connections, row.secondsUntilTimerDue, row.timeScale),
              row.waitMS);
}

INSTANTIATE_TEST_SUITE_P(
    Table, InputWait,
    ::testing::Values(WaitCase{"PlayersKeepTheFramePacing", 3, std::nullopt, 1.0, 1},
                      WaitCase{"PlayersAndACountdown", 1, 0.5, 1.0, 1},
                      WaitCase{"NobodyAndNoTimer", 0, std::nullopt, 1.0, 100},
                      WaitCase{"TimerDueSoon", 0, 0.0421, 1.0, 43},
                      WaitCase{"TimerDueLater", 0, 0.75, 1.0, 100}, WaitCase{"TimerDue", 0, 0.0, 1.0, 0},
                      WaitCase{"FasterGameTime", 0, 0.0625, 2.5, 25},
                      WaitCase{"SlowerGameTime", 0, 0.0625, 0.5, 100},
                      WaitCase{"TimerDueForever", 0, std::numeric_limits<double>::infinity(), 1.0, 100}),
    [](const ::testing::TestParamInfo<WaitCase>& row) { return std::string(row.param.label); });
