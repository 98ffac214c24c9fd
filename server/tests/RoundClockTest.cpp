// The round clock: it runs only while both teams have players, answers requests, and starts sudden death at
// two minutes.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "protocol/ServerRoundMessages.h"

using RakNet::RakNetGUID;

namespace {

const protocol::SendParameters kClockParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 4};

struct OneSidedCase {
    const char* label;
    bool blueLeavesMidRound;  // else only reds ever play
    std::size_t restarts;
};

class OneSided : public GameFixture, public ::testing::WithParamInterface<OneSidedCase> {};

}  // namespace

TEST_P(OneSided, ClockIsHeldAtItsStartAndTheRestartIsAnnouncedOnce) {
    Start();
    const RakNetGUID red = Join(1);
    const RakNetGUID otherRed = Join(1);
    if (GetParam().blueLeavesMidRound) {
        const RakNetGUID blue = Join(2);
        Advance(40.0, 0.05);
        state.RemovePlayer(blue);
    }
    peer.ClearSent();
    double latest = 0.0;
    for (int frame = 0; frame < 3 * 60 * 20; ++frame) {  // three minutes at 20 frames a second
        state.Update(0.05);
        latest = std::max(latest, state.GetRoundClock().Seconds() + 60.0 * state.GetRoundClock().Minutes());
    }
    EXPECT_EQ(latest, 0.0);
    EXPECT_FALSE(state.IsSuddenDeath());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_ROUND_WON).empty());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_RUNES_SPAWNED).empty());

    // A restart tells everybody sudden death is off and each player the clock.
    const auto suddenDeath = peer.Decoded<protocol::SuddenDeathMessage>();
    EXPECT_EQ(suddenDeath.size(), GetParam().restarts);
    for (const auto& message : suddenDeath) {
        EXPECT_FALSE(message.active);
    }
    EXPECT_EQ(peer.SentWithId(protocol::ID_RUNE_REMOVED).size(), 3 * GetParam().restarts);
    const auto times = peer.SentWithId(protocol::ID_ROUND_TIME);
    ASSERT_EQ(times.size(), 2 * GetParam().restarts);
    if (!times.empty()) {
        EXPECT_TRUE(times[0].IsTo(red));
        EXPECT_TRUE(times[1].IsTo(otherRed));
        EXPECT_EQ(times[0].Decode<protocol::RoundTimeMessage>(), (protocol::RoundTimeMessage{0.0, 0.0}));
        EXPECT_EQ(times[0].parameters, kClockParameters);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, OneSided,
                         ::testing::Values(OneSidedCase{"OnlyRedsFromTheStart", false, 0},
                                           OneSidedCase{"BlueLeavesMidRound", true, 1}),
                         [](const ::testing::TestParamInfo<OneSidedCase>& row) {
                             return std::string(row.param.label);
                         });

TEST_F(GameFixture, EmptyServerRestartsTheClockToo) {
    Start();
    Advance(5.0, 0.1);
    EXPECT_LT(state.GetRoundClock().Seconds(), 0.95);
    EXPECT_EQ(state.GetRoundClock().Minutes(), 0.0);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_ROUND_TIME).empty()) << "nobody to tell";
}

TEST_F(GameFixture, ClockRunsWithBothTeamsAndSuddenDeathStartsAtTwoMinutes) {
    Start();
    Join(1);
    Join(2);
    Advance(119.5, 0.05);
    EXPECT_EQ(state.GetRoundClock().Minutes(), 1.0);
    EXPECT_NEAR(state.GetRoundClock().Seconds(), 59.5, 0.01);
    EXPECT_FALSE(state.IsSuddenDeath());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_ROUND_TIME).empty());

    // The requester gets the clock as it stands.
    const RakNetGUID asker(66);
    state.SendRoundTime(asker);
    const auto reply = peer.SentWithId(protocol::ID_ROUND_TIME);
    ASSERT_EQ(reply.size(), 1u);
    EXPECT_TRUE(reply[0].IsTo(asker));
    EXPECT_EQ(reply[0].parameters, kClockParameters);
    const auto time = reply[0].Decode<protocol::RoundTimeMessage>().value();
    EXPECT_EQ(time.minutes, 1.0);
    EXPECT_NEAR(time.seconds, 59.5, 0.01);

    peer.ClearSent();
    Advance(1.0, 0.05);
    EXPECT_TRUE(state.IsSuddenDeath());
    ASSERT_EQ(peer.Decoded<protocol::SuddenDeathMessage>(),
              std::vector<protocol::SuddenDeathMessage>{{true}});
    EXPECT_EQ(peer.SentWithId(protocol::ID_SUDDEN_DEATH)[0].parameters, kClockParameters);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_SUDDEN_DEATH)[0].IsToAll());

    // Announced once; a player who joins now is told it is on.
    Advance(5.0, 0.05);
    EXPECT_EQ(peer.SentWithId(protocol::ID_SUDDEN_DEATH).size(), 1u);
    peer.ClearSent();
    Join(2);
    EXPECT_EQ(peer.Decoded<protocol::SuddenDeathMessage>(),
              std::vector<protocol::SuddenDeathMessage>{{true}});
}

TEST_F(GameFixture, ClockStartsOverWhenATeamEmptiesMidRound) {
    Start();
    Join(1);
    const RakNetGUID blue = Join(2);
    Advance(130.0, 0.05);
    ASSERT_TRUE(state.IsSuddenDeath());
    state.RemovePlayer(blue);
    peer.ClearSent();
    state.Update(0.05);
    EXPECT_EQ(state.GetRoundClock().Minutes(), 0.0);
    EXPECT_EQ(state.GetRoundClock().Seconds(), 0.0);
    EXPECT_FALSE(state.IsSuddenDeath());
    EXPECT_EQ(peer.Decoded<protocol::SuddenDeathMessage>(),
              std::vector<protocol::SuddenDeathMessage>{{false}});
    EXPECT_TRUE(peer.SentWithId(protocol::ID_ROUND_WON).empty()) << "one team left does not end the round";
}
