// Shurikens, mega shurikens and kunai in flight: hits on enemies, obstacles and the end of their lifetime.
#include <gtest/gtest.h>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerProjectileMessages.h"

using protocol::AbilityId;
using RakNet::RakNetGUID;

namespace {

struct FlyingCase {
    const char* label;
    AbilityId ability;
    float damage;
    std::int32_t hitEffect;  // the ability the hit is recorded as
    std::int32_t impactSound;
    int removal;  // the remove message
    float lifetime;
};

class Flying : public CombatFixture, public ::testing::WithParamInterface<FlyingCase> {
protected:
    // The time until the first removal message, in frames of 0.01 s; -1 when none came within limit.
    double SecondsUntilRemoval(double limit) {
        for (double passed = 0.01; passed < limit; passed += 0.01) {
            state.Update(0.01);
            if (!peer.SentWithId(static_cast<RakNet::MessageID>(GetParam().removal)).empty()) {
                return passed;
            }
        }
        return -1.0;
    }
};

}  // namespace

TEST_P(Flying, HitsTheFirstEnemyInListOrderAndGoes) {
    const FlyingCase& row = GetParam();
    StartDuel();
    const RakNetGUID second = Join(2);
    Place(red, {0.0f, 0.0f, 0.0f});
    // Both in the path side by side: the shuriken reaches them in the same frame.
    Place(blue, {10.0f, 0.0f, 0.3f});
    Place(second, {10.0f, 0.0f, -0.3f});
    Use(red, row.ability);
    peer.ClearSent();

    ASSERT_GT(SecondsUntilRemoval(1.0), 0.0);
    EXPECT_EQ(Health(blue), 100.0f - row.damage);
    EXPECT_EQ(Health(second), 100.0f);
    const auto effects = Sent<protocol::HitEffectMessage>();
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].ability, row.hitEffect);
    EXPECT_EQ(Sounds(), (std::vector<std::int32_t>{28, row.impactSound}));
    EXPECT_EQ(peer.SentIds().back(), row.removal);
    EXPECT_EQ(peer.SentWithId(static_cast<RakNet::MessageID>(row.removal))[0].parameters,
              (protocol::SendParameters{RakNet::MEDIUM_PRIORITY, RakNet::RELIABLE, 3}));
}

TEST_P(Flying, StopsAtAWallWithoutHarm) {
    const FlyingCase& row = GetParam();
    StartDuel({WallLine({5.0f, 1.0f, 0.0f}, {0.2f, 3.0f, 3.0f})});
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {10.0f, 0.0f, 0.0f});
    Use(red, row.ability);
    peer.ClearSent();

    const double seconds = SecondsUntilRemoval(1.0);
    EXPECT_GT(seconds, 0.0);
    EXPECT_LT(seconds, 10.0 / 25.0);
    EXPECT_EQ(Sounds(), std::vector<std::int32_t>{row.impactSound});
    EXPECT_EQ(Health(blue), 100.0f);
}

TEST_P(Flying, EndsAfterItsLifetime) {
    const FlyingCase& row = GetParam();
    StartDuel();
    Place(red, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
    Place(blue, {10.0f, 0.0f, 0.0f});
    Use(red, row.ability);
    peer.ClearSent();

    EXPECT_NEAR(SecondsUntilRemoval(row.lifetime + 1.0), row.lifetime, 0.011);
    EXPECT_TRUE(Sounds().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Flying,
    ::testing::Values(
        FlyingCase{"Shuriken", AbilityId::ShurikenAbility, 15.0f, 0, 12, protocol::ID_SHURIKEN_REMOVE, 3.0f},
        FlyingCase{"MegaShuriken", AbilityId::MegaShuriken, 30.0f, 0, 14, protocol::ID_SHURIKEN_REMOVE, 4.0f},
        FlyingCase{"Kunai", AbilityId::KunaiAbility, 10.0f, 11, 2, protocol::ID_PROJECTILE_REMOVE, 2.0f}),
    [](const ::testing::TestParamInfo<FlyingCase>& row) { return std::string(row.param.label); });

namespace {

class Shuriken : public CombatFixture {};

}  // namespace

TEST_F(Shuriken, FliesThroughTeamMates) {
    StartDuel();
    const RakNetGUID mate = Join(1);
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(mate, {5.0f, 0.0f, 0.0f});
    Place(blue, {10.0f, 0.0f, 0.0f});
    Use(red, AbilityId::ShurikenAbility);
    Advance(0.5);
    EXPECT_EQ(Health(mate), 100.0f);
    EXPECT_EQ(Health(blue), 85.0f);
}

namespace {

struct LeftOwnerCase {
    const char* label;
    AbilityId ability;
};

class LeftOwner : public CombatFixture, public ::testing::WithParamInterface<LeftOwnerCase> {};

}  // namespace

// An object keeps its owner's side after the owner left: it spares the owner's former team mates and still
// hurts their enemies.
TEST_P(LeftOwner, ObjectSparesTheOwnersFormerTeamMates) {
    StartLevel();
    red = Join(1);
    const RakNetGUID mate = Join(1);
    blue = Join(2);
    Place(red, {0.0f, 0.0f, 0.0f});
    // Side by side where a throw lands and in the path of a shot: the mate first in the list.
    Place(mate, {5.0f, 0.0f, 0.2f});
    Place(blue, {5.0f, 0.0f, -0.2f});
    Use(red, GetParam().ability, 5.0f);
    state.RemovePlayer(red);
    Advance(1.5);
    EXPECT_EQ(Health(mate), 100.0f);
    EXPECT_LT(Health(blue), 100.0f);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_KILL_NOTICE).empty());
}

INSTANTIATE_TEST_SUITE_P(Table, LeftOwner,
                         ::testing::Values(LeftOwnerCase{"Shuriken", AbilityId::ShurikenAbility},
                                           LeftOwnerCase{"MegaShuriken", AbilityId::MegaShuriken},
                                           LeftOwnerCase{"Kunai", AbilityId::KunaiAbility},
                                           LeftOwnerCase{"Volley", AbilityId::VolleyAbility},
                                           LeftOwnerCase{"Caltrops", AbilityId::SpikeAbility}),
                         [](const ::testing::TestParamInfo<LeftOwnerCase>& row) {
                             return std::string(row.param.label);
                         });

TEST_F(Shuriken, RoundStartClearsLyingObjectsSilently) {
    StartDuel();
    Place(blue, {-40.0f, 0.0f, -40.0f});
    for (const AbilityId ability : {AbilityId::SpikeAbility, AbilityId::StickyTrapAbility}) {
        Use(red, ability, 5.0f);
    }
    Kill(blue);
    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_COUNTDOWN_START, 0.1));
    Advance(9.5, 0.05);
    // A volley still in the air when the round starts.
    Use(red, AbilityId::VolleyAbility, 5.0f);
    EXPECT_EQ(state.GetSpikeTrapManager()->GetObjects().size(), 1u);
    EXPECT_EQ(state.GetStickyTrapManager()->GetObjects().size(), 1u);
    EXPECT_EQ(state.GetVolleyManager()->GetObjects().size(), 1u);

    ASSERT_TRUE(AdvanceUntil(protocol::ID_ROUND_STARTED, 2.0, 0.05));
    EXPECT_TRUE(state.GetSpikeTrapManager()->GetObjects().empty());
    EXPECT_TRUE(state.GetStickyTrapManager()->GetObjects().empty());
    EXPECT_TRUE(state.GetVolleyManager()->GetObjects().empty());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_SPIKETRAP_REMOVE).empty());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_STICKYTRAP_REMOVE).empty());
}
