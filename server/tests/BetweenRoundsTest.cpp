// While no round runs (the countdown between rounds and the one after the match) nothing of a round goes on:
// the round clock stands, no rune appears, sudden death neither starts nor hurts anybody, and no hit counts.
#include <gtest/gtest.h>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerRoundMessages.h"
#include "protocol/ServerRuneMessages.h"

using RakNet::RakNetGUID;

namespace {

struct QuietCase {
    const char* label;
    int roundsBefore;        // rounds red wins first; with two, the round below ends the match
    double roundEndsAt;      // the round clock, in seconds, when the round below ends
    RakNet::MessageID ends;  // what ends the countdown
};

class BetweenRounds : public CombatFixture, public ::testing::WithParamInterface<QuietCase> {};

}  // namespace

TEST_P(BetweenRounds, NothingOfTheRoundGoesOn) {
    const QuietCase& row = GetParam();
    StartLevel();
    red = Join(1);
    blue = Join(2);
    for (int round = 0; round < row.roundsBefore; ++round) {
        Kill(blue);
        ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_STARTED, 10.5, 0.05));
    }
    // Red far from the square and from every rune, blue safe in the centre.
    Place(red, {30.0f, 0.0f, -5.0f});
    Place(blue, {0.0f, 0.0f, 0.0f});
    Advance(row.roundEndsAt, 0.05);
    Players().FindPlayer(red)->health = 30.0f;
    Kill(blue);
    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_WON, 0.1));
    const RoundClock stopped = state.GetRoundClock();
    peer.ClearSent();

    // The whole countdown but its last frame.
    const double countdown = row.roundsBefore == 2 ? 15.0 : 10.0;
    Advance(countdown - 0.1, 0.05);
    ASSERT_TRUE(peer.SentWithId(row.ends).empty());
    EXPECT_EQ(state.GetRoundClock().Minutes(), stopped.Minutes());
    EXPECT_EQ(state.GetRoundClock().Seconds(), stopped.Seconds());
    EXPECT_TRUE(Player(red).alive);
    EXPECT_EQ(Health(red), 30.0f);
    for (const int id : {protocol::ID_KILL_NOTICE, protocol::ID_PLAYER_HEALTH, protocol::ID_SUDDEN_DEATH,
                         protocol::ID_RUNES_SPAWNED, protocol::ID_HEAL_RUNE_RESPAWNED}) {
        EXPECT_TRUE(peer.SentWithId(static_cast<RakNet::MessageID>(id)).empty()) << id;
    }
    ASSERT_TRUE(AdvanceUntil(row.ends, 0.5, 0.05));
}

INSTANTIATE_TEST_SUITE_P(
    Table, BetweenRounds,
    ::testing::Values(
        // Sudden death had been hurting for half a second when the round ended.
        QuietCase{"SuddenDeathDamageBetweenRounds", 0, 130.5, protocol::ID_ROUND_STARTED},
        QuietCase{"SuddenDeathDamageAfterTheMatch", 2, 130.5, protocol::ID_NEW_LEVEL},
        // Without the pause the clock would reach 2:00, 0:30 or 1:30 during the countdown.
        QuietCase{"SuddenDeathStartBetweenRounds", 0, 115.0, protocol::ID_ROUND_STARTED},
        QuietCase{"RunesBetweenRounds", 0, 25.0, protocol::ID_ROUND_STARTED},
        QuietCase{"HealRuneAfterTheMatch", 2, 85.0, protocol::ID_NEW_LEVEL}),
    [](const ::testing::TestParamInfo<QuietCase>& row) { return std::string(row.param.label); });

// A decided round takes no more hits: whatever still flies or lies about (or a late melee swing) neither
// hurts nor kills until the next round starts, so no kill notice follows the round's or the match's win.
TEST_P(BetweenRounds, NoHitCountsUntilTheNextRound) {
    const QuietCase& row = GetParam();
    if (row.roundEndsAt != 130.5) {
        return;  // one row between rounds and one after the match suffice
    }
    StartLevel();
    red = Join(1);
    blue = Join(2);
    for (int round = 0; round < row.roundsBefore; ++round) {
        Kill(blue);
        ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_STARTED, 10.5, 0.05));
    }
    Place(red, {0.0f, 0.0f, 0.0f});
    Players().FindPlayer(red)->health = 30.0f;
    Kill(blue);
    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_WON, 0.1));
    peer.ClearSent();

    Players().Damage(red, 50.0f, blue, 0, false);
    Advance(0.5, 0.05);
    Players().Damage(red, 50.0f, blue, 0, false);
    EXPECT_TRUE(Player(red).alive);
    EXPECT_EQ(Health(red), 30.0f);
    for (const int id : {protocol::ID_KILL_NOTICE, protocol::ID_KILL_STATS, protocol::ID_PLAYER_HEALTH,
                         protocol::ID_DAMAGE_DEALT}) {
        EXPECT_TRUE(peer.SentWithId(static_cast<RakNet::MessageID>(id)).empty()) << id;
    }

    // The next round counts hits again.
    ASSERT_TRUE(AdvanceUntil(row.ends, row.roundsBefore == 2 ? 15.5 : 10.5, 0.05));
    if (row.ends == protocol::ID_ROUND_STARTED) {
        Players().Damage(red, 10.0f, blue, 0, false);
        EXPECT_LT(Health(red), 100.0f);
    }
}
