// The one damage operation: health, shields, deaths, kills and what everybody is told about a hit.
#include <gtest/gtest.h>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerRuneMessages.h"

using protocol::AbilityId;
using RakNet::RakNetGUID;

namespace {

constexpr std::int32_t kSwing = static_cast<std::int32_t>(AbilityId::MeleeSwing);
constexpr std::int32_t kSuddenDeath = static_cast<std::int32_t>(AbilityId::SuddenDeath);
const protocol::SendParameters kReliableHealth{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 2};
const protocol::SendParameters kUnreliableHealth{RakNet::HIGH_PRIORITY, RakNet::UNRELIABLE_SEQUENCED, 2};

class Damage : public CombatFixture {
protected:
    void SetUp() override {
        CombatFixture::SetUp();
        StartDuel();
        Place(red, {1.0f, 0.0f, 2.0f});
        Place(blue, {3.0f, 0.0f, 4.0f});
        peer.ClearSent();
    }
    void Hit(const RakNetGUID& victim, float amount, const RakNetGUID& attacker,
             std::int32_t ability = kSwing, bool noFeedback = false) {
        Players().Damage(victim, amount, attacker, ability, noFeedback);
    }
};

}  // namespace

TEST_F(Damage, HitOnHealthIsSentToAllWithFeedbackToTheAttacker) {
    Hit(blue, 15.0f, red);
    EXPECT_EQ(Health(blue), 85.0f);
    EXPECT_EQ(peer.SentIds(), (std::vector<int>{protocol::ID_PLAYER_HEALTH, protocol::ID_DAMAGE_DEALT,
                                                protocol::ID_HIT_EFFECT, protocol::ID_PLAY_SOUND}));
    const SentMessage health = peer.Sent()[0];
    EXPECT_TRUE(health.IsToAll());
    EXPECT_EQ(health.parameters, kUnreliableHealth);
    EXPECT_EQ(health.Decode<protocol::PlayerHealthMessage>(),
              (protocol::PlayerHealthMessage{blue, 85.0f, true}));
    EXPECT_TRUE(peer.Sent()[1].IsTo(red));
    EXPECT_EQ(peer.Sent()[1].Decode<protocol::DamageDealtMessage>(),
              (protocol::DamageDealtMessage{red, 15.0f, {3.0f, 0.0f, 4.0f}}));
    EXPECT_EQ(peer.Sent()[2].Decode<protocol::HitEffectMessage>(),
              (protocol::HitEffectMessage{kSwing, {3.0f, 0.0f, 4.0f}}));
    EXPECT_EQ(Sounds(), std::vector<std::int32_t>{28});
}

TEST_F(Damage, KillAnnouncesNoticeAndStatsBeforeTheHealth) {
    Hit(blue, 90.0f, red);
    peer.ClearSent();
    Hit(blue, 15.0f, red);

    EXPECT_FALSE(Player(blue).alive);
    EXPECT_EQ(Player(blue).deaths, 1);
    EXPECT_EQ(Player(red).kills, 1);
    EXPECT_EQ(peer.SentIds(),
              (std::vector<int>{protocol::ID_PLAY_SOUND, protocol::ID_KILL_NOTICE, protocol::ID_KILL_STATS,
                                protocol::ID_PLAYER_HEALTH, protocol::ID_DAMAGE_DEALT,
                                protocol::ID_HIT_EFFECT, protocol::ID_PLAY_SOUND}));
    EXPECT_EQ(Sounds(), (std::vector<std::int32_t>{26, 28}));
    EXPECT_EQ(Sent<protocol::KillNoticeMessage>(),
              (std::vector<protocol::KillNoticeMessage>{{blue, red, kSwing}}));
    EXPECT_EQ(Sent<protocol::KillStatsMessage>(),
              (std::vector<protocol::KillStatsMessage>{{blue, red, 1, 1}}));
    // Below zero, unclamped, and reliable.
    const SentMessage health = peer.SentWithId(protocol::ID_PLAYER_HEALTH)[0];
    EXPECT_EQ(health.Decode<protocol::PlayerHealthMessage>(),
              (protocol::PlayerHealthMessage{blue, -5.0f, false}));
    EXPECT_EQ(health.parameters, kReliableHealth);

    // The dead take no further hit.
    peer.ClearSent();
    Hit(blue, 15.0f, red);
    EXPECT_TRUE(peer.Sent().empty());
    EXPECT_EQ(Health(blue), -5.0f);
}

TEST_F(Damage, TessenNinjaHasItsOwnVoice) {
    const RakNetGUID tessen = Join(2, 1);
    Hit(tessen, 15.0f, red);
    Hit(tessen, 100.0f, red);
    EXPECT_EQ(Sounds(), (std::vector<std::int32_t>{29, 27, 29}));
}

TEST_F(Damage, ShieldAbsorbsOneHitWhateverItsDamageThenTheNextHitsFully) {
    Players().SetShield(blue);
    Hit(blue, 30.0f, red);
    EXPECT_EQ(Health(blue), 100.0f);
    EXPECT_EQ(Player(blue).shield, 0.0f);
    EXPECT_EQ(peer.SentIds(), (std::vector<int>{protocol::ID_SHIELD_VALUE, protocol::ID_DAMAGE_DEALT,
                                                protocol::ID_HIT_EFFECT, protocol::ID_PLAY_SOUND}));
    EXPECT_EQ(Sent<protocol::ShieldValueMessage>(),
              (std::vector<protocol::ShieldValueMessage>{{blue, 0.0f}}));
    EXPECT_EQ(Sent<protocol::DamageDealtMessage>()[0].damage, 30.0f) << "the attacker still sees its damage";

    Hit(blue, 30.0f, red);
    EXPECT_EQ(Health(blue), 70.0f);
}

TEST_F(Damage, SuddenDeathKillCountsADeathButNoKillAndGivesNoFeedback) {
    Hit(blue, 99.0f, blue, kSuddenDeath, true);
    peer.ClearSent();
    Hit(blue, 2.1f, blue, kSuddenDeath, true);

    EXPECT_FALSE(Player(blue).alive);
    EXPECT_EQ(Player(blue).deaths, 1);
    EXPECT_EQ(Player(blue).kills, 0);
    EXPECT_EQ(Sent<protocol::KillNoticeMessage>(),
              (std::vector<protocol::KillNoticeMessage>{{blue, blue, kSuddenDeath}}));
    EXPECT_EQ(Sent<protocol::KillStatsMessage>(),
              (std::vector<protocol::KillStatsMessage>{{blue, blue, 1, 0}}));
    EXPECT_TRUE(peer.SentWithId(protocol::ID_DAMAGE_DEALT).empty());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_HIT_EFFECT).empty());
    EXPECT_EQ(Sounds(), std::vector<std::int32_t>{26}) << "the death sound, no hurt sound";
}

TEST_F(Damage, KillByAPlayerWhoLeftCountsNothing) {
    const RakNetGUID gone(555);
    Hit(blue, 120.0f, gone);
    EXPECT_FALSE(Player(blue).alive);
    EXPECT_EQ(Player(blue).deaths, 0);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_KILL_NOTICE).empty());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_KILL_STATS).empty());
    EXPECT_EQ(peer.SentWithId(protocol::ID_PLAYER_HEALTH).size(), 1u);
}

TEST_F(Damage, AnyHitEndsHealingAndInvisibilityEvenOnAShield) {
    Players().StartHealing(blue);
    Players().SetInvisible(blue);
    Players().SetShield(blue);
    peer.ClearSent();

    Hit(blue, 10.0f, red);
    const PlayerRecord hit = Player(blue);
    EXPECT_FALSE(hit.healing);
    EXPECT_FALSE(hit.invisible);
    EXPECT_EQ(hit.healAmount, 0.0f);
    EXPECT_EQ(hit.health, 100.0f);
    ASSERT_FALSE(peer.Sent().empty());
    EXPECT_EQ(peer.Sent()[0].Decode<protocol::HealingStateMessage>(),
              (protocol::HealingStateMessage{blue, false}));
}

namespace {

struct HiddenCase {
    const char* label;
    bool shield;
    bool invisible;
    std::vector<int> sent;
};

class HitOnTheHidden : public Damage, public ::testing::WithParamInterface<HiddenCase> {};

}  // namespace

// A hit ends the victim's invisibility. The clients learn it from the health message, or, when a shield
// absorbed the hit and no health message goes out, from ID_INVISIBILITY_ENDED.
TEST_P(HitOnTheHidden, TellsTheClientsTheInvisibilityEnded) {
    if (GetParam().shield) {
        Players().SetShield(blue);
    }
    if (GetParam().invisible) {
        Players().SetInvisible(blue);
    }
    Hit(blue, 30.0f, red);
    EXPECT_FALSE(Player(blue).invisible);
    EXPECT_EQ(peer.SentIds(), GetParam().sent);
    for (const SentMessage& ended : peer.SentWithId(protocol::ID_INVISIBILITY_ENDED)) {
        EXPECT_TRUE(ended.IsToAll());
        EXPECT_EQ(ended.parameters, (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 2}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, HitOnTheHidden,
    ::testing::Values(HiddenCase{"ShieldedAndInvisible",
                                 true,
                                 true,
                                 {protocol::ID_SHIELD_VALUE, protocol::ID_INVISIBILITY_ENDED,
                                  protocol::ID_DAMAGE_DEALT, protocol::ID_HIT_EFFECT,
                                  protocol::ID_PLAY_SOUND}},
                      HiddenCase{"ShieldedOnly",
                                 true,
                                 false,
                                 {protocol::ID_SHIELD_VALUE, protocol::ID_DAMAGE_DEALT,
                                  protocol::ID_HIT_EFFECT, protocol::ID_PLAY_SOUND}},
                      HiddenCase{"InvisibleOnly",
                                 false,
                                 true,
                                 {protocol::ID_PLAYER_HEALTH, protocol::ID_DAMAGE_DEALT,
                                  protocol::ID_HIT_EFFECT, protocol::ID_PLAY_SOUND}}),
    [](const ::testing::TestParamInfo<HiddenCase>& row) { return std::string(row.param.label); });

// Damage over time collected but not yet dealt never reaches into another life: a death drops it, and so
// does the start of the next round for those who survived.
TEST_F(Damage, CollectedDamageOverTimeDiesWithThePlayerAndEndsWithTheRound) {
    const RakNetGUID mate = Join(1);
    Players().SetAreaDamage(blue, 0.8f);
    Players().SetAreaDamage(red, 1.5f);
    Players().SetAreaDamage(mate, 0.5f);
    Hit(blue, 150.0f, red);
    EXPECT_FALSE(Player(blue).alive);
    EXPECT_EQ(Player(blue).areaDamage, 0.0f);
    EXPECT_EQ(Player(red).areaDamage, 1.5f) << "until the round ends";

    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_STARTED, 10.5, 0.05));
    for (const RakNetGUID& player : {red, blue, mate}) {
        EXPECT_EQ(Player(player).areaDamage, 0.0f);
    }
}

TEST_F(Damage, UnknownVictimIsIgnored) {
    Hit(RakNetGUID(999), 50.0f, red);
    EXPECT_TRUE(peer.Sent().empty());
}
