// Rounds, the match, the countdowns between them and the move to the next level.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerMovementMessages.h"
#include "protocol/ServerRoundMessages.h"
#include "protocol/ServerRuneMessages.h"

using RakNet::RakNetGUID;

namespace {

constexpr std::int32_t kNobody = -1;
const protocol::SendParameters kRoundParameters{RakNet::MEDIUM_PRIORITY, RakNet::RELIABLE, 4};

class RoundFlow : public GameFixture {
protected:
    void StartWithTwoPlayers(std::vector<std::string> levels = {}) {
        Start(std::move(levels));
        red = Join(1);
        blue = Join(2);
    }

    // Ends the running round with this result by killing the others; then, if a countdown follows, runs it
    // out so that the next round is fought.
    void PlayRound(std::int32_t winner) {
        for (const PlayerRecord& player : Players().GetPlayers()) {
            if (player.team != winner) {
                Kill(player.guid);
            }
        }
        ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_WON, 0.1));
        if (state.IsRoundCountdownActive()) {
            ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_STARTED, 10.5));
        }
    }

    std::vector<std::int32_t> CountdownSeconds() const {
        std::vector<std::int32_t> seconds;
        for (const auto& message : peer.Decoded<protocol::CountdownSecondsMessage>()) {
            seconds.push_back(message.secondsLeft);
        }
        return seconds;
    }

    RakNetGUID red;
    RakNetGUID blue;
};

struct MatchCase {
    const char* label;
    std::vector<std::int32_t> rounds;  // the winner of each round
    std::int32_t matchWinner;
};

class Match : public RoundFlow, public ::testing::WithParamInterface<MatchCase> {};

}  // namespace

TEST_P(Match, EndsWhenATeamHasThreeWinsOrAfterFiveRounds) {
    StartWithTwoPlayers();
    for (const std::int32_t winner : GetParam().rounds) {
        ASSERT_FALSE(state.IsMatchOver());
        PlayRound(winner);
    }
    EXPECT_TRUE(state.IsMatchOver());

    std::vector<std::int32_t> announced;
    for (const auto& won : peer.Decoded<protocol::RoundWonMessage>()) {
        announced.push_back(won.winningTeam);
    }
    EXPECT_EQ(announced, GetParam().rounds);
    EXPECT_EQ(peer.SentWithId(protocol::ID_ROUND_COUNTDOWN_START).size(), GetParam().rounds.size() - 1);
    EXPECT_EQ(peer.Decoded<protocol::MatchWonMessage>(),
              std::vector<protocol::MatchWonMessage>{{GetParam().matchWinner}});
    for (const auto id :
         {protocol::ID_ROUND_WON, protocol::ID_ROUND_COUNTDOWN_START, protocol::ID_MATCH_WON}) {
        for (const SentMessage& sent : peer.SentWithId(id)) {
            EXPECT_TRUE(sent.IsToAll());
            EXPECT_EQ(sent.parameters, kRoundParameters) << int(id);
        }
    }
    // Nobody is revived after the match: no further round is decided while the post-match countdown runs.
    Advance(14.0, 0.05);
    EXPECT_EQ(peer.SentWithId(protocol::ID_ROUND_WON).size(), GetParam().rounds.size());
}

INSTANTIATE_TEST_SUITE_P(
    Results, Match,
    ::testing::Values(MatchCase{"RedThreeNil", {1, 1, 1}, 1},
                      MatchCase{"FiveRoundsRedWins", {1, 2, 1, 2, 1}, 1},
                      MatchCase{"BlueComesBack", {1, 1, 2, 2, 2}, 2},
                      MatchCase{"RoundsWithoutSurvivorsCountForNobody", {kNobody, kNobody, kNobody}, kNobody},
                      MatchCase{"TieAfterFiveGoesToTheLowerTeamNumber", {2, 1, kNobody, 2, 1}, 1}),
    [](const ::testing::TestParamInfo<MatchCase>& row) { return std::string(row.param.label); });

namespace {

struct CountdownCase {
    const char* label;
    std::vector<std::int32_t> rounds;  // played before the countdown
    RakNet::MessageID endsWith;
    std::vector<std::int32_t> seconds;
};

class CountdownAnnouncements : public RoundFlow, public ::testing::WithParamInterface<CountdownCase> {};

}  // namespace

TEST_P(CountdownAnnouncements, EverySecondDownToOneThenTheNextStep) {
    StartWithTwoPlayers();
    const std::vector<std::int32_t>& rounds = GetParam().rounds;
    for (std::size_t i = 0; i + 1 < rounds.size(); ++i) {
        PlayRound(rounds[i]);
    }
    for (const PlayerRecord& player : Players().GetPlayers()) {
        if (player.team != rounds.back()) {
            Kill(player.guid);
        }
    }
    peer.ClearSent();
    double elapsed = 0.0;
    while (peer.SentWithId(GetParam().endsWith).empty() && elapsed < 20.0) {
        state.Update(0.05);
        elapsed += 0.05;
    }
    ASSERT_FALSE(peer.SentWithId(GetParam().endsWith).empty());
    EXPECT_EQ(CountdownSeconds(), GetParam().seconds);
    const double length = GetParam().seconds.front();
    EXPECT_NEAR(elapsed, length + 0.05, 0.06) << "the round end frame, then the countdown";
    for (const SentMessage& sent : peer.SentWithId(protocol::ID_COUNTDOWN_SECONDS)) {
        EXPECT_TRUE(sent.IsToAll());
        EXPECT_EQ(sent.parameters,
                  (protocol::SendParameters{RakNet::MEDIUM_PRIORITY, RakNet::RELIABLE_SEQUENCED, 4}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Countdowns, CountdownAnnouncements,
    ::testing::Values(
        CountdownCase{"BetweenRounds", {2}, protocol::ID_ROUND_STARTED, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
        CountdownCase{"AfterTheMatch",
                      {1, 1, 1},
                      protocol::ID_NEW_LEVEL,
                      {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}}),
    [](const ::testing::TestParamInfo<CountdownCase>& row) { return std::string(row.param.label); });

TEST(Countdown, LongFramesSkipSecondsButNeverAnnounceZeroOrLess) {
    Countdown countdown;
    countdown.Start(10.0f);
    std::vector<int> announced;
    for (const double dt : {3.0, 3.0, 3.0, 1e12}) {
        if (const std::optional<int> second = countdown.Step(dt)) {
            announced.push_back(*second);
        }
    }
    EXPECT_EQ(announced, (std::vector<int>{8, 5, 2}));
    EXPECT_TRUE(countdown.Expired());
}

TEST(Countdown, SaysWhenItsNextStepIsDue) {
    Countdown countdown;
    countdown.Start(10.0f);
    EXPECT_EQ(countdown.SecondsUntilNextStep(), 0.0) << "10 is announced at the first step";
    EXPECT_EQ(countdown.Step(0.25), std::optional<int>(10));
    EXPECT_NEAR(countdown.SecondsUntilNextStep(), 0.75, 1e-6);
    EXPECT_EQ(countdown.Step(0.5), std::nullopt);
    EXPECT_NEAR(countdown.SecondsUntilNextStep(), 0.25, 1e-6);
    countdown.Step(8.5);
    EXPECT_NEAR(countdown.SecondsUntilNextStep(), 0.75, 1e-6) << "then it runs out";
    countdown.Step(1.0);
    EXPECT_TRUE(countdown.Expired());
    EXPECT_EQ(countdown.SecondsUntilNextStep(), 0.0);
}

TEST_F(RoundFlow, OnlyACountdownHasATimerThatNeedsAFrame) {
    StartWithTwoPlayers();
    state.Update(0.05);
    EXPECT_EQ(state.SecondsUntilTimerDue(), std::nullopt) << "a round in play waits for input";
    Kill(blue);
    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_COUNTDOWN_START, 0.1));
    state.Update(0.25);
    ASSERT_TRUE(state.SecondsUntilTimerDue().has_value());
    EXPECT_NEAR(*state.SecondsUntilTimerDue(), 0.75, 0.011);
}

TEST_F(RoundFlow, RoundStartReseatsRevivesAndClearsEveryPlayerIncludingLateJoiners) {
    Start();
    const RakNetGUID first = Join(1);
    const RakNetGUID second = Join(1);
    const RakNetGUID blueOne = Join(2);
    Players().SetPosition(second, 13.0f, 0.0f, 6.0f);
    Kill(blueOne);
    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_WON, 0.1));
    ASSERT_TRUE(state.IsRoundCountdownActive());

    // During the countdown the first red leaves (freeing the first red point) and a blue joins.
    state.RemovePlayer(first);
    const RakNetGUID late = Join(2);
    EXPECT_EQ(Player(late).position, (Float3{-12.0f, 0.0f, -5.0f})) << "the first blue point is taken";
    PlayerRecord* lateRecord = Players().FindPlayer(late);
    lateRecord->healing = true;
    lateRecord->shield = 1.0f;
    lateRecord->invisible = true;

    peer.ClearSent();
    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_STARTED, 10.5));
    EXPECT_FALSE(state.IsRoundCountdownActive());

    // Seated again in level order: the remaining red on the first red point, the blues on the blue points.
    EXPECT_EQ(Player(second).position, (Float3{10.0f, 0.0f, 5.0f}));
    EXPECT_EQ(Player(blueOne).position, (Float3{-10.0f, 0.0f, -5.0f}));
    EXPECT_EQ(Player(late).position, (Float3{-12.0f, 0.0f, -5.0f}));
    for (const PlayerRecord& player : Players().GetPlayers()) {
        EXPECT_TRUE(player.alive);
        EXPECT_EQ(player.health, 100.0f);
        EXPECT_FALSE(player.healing);
        EXPECT_EQ(player.shield, 0.0f);
        EXPECT_FALSE(player.invisible);
    }

    // The messages of the round start frame, from ROUND_STARTED on.
    std::vector<SentMessage> start;
    bool started = false;
    for (const SentMessage& sent : peer.Sent()) {
        started = started || sent.id == protocol::ID_ROUND_STARTED;
        if (started) {
            start.push_back(sent);
        }
    }
    std::vector<int> ids;
    for (const SentMessage& sent : start) {
        ids.push_back(sent.id);
    }
    const int respawnOne[] = {protocol::ID_RESPAWN_POSITION, protocol::ID_HEALING_STATE,
                              protocol::ID_PLAYER_HEALTH};
    std::vector<int> expected{protocol::ID_ROUND_STARTED};
    for (int i = 0; i < 3; ++i) {
        expected.insert(expected.end(), std::begin(respawnOne), std::end(respawnOne));
    }
    expected.push_back(protocol::ID_SUDDEN_DEATH);
    // The runes go, and the ends of their effects are announced at once.
    expected.insert(expected.end(),
                    {protocol::ID_RUNE_REMOVED, protocol::ID_RUNE_REMOVED, protocol::ID_INVISIBILITY_ENDED,
                     protocol::ID_RUNE_REMOVED, protocol::ID_SHIELD_ENDED});
    expected.insert(expected.end(), 3, protocol::ID_HEALING_STATE);
    ASSERT_EQ(ids, expected);

    EXPECT_TRUE(start[1].IsTo(second));
    EXPECT_EQ(start[1].Decode<protocol::RespawnPositionMessage>(),
              (protocol::RespawnPositionMessage{{10.0f, 0.0f, 5.0f}}));
    EXPECT_EQ(start[1].parameters, (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 2}));
    EXPECT_EQ(start[2].Decode<protocol::HealingStateMessage>(),
              (protocol::HealingStateMessage{second, false}));
    EXPECT_EQ(start[3].Decode<protocol::PlayerHealthMessage>(),
              (protocol::PlayerHealthMessage{second, 100.0f, true}));
    EXPECT_EQ(start[3].parameters, (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 2}))
        << "a revival is sent reliably";
    EXPECT_EQ(start[10].Decode<protocol::SuddenDeathMessage>(), protocol::SuddenDeathMessage{false});
    EXPECT_EQ(start[0].parameters, kRoundParameters);
}

TEST_F(RoundFlow, ConnectionArrivingDuringTheCountdownIsToldItRuns) {
    StartWithTwoPlayers();
    state.OnNewConnection(RakNetGUID(77));
    EXPECT_TRUE(peer.SentWithId(protocol::ID_ROUND_COUNTDOWN_START).empty());

    Kill(blue);
    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_WON, 0.1));
    peer.ClearSent();
    state.OnNewConnection(RakNetGUID(78));
    ASSERT_EQ(peer.Sent().size(), 1u);
    EXPECT_EQ(peer.Sent()[0].id, protocol::ID_ROUND_COUNTDOWN_START);
    EXPECT_TRUE(peer.Sent()[0].IsTo(RakNetGUID(78)));
    EXPECT_EQ(peer.Sent()[0].parameters, kRoundParameters);

    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_STARTED, 10.5));
    peer.ClearSent();
    state.OnNewConnection(RakNetGUID(79));
    EXPECT_TRUE(peer.Sent().empty());
}

TEST_F(RoundFlow, ScoresListTeamsInAscendingOrderToTheRequester) {
    StartWithTwoPlayers();
    const RakNetGUID asker(42);
    peer.ClearSent();
    state.SendScores(asker);
    ASSERT_EQ(peer.Sent().size(), 1u);
    EXPECT_TRUE(peer.Sent()[0].IsTo(asker));
    EXPECT_EQ(peer.Sent()[0].parameters,
              (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 4}));
    EXPECT_TRUE(peer.Sent()[0].Decode<protocol::ScoresMessage>().value().scores.empty())
        << "no entries before the first round ends";

    PlayRound(2);
    PlayRound(1);
    PlayRound(kNobody);
    PlayRound(2);
    peer.ClearSent();
    state.SendScores(asker);
    EXPECT_EQ(peer.Sent()[0].Decode<protocol::ScoresMessage>().value().scores,
              (std::vector<protocol::ScoreEntry>{{kNobody, 1}, {1, 1}, {2, 2}}));
}

TEST_F(RoundFlow, AfterTheLastLevelTheRotationStartsOver) {
    const std::string first = WriteLevel("first.ZMDL", kSpawnPoints);
    const std::string second = WriteLevel("second.ZMDL", kSpawnPoints);
    for (const std::string& expected : {second, first}) {
        if (expected == second) {
            StartWithTwoPlayers({first, second});
        } else {
            red = Join(1);
            blue = Join(2);
        }
        for (int round = 0; round < 3; ++round) {
            PlayRound(1);
        }
        peer.ClearSent();
        ASSERT_TRUE(AdvanceUntil(protocol::ID_NEW_LEVEL, 15.5));
        const auto newLevel = peer.Decoded<protocol::NewLevelMessage>();
        ASSERT_EQ(newLevel.size(), 1u);
        EXPECT_EQ(newLevel[0].levelPath, expected);
        EXPECT_TRUE(peer.SentWithId(protocol::ID_NEW_LEVEL)[0].IsToAll());
        EXPECT_EQ(peer.SentWithId(protocol::ID_NEW_LEVEL)[0].parameters, kRoundParameters);

        // A fresh match on the new level, without players or lobby.
        EXPECT_EQ(state.GetCurrentLevelPath(), expected);
        EXPECT_TRUE(Players().Players().empty());
        EXPECT_FALSE(state.IsMatchOver());
        EXPECT_EQ(state.GetCurrentRound(), 1);
        EXPECT_TRUE(state.GetRoundWins().ToScores().scores.empty());
    }
}
