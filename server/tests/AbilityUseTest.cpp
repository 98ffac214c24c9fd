// Using an ability: the sounds, the object or action of each of the sixteen abilities, the acknowledgement,
// and the requests that are only acknowledged.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerConnectionMessages.h"
#include "protocol/ServerProjectileMessages.h"
#include "protocol/ServerRuneMessages.h"
#include "protocol/ServerThrownMessages.h"

using protocol::AbilityId;
using RakNet::RakNetGUID;

namespace {

const protocol::SendParameters kAckParameters{RakNet::HIGH_PRIORITY, RakNet::UNRELIABLE, 3};
const protocol::SendParameters kObjectParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 3};
constexpr int kNothing = 0;

struct AbilityCase {
    const char* label;
    std::int32_t ability;
    std::vector<std::int32_t> sounds;
    int created;  // the message that shows the ability's effect, kNothing for none
};

class Abilities : public CombatFixture {
protected:
    void SetUp() override {
        CombatFixture::SetUp();
        StartDuel();
        // Nobody within reach of anything.
        Place(red, {1.0f, 0.5f, 2.0f}, {0.0f, 0.0f, 1.0f});
        Place(blue, {-40.0f, 0.0f, -40.0f});
        peer.ClearSent();
    }
};

class EveryAbility : public Abilities, public ::testing::WithParamInterface<AbilityCase> {};

}  // namespace

TEST_P(EveryAbility, PlaysItsSoundsActsAndIsAcknowledged) {
    const AbilityCase& row = GetParam();
    state.UseAbility(row.ability, 10.0f, red);

    EXPECT_EQ(Sounds(), row.sounds);
    for (const SentMessage& sound : peer.SentWithId(protocol::ID_PLAY_SOUND)) {
        EXPECT_TRUE(sound.IsToAll());
        EXPECT_EQ(sound.Decode<protocol::PlaySoundMessage>()->position, (protocol::Vec3{1.0f, 0.5f, 2.0f}));
    }
    if (row.created != kNothing) {
        EXPECT_EQ(peer.SentWithId(static_cast<RakNet::MessageID>(row.created)).size(), 1u);
    }
    ASSERT_FALSE(peer.Sent().empty());
    const SentMessage& ack = peer.Sent().back();
    EXPECT_TRUE(ack.IsTo(red));
    EXPECT_EQ(ack.Decode<protocol::UseAbilityAck>(), protocol::UseAbilityAck{row.ability});
    EXPECT_EQ(ack.parameters, kAckParameters);
    EXPECT_EQ(Health(blue), 100.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EveryAbility,
    ::testing::Values(AbilityCase{"Shuriken", 0, {10}, protocol::ID_SHURIKEN_ADD},
                      AbilityCase{"Dash", 1, {9}, protocol::ID_DASH_TARGET},
                      AbilityCase{"MeleeSwing", 2, {4}, kNothing},
                      AbilityCase{"MegaShuriken", 3, {10}, protocol::ID_SHURIKEN_ADD},
                      AbilityCase{"SmokeBomb", 4, {10, 15}, protocol::ID_SMOKEBOMB_ADD},
                      AbilityCase{"Caltrops", 5, {10}, protocol::ID_SPIKETRAP_ADD},
                      AbilityCase{"FanMelee", 6, {4}, kNothing}, AbilityCase{"WhipLash", 7, {5}, kNothing},
                      AbilityCase{"WhipSweep", 8, {6}, kNothing},
                      AbilityCase{"FanBoomerang", 9, {10}, protocol::ID_FAN_ADD},
                      AbilityCase{"NaginataSlash", 10, {16}, kNothing},
                      AbilityCase{"Kunai", 11, {1}, protocol::ID_PROJECTILE_ADD},
                      AbilityCase{"StickyTrap", 12, {10, 21}, protocol::ID_STICKYTRAP_ADD},
                      AbilityCase{"NaginataStab", 13, {17}, protocol::ID_STAB_STARTED},
                      AbilityCase{"Volley", 14, {19}, protocol::ID_VOLLEY_ADD},
                      AbilityCase{"FlashBang", 15, {}, protocol::ID_FLASH_BANG},
                      AbilityCase{"SuddenDeathNumber", 16, {}, kNothing},
                      AbilityCase{"Negative", -1, {}, kNothing}, AbilityCase{"Unknown", 99, {}, kNothing}),
    [](const ::testing::TestParamInfo<AbilityCase>& row) { return std::string(row.param.label); });

TEST_F(Abilities, UnknownNumbersSendNothingButTheAcknowledgement) {
    for (const std::int32_t ability : {16, -1, 99, std::numeric_limits<std::int32_t>::min()}) {
        peer.ClearSent();
        state.UseAbility(ability, 3.0f, red);
        EXPECT_EQ(peer.SentIds(), std::vector<int>{protocol::ID_USE_ABILITY}) << ability;
    }
}

TEST_F(Abilities, FlyingObjectsLeaveTheHandWithTheirSpeeds) {
    Use(red, AbilityId::ShurikenAbility);
    Use(red, AbilityId::MegaShuriken);
    Use(red, AbilityId::KunaiAbility);
    Use(red, AbilityId::FanBoomerangAbility);

    const auto shurikens = Sent<protocol::ShurikenAddMessage>();
    ASSERT_EQ(shurikens.size(), 2u);
    EXPECT_EQ(shurikens[0].start, (protocol::Vec3{1.0f, 2.5f, 2.0f}));
    EXPECT_EQ(shurikens[0].direction, (protocol::Vec3{0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(shurikens[0].owner, red);
    EXPECT_EQ(shurikens[0].speed, 40.0f);
    EXPECT_FALSE(shurikens[0].mega);
    EXPECT_EQ(shurikens[1].start, (protocol::Vec3{1.0f, 2.5f, 3.0f}))
        << "a mega shuriken starts one unit ahead";
    EXPECT_EQ(shurikens[1].speed, 25.0f);
    EXPECT_TRUE(shurikens[1].mega);

    const auto kunai = Sent<protocol::ProjectileAddMessage>();
    ASSERT_EQ(kunai.size(), 1u);
    EXPECT_EQ(kunai[0].start, (protocol::Vec3{1.0f, 2.5f, 2.0f}));
    EXPECT_EQ(kunai[0].kind, 2);
    EXPECT_EQ(kunai[0].speed, 50.0f);

    const auto fans = Sent<protocol::FanAddMessage>();
    ASSERT_EQ(fans.size(), 1u);
    EXPECT_EQ(fans[0].start, (protocol::Vec3{1.0f, 2.5f, 3.0f}));
    EXPECT_EQ(fans[0].speed, 17.0f);

    for (const int id : {protocol::ID_SHURIKEN_ADD, protocol::ID_PROJECTILE_ADD, protocol::ID_FAN_ADD}) {
        for (const SentMessage& sent : peer.SentWithId(static_cast<RakNet::MessageID>(id))) {
            EXPECT_TRUE(sent.IsToAll());
            EXPECT_EQ(sent.parameters, kObjectParameters);
        }
    }
    EXPECT_EQ(state.GetShurikenManager()->GetObjects().size(), 2u);
    EXPECT_EQ(state.GetFanManager()->GetObjects().size(), 1u);
}

namespace {

struct ThrowCase {
    const char* label;
    float distance;
    float expectedZ;  // the target's z (the thrower stands at z = 2 facing +z)
};

class ThrowDistance : public Abilities, public ::testing::WithParamInterface<ThrowCase> {};

}  // namespace

TEST_P(ThrowDistance, LandsAtMostTwentyAheadAndShorterThrowsStayAsAimed) {
    Use(red, AbilityId::SmokeBombAbility, GetParam().distance);
    Use(red, AbilityId::SpikeAbility, GetParam().distance);
    Use(red, AbilityId::StickyTrapAbility, GetParam().distance);
    Use(red, AbilityId::VolleyAbility, GetParam().distance);
    Use(red, AbilityId::FlashBangAbility, GetParam().distance);
    const protocol::GroundPoint from{1.0f, 2.0f};
    const protocol::GroundPoint to{1.0f, GetParam().expectedZ};

    const auto smoke = Sent<protocol::SmokeBombAddMessage>();
    const auto spikes = Sent<protocol::SpikeTrapAddMessage>();
    const auto sticky = Sent<protocol::StickyTrapAddMessage>();
    const auto volleys = Sent<protocol::VolleyAddMessage>();
    const auto flashes = Sent<protocol::FlashBangMessage>();
    ASSERT_EQ(smoke.size() + spikes.size() + sticky.size() + volleys.size() + flashes.size(), 5u);
    EXPECT_EQ(smoke[0].start, from);
    EXPECT_EQ(smoke[0].target, to);
    EXPECT_EQ(spikes[0].target, to);
    EXPECT_EQ(spikes[0].owner, red);
    EXPECT_EQ(spikes[0].ownerTeam, 1);
    EXPECT_EQ(sticky[0].target, to);
    EXPECT_EQ(sticky[0].owner, red);
    EXPECT_EQ(volleys[0].target, to);
    EXPECT_EQ(volleys[0].owner, red);
    EXPECT_EQ(flashes[0], (protocol::FlashBangMessage{from, to}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ThrowDistance,
    ::testing::Values(ThrowCase{"Aimed", 7.5f, 9.5f}, ThrowCase{"AtTheLimit", 20.0f, 22.0f},
                      ThrowCase{"TooFar", 35.0f, 22.0f}, ThrowCase{"Backward", -4.0f, -2.0f},
                      ThrowCase{"AtTheFeet", 0.0f, 2.0f}),
    [](const ::testing::TestParamInfo<ThrowCase>& row) { return std::string(row.param.label); });

TEST_F(Abilities, DistanceThatIsNoNumberIsOnlyAcknowledged) {
    for (const float distance :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity()}) {
        for (const AbilityId ability : {AbilityId::SmokeBombAbility, AbilityId::ShurikenAbility}) {
            peer.ClearSent();
            Use(red, ability, distance);
            EXPECT_EQ(peer.SentIds(), std::vector<int>{protocol::ID_USE_ABILITY}) << distance;
        }
    }
    EXPECT_TRUE(state.GetSmokeBombManager()->GetObjects().empty());
}

TEST_F(Abilities, FacingTooLongForATargetPointThrowsNothing) {
    Place(red, {0.0f, 0.0f, 0.0f}, {3e38f, 0.0f, 0.0f});
    Use(red, AbilityId::SpikeAbility, 20.0f);
    EXPECT_EQ(peer.SentIds(), std::vector<int>{protocol::ID_USE_ABILITY});
}

TEST_F(Abilities, DeadOrUnknownPlayersUseNothing) {
    Kill(red);
    Use(red, AbilityId::ShurikenAbility);
    Use(RakNetGUID(999), AbilityId::ShurikenAbility);
    EXPECT_TRUE(peer.Sent().empty());
}

TEST_F(Abilities, InvisiblePlayerUsingAnAbilityIsAnnouncedVisibleForGood) {
    Players().SetInvisible(red);
    Use(red, AbilityId::ShurikenAbility);
    EXPECT_EQ(peer.SentIds(), (std::vector<int>{protocol::ID_PLAY_SOUND, protocol::ID_SHURIKEN_ADD,
                                                protocol::ID_USE_ABILITY, protocol::ID_INVISIBILITY_ENDED}));
    // Later rosters agree with what the clients were told.
    Players().BroadcastPlayerList();
    const auto roster = Sent<protocol::PlayerListMessage>();
    ASSERT_EQ(roster.size(), 1u);
    for (const auto& entry : roster[0].players) {
        EXPECT_FALSE(entry.invisible);
    }
    peer.ClearSent();
    Use(red, AbilityId::ShurikenAbility);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_INVISIBILITY_ENDED).empty());
}
