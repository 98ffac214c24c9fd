// Runes: when they appear, who takes them, what they do, when their effects end, and levels whose runes are
// missing or out of order.
#include <gtest/gtest.h>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerConnectionMessages.h"
#include "protocol/ServerRuneMessages.h"
#include "server/RuneManager.h"

using protocol::AbilityId;
using RakNet::RakNetGUID;

namespace {

protocol::RunePlacement Placement(RuneType type, const Float3& at) {
    return {static_cast<std::int32_t>(type), {at.x, at.y, at.z}};
}

class Runes : public CombatFixture {
protected:
    // Both players far from every rune, the clock just past 0:30.
    void StartPastSpawn(const std::vector<std::string>& runes = kRunes) {
        StartLevel({}, runes);
        red = Join(1);
        blue = Join(2);
        Place(red, {-5.0f, 0.0f, -5.0f});
        Place(blue, {5.0f, 0.0f, -5.0f});
        Advance(30.05, 0.05);
        peer.ClearSent();
    }
    protocol::RuneStateMessage RuneState() {
        peer.ClearSent();
        state.SendRuneState(red);
        const auto replies = Sent<protocol::RuneStateMessage>();
        EXPECT_EQ(replies.size(), 1u);
        EXPECT_TRUE(peer.Sent().back().IsTo(red));
        return replies.empty() ? protocol::RuneStateMessage{} : replies[0];
    }
    std::vector<bool> Present() {
        std::vector<bool> present;
        for (const auto& entry : RuneState().runes) {
            present.push_back(entry.present);
        }
        return present;
    }
};

}  // namespace

TEST_F(Runes, AllThreeAppearAtHalfAMinuteAndTheHealRuneAgainAtOneAndAHalf) {
    StartDuel();
    Place(red, {-5.0f, 0.0f, -5.0f});
    Place(blue, {5.0f, 0.0f, -5.0f});
    Advance(29.85, 0.05);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_RUNES_SPAWNED).empty());
    EXPECT_EQ(Present(), (std::vector<bool>{false, false, false}));

    Advance(0.2, 0.05);
    const auto spawned = Sent<protocol::RunesSpawnedMessage>();
    ASSERT_EQ(spawned.size(), 1u);
    EXPECT_EQ(spawned[0].runes[0], Placement(RuneType::Heal, kHealRune));
    EXPECT_EQ(spawned[0].runes[1], Placement(RuneType::Invisible, kInvisibilityRune));
    EXPECT_EQ(spawned[0].runes[2], Placement(RuneType::Shield, kShieldRune));
    EXPECT_EQ(peer.SentWithId(protocol::ID_RUNES_SPAWNED)[0].parameters,
              (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 1}));
    const protocol::RuneStateMessage spawnedState = RuneState();
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(spawnedState.runes[i].present);
        EXPECT_EQ(spawnedState.runes[i].rune, spawned[0].runes[i]);
    }

    // Taken before 1:30: only the heal rune comes back.
    Place(blue, kHealRune);
    Place(red, kShieldRune);
    Advance(0.1, 0.05);
    EXPECT_EQ(Present(), (std::vector<bool>{false, true, false}));
    Place(blue, {5.0f, 0.0f, -5.0f});
    Place(red, {-5.0f, 0.0f, -5.0f});
    ASSERT_TRUE(AdvanceUntil(protocol::ID_HEAL_RUNE_RESPAWNED, 61.0, 0.05));
    EXPECT_NEAR(state.GetRoundClock().Seconds(), 30.0, 0.06);
    EXPECT_EQ(state.GetRoundClock().Minutes(), 1.0);
    EXPECT_EQ(Sent<protocol::HealRuneRespawnedMessage>(),
              (std::vector<protocol::HealRuneRespawnedMessage>{{Placement(RuneType::Heal, kHealRune)}}));
    EXPECT_EQ(Present(), (std::vector<bool>{true, true, false}));
}

TEST_F(Runes, TakingEachRuneAnnouncesItPlaysItsSoundAndGivesItsEffect) {
    StartPastSpawn();
    Players().FindPlayer(blue)->health = 50.0f;
    Place(blue, kHealRune);
    Place(red, kInvisibilityRune);
    state.Update(0.01);
    Place(red, kShieldRune);
    state.Update(0.01);

    EXPECT_EQ(Sent<protocol::HealRuneTakenMessage>(), std::vector<protocol::HealRuneTakenMessage>{{blue}});
    EXPECT_EQ(Sent<protocol::InvisibilityRuneTakenMessage>(),
              std::vector<protocol::InvisibilityRuneTakenMessage>{{red}});
    EXPECT_EQ(Sent<protocol::ShieldRuneTakenMessage>(), std::vector<protocol::ShieldRuneTakenMessage>{{red}});
    for (const int id : {protocol::ID_HEAL_RUNE_TAKEN, protocol::ID_INVISIBILITY_RUNE_TAKEN,
                         protocol::ID_SHIELD_RUNE_TAKEN}) {
        EXPECT_EQ(peer.SentWithId(static_cast<RakNet::MessageID>(id))[0].parameters,
                  (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 2}));
    }
    // Sounds at the touching body box: the player's position raised by the box centre.
    // Players in list order: red's invisibility before blue's heal.
    const auto sounds = Sent<protocol::PlaySoundMessage>();
    ASSERT_EQ(sounds.size(), 3u);
    EXPECT_EQ(sounds[0].sound, 40);
    EXPECT_EQ(sounds[1], (protocol::PlaySoundMessage{37, {kHealRune.x, 1.0f, kHealRune.z}}));
    EXPECT_EQ(sounds[2].sound, 34);
    EXPECT_TRUE(Player(blue).healing);
    EXPECT_EQ(Player(blue).healAmount, 10.0f);
    EXPECT_EQ(Sent<protocol::HealingStateMessage>(),
              (std::vector<protocol::HealingStateMessage>{{blue, true}}));
    EXPECT_TRUE(Player(red).invisible);
    EXPECT_EQ(Player(red).shield, 1.0f);
    EXPECT_EQ(Present(), (std::vector<bool>{false, false, false}));
}

TEST_F(Runes, FirstPlayerInTheListTakesARuneBothTouch) {
    StartPastSpawn();
    Place(blue, kShieldRune);
    Place(red, kShieldRune);
    state.Update(0.01);
    EXPECT_EQ(Sent<protocol::ShieldRuneTakenMessage>(), std::vector<protocol::ShieldRuneTakenMessage>{{red}});
    EXPECT_EQ(Player(blue).shield, 0.0f);
}

TEST_F(Runes, TheDeadTakeNothing) {
    StartPastSpawn();
    const RakNetGUID mate = Join(2);
    Kill(blue);
    Place(blue, kShieldRune);
    Place(mate, {-30.0f, 0.0f, -30.0f});
    state.Update(0.01);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_SHIELD_RUNE_TAKEN).empty());
}

namespace {

struct HealCase {
    const char* label;
    float startHealth;
    std::vector<float> ticks;  // the health after each tick
};

class Heal : public Runes, public ::testing::WithParamInterface<HealCase> {};

}  // namespace

TEST_P(Heal, AddsTenEveryThreeSecondsUpToTheMaximumWhereItEnds) {
    StartPastSpawn();
    Players().FindPlayer(blue)->health = GetParam().startHealth;
    Place(blue, kHealRune);
    state.Update(0.01);
    Place(blue, {5.0f, 0.0f, -5.0f});
    Advance(10.0, 0.05);

    std::vector<float> ticks;
    for (const auto& health : Sent<protocol::PlayerHealthMessage>()) {
        if (health.player == blue) {
            ticks.push_back(health.health);
        }
    }
    EXPECT_EQ(ticks, GetParam().ticks);
    EXPECT_FALSE(Player(blue).healing);
    EXPECT_EQ(Player(blue).healAmount, 0.0f);
    const auto states = Sent<protocol::HealingStateMessage>();
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[1], (protocol::HealingStateMessage{blue, false}));
}

INSTANTIATE_TEST_SUITE_P(Table, Heal,
                         ::testing::Values(HealCase{"From95", 95.0f, {100.0f}},
                                           HealCase{"From85", 85.0f, {95.0f, 100.0f}},
                                           HealCase{"From72", 72.0f, {82.0f, 92.0f, 100.0f}}),
                         [](const ::testing::TestParamInfo<HealCase>& row) {
                             return std::string(row.param.label);
                         });

TEST_F(Runes, HitStopsTheHealing) {
    StartPastSpawn();
    Players().FindPlayer(blue)->health = 50.0f;
    Place(blue, kHealRune);
    state.Update(0.01);
    Players().Damage(blue, 5.0f, red, 2, false);
    Advance(7.0, 0.05);
    EXPECT_LE(Health(blue), 55.0f);
    EXPECT_FALSE(Player(blue).healing);
}

TEST_F(Runes, InvisibilityEndsAfterThirtySecondsOnceAndForGood) {
    StartPastSpawn();
    Place(red, kInvisibilityRune);
    state.Update(0.01);
    Place(red, {-5.0f, 0.0f, -5.0f});
    peer.ClearSent();

    Advance(29.9, 0.05);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_INVISIBILITY_ENDED).empty());
    EXPECT_TRUE(Player(red).invisible);
    Advance(0.2, 0.05);
    ASSERT_EQ(peer.SentWithId(protocol::ID_INVISIBILITY_ENDED).size(), 1u);
    EXPECT_EQ(peer.SentWithId(protocol::ID_INVISIBILITY_ENDED)[0].parameters,
              (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 2}));
    // The roster sent afterwards does not show the player invisible again.
    Players().BroadcastPlayerList();
    const protocol::PlayerListMessage roster = Sent<protocol::PlayerListMessage>().back();
    for (const auto& entry : roster.players) {
        EXPECT_FALSE(entry.invisible);
    }
    Advance(5.0, 0.05);
    EXPECT_EQ(peer.SentWithId(protocol::ID_INVISIBILITY_ENDED).size(), 1u);
}

TEST_F(Runes, ShieldEndsWithItsAnnouncementAfterThirtySeconds) {
    StartPastSpawn();
    Place(red, kShieldRune);
    state.Update(0.01);
    Place(red, {-5.0f, 0.0f, -5.0f});
    Place(blue, {-3.0f, 0.0f, -5.0f}, {-1.0f, 0.0f, 0.0f});
    Advance(29.9, 0.05);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_SHIELD_ENDED).empty());
    EXPECT_EQ(Player(red).shield, 1.0f);

    Advance(1.1, 0.05);
    EXPECT_EQ(peer.SentWithId(protocol::ID_SHIELD_ENDED).size(), 1u);
    EXPECT_EQ(Player(red).shield, 0.0f);
    Use(blue, AbilityId::MeleeSwing);
    EXPECT_EQ(Health(red), 70.0f) << "no shield after the clients were told it ended";
    EXPECT_TRUE(peer.SentWithId(protocol::ID_SHIELD_VALUE).empty());
}

namespace {

// What ends a round's rune effects early: the round clock starting over because a team emptied, and the
// next round.
enum class EffectsEnd { ClockRestart, RoundStart };

struct HealingEndCase {
    const char* label;
    EffectsEnd end;
};

class HealingEnd : public Runes, public ::testing::WithParamInterface<HealingEndCase> {};

}  // namespace

TEST_P(HealingEnd, StopsTheTicksWhenTheClientsAreToldHealingStopped) {
    StartPastSpawn();
    // Low enough that the ticks of the countdown leave it healing at the round start.
    Players().FindPlayer(red)->health = 10.0f;
    Place(red, kHealRune);
    state.Update(0.01);
    Place(red, {-5.0f, 0.0f, -5.0f});
    ASSERT_TRUE(Player(red).healing);
    if (GetParam().end == EffectsEnd::ClockRestart) {
        state.RemovePlayer(blue);
        state.Update(0.01);
    } else {
        Kill(blue);
        ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_STARTED, 10.5, 0.05));
    }
    std::vector<protocol::HealingStateMessage> told;
    for (const auto& message : Sent<protocol::HealingStateMessage>()) {
        if (message.player == red) {
            told.push_back(message);
        }
    }
    ASSERT_FALSE(told.empty());
    ASSERT_EQ(told.back(), (protocol::HealingStateMessage{red, false}));
    const float health = Health(red);
    peer.ClearSent();

    Advance(10.0, 0.05);
    EXPECT_EQ(Health(red), health);
    EXPECT_FALSE(Player(red).healing);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_PLAYER_HEALTH).empty());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_HEALING_STATE).empty());
}

INSTANTIATE_TEST_SUITE_P(Table, HealingEnd,
                         ::testing::Values(HealingEndCase{"ClockRestart", EffectsEnd::ClockRestart},
                                           HealingEndCase{"RoundStart", EffectsEnd::RoundStart}),
                         [](const ::testing::TestParamInfo<HealingEndCase>& row) {
                             return std::string(row.param.label);
                         });

TEST_F(Runes, NewLevelAnnouncesBothEndsOnceInItsFirstFrame) {
    StartDuel();
    state.Update(0.01);
    EXPECT_EQ(peer.SentWithId(protocol::ID_INVISIBILITY_ENDED).size(), 1u);
    EXPECT_EQ(peer.SentWithId(protocol::ID_SHIELD_ENDED).size(), 1u);
    Advance(1.0);
    EXPECT_EQ(peer.SentWithId(protocol::ID_INVISIBILITY_ENDED).size(), 1u);
    EXPECT_EQ(peer.SentWithId(protocol::ID_SHIELD_ENDED).size(), 1u);
}

TEST_F(Runes, RoundStartRemovesEveryRuneAndEndsTheEffects) {
    StartPastSpawn();
    Place(red, kShieldRune);
    state.Update(0.01);
    Kill(blue);
    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_STARTED, 11.0, 0.05));
    std::vector<std::int32_t> removed;
    for (const auto& message : Sent<protocol::RuneRemovedMessage>()) {
        removed.push_back(message.type);
    }
    EXPECT_EQ(removed, (std::vector<std::int32_t>{0, 1, 2}));
    EXPECT_EQ(peer.SentWithId(protocol::ID_RUNE_REMOVED)[0].parameters,
              (protocol::SendParameters{RakNet::MEDIUM_PRIORITY, RakNet::RELIABLE, 1}));
    EXPECT_EQ(Player(red).shield, 0.0f);
    EXPECT_EQ(Present(), (std::vector<bool>{false, false, false}));
    // The shield's timer runs on, but its end was announced with the reset.
    const std::size_t ends = peer.SentWithId(protocol::ID_SHIELD_ENDED).size();
    Advance(25.0, 0.05);
    EXPECT_EQ(peer.SentWithId(protocol::ID_SHIELD_ENDED).size(), ends);
}

TEST_F(Runes, LevelWithRunesOutOfOrderPairsEachRuneWithItsOwnKind) {
    StartPastSpawn({RuneLine("Shield", kShieldRune), RuneLine("Heal", kHealRune),
                    RuneLine("Invisible", kInvisibilityRune)});
    Place(red, kShieldRune);
    state.Update(0.01);
    EXPECT_EQ(Sent<protocol::ShieldRuneTakenMessage>(), std::vector<protocol::ShieldRuneTakenMessage>{{red}});
    EXPECT_EQ(Player(red).shield, 1.0f);
    const protocol::RuneStateMessage runes = RuneState();
    EXPECT_EQ(runes.runes[0].rune, Placement(RuneType::Heal, kHealRune));
    EXPECT_EQ(runes.runes[1].rune, Placement(RuneType::Invisible, kInvisibilityRune));
    EXPECT_FALSE(runes.runes[2].present);
    EXPECT_EQ(runes.runes[2].rune, Placement(RuneType::Shield, kShieldRune));
}

TEST_F(Runes, LevelLackingARuneNeverSpawnsItAndReportsItAbsent) {
    StartLevel({}, {RuneLine("Shield", kShieldRune), RuneLine("Heal", kHealRune)});
    red = Join(1);
    blue = Join(2);
    Place(red, kInvisibilityRune);
    Place(blue, {5.0f, 0.0f, -5.0f});
    Advance(30.1, 0.05);

    // Without an invisibility rune no ID_RUNES_SPAWNED can be filled: each rune appears on its own.
    EXPECT_TRUE(peer.SentWithId(protocol::ID_RUNES_SPAWNED).empty());
    EXPECT_EQ(Sent<protocol::HealRuneRespawnedMessage>(),
              (std::vector<protocol::HealRuneRespawnedMessage>{{Placement(RuneType::Heal, kHealRune)},
                                                               {Placement(RuneType::Shield, kShieldRune)}}));
    EXPECT_EQ(Present(), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(RuneState().runes[1].rune.type, 1);
    EXPECT_FALSE(Player(red).invisible);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_INVISIBILITY_RUNE_TAKEN).empty());
}

TEST_F(Runes, LevelWithoutRunesSpawnsNothing) {
    StartLevel({}, {});
    red = Join(1);
    blue = Join(2);
    Advance(95.0, 0.1);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_RUNES_SPAWNED).empty());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_HEAL_RUNE_RESPAWNED).empty());
    EXPECT_EQ(Present(), (std::vector<bool>{false, false, false}));
}
