// The dash (five rays, the damage of the first body crossed, where it ends) and the naginata stab.
#include <gtest/gtest.h>

#include <cmath>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"

using protocol::AbilityId;
using RakNet::RakNetGUID;

namespace {

// The length along a dash ray (rising 0.1 per unit ahead) to a point dx ahead.
float AlongDashRay(float dx) {
    return dx * std::sqrt(1.01f);
}

class DashAndStab : public CombatFixture {
protected:
    protocol::Vec3 DashTarget() const {
        const auto targets = Sent<protocol::DashTargetMessage>();
        EXPECT_EQ(targets.size(), 1u);
        return targets.empty() ? protocol::Vec3{} : targets.back().target;
    }
};

}  // namespace

TEST_F(DashAndStab, DashStopsOneUnitShortOfTheNearestWallAlongAnyRay) {
    // The wall's face at x = 5: the ray from half a unit to the right of the player meets it first.
    StartDuel({WallLine({5.5f, 1.0f, 0.0f}, {0.5f, 3.0f, 5.0f})});
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {-30.0f, 0.0f, -30.0f});
    peer.ClearSent();

    Use(red, AbilityId::Dash);
    const protocol::Vec3 end = DashTarget();
    EXPECT_NEAR(end.x, AlongDashRay(4.5f) - 1.0f, 1e-3f);
    EXPECT_EQ(end.y, 0.0f);
    EXPECT_EQ(end.z, 0.0f);
    const SentMessage sent = peer.SentWithId(protocol::ID_DASH_TARGET)[0];
    EXPECT_TRUE(sent.IsTo(red));
    EXPECT_EQ(sent.parameters, (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 3}));
}

TEST_F(DashAndStab, DashInTheOpenGoesTwelveUnits) {
    StartDuel();
    Place(red, {2.0f, 1.5f, -3.0f}, {0.0f, 0.0f, -1.0f});
    Place(blue, {-30.0f, 0.0f, 30.0f});
    peer.ClearSent();
    Use(red, AbilityId::Dash);
    const protocol::Vec3 end = DashTarget();
    EXPECT_EQ(end.x, 2.0f);
    EXPECT_EQ(end.y, 1.5f) << "the dasher's own height";
    EXPECT_EQ(end.z, -15.0f);
}

TEST_F(DashAndStab, DashDamagesOnlyTheFirstEnemyItCrosses) {
    StartDuel();
    const RakNetGUID second = Join(2);
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {6.0f, 0.0f, 0.0f});
    Place(second, {3.0f, 0.0f, 0.0f});
    Use(red, AbilityId::Dash);
    EXPECT_EQ(Health(blue), 90.0f) << "first in the list";
    EXPECT_EQ(Health(second), 100.0f);
    EXPECT_EQ(Sent<protocol::HitEffectMessage>()[0].ability, 1);
}

TEST_F(DashAndStab, DashDoesNotReachAnEnemyBehindAWall) {
    StartDuel({WallLine({3.5f, 1.0f, 0.0f}, {0.5f, 3.0f, 5.0f})});
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {6.0f, 0.0f, 0.0f});
    Use(red, AbilityId::Dash);
    EXPECT_EQ(Health(blue), 100.0f);
}

// Stabs belong to the level they started on: loading a level ends every stab in progress.
TEST_F(DashAndStab, ANewLevelEndsEveryStab) {
    StartDuel();
    Use(red, AbilityId::NaginataStab);
    ASSERT_EQ(state.GetStabs().size(), 1u);
    ASSERT_TRUE(state.Reset(0));
    EXPECT_TRUE(state.GetStabs().empty());
}

namespace {

struct StabCase {
    const char* label;
    Float3 facing;
    Float3 target;
    std::vector<std::string> walls;
    bool hurts;
};

class Stab : public DashAndStab, public ::testing::WithParamInterface<StabCase> {};

}  // namespace

TEST_P(Stab, HurtsEnemiesInTheBoxAheadForOneAndAHalfSeconds) {
    const StabCase& row = GetParam();
    StartDuel(row.walls);
    Place(red, {0.0f, 0.0f, 0.0f}, row.facing);
    Place(blue, row.target);
    peer.ClearSent();

    Use(red, AbilityId::NaginataStab);
    EXPECT_EQ(Sent<protocol::StabStartedMessage>(), std::vector<protocol::StabStartedMessage>{{red}});
    EXPECT_TRUE(peer.SentWithId(protocol::ID_STAB_STARTED)[0].IsTo(red));
    Advance(1.6, 0.01);
    const float afterStab = Health(blue);
    if (row.hurts) {
        // 30 per second for 1.5 s, dealt in chunks above 1 at the damage ticks (every 0.11 s with these
        // frames), less what was still collecting when the stab ended.
        EXPECT_GE(100.0f - afterStab, 36.0f);
        EXPECT_LE(100.0f - afterStab, 45.0f);
        for (const auto& effect : Sent<protocol::HitEffectMessage>()) {
            EXPECT_EQ(effect.ability, 13);
        }
    } else {
        EXPECT_EQ(afterStab, 100.0f);
    }
    EXPECT_TRUE(state.GetStabs().empty()) << "the stab ended";
    Advance(1.0, 0.01);
    EXPECT_EQ(Health(blue), afterStab);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Stab,
    ::testing::Values(StabCase{"AheadAlongZ", {0, 0, 1}, {0.0f, 0, 3.5f}, {}, true},
                      StabCase{"TurnedWithTheFacing", {1, 0, 0}, {3.5f, 0, 0.0f}, {}, true},
                      StabCase{"BesideTheBoxMisses", {1, 0, 0}, {0.0f, 0, 3.5f}, {}, false},
                      StabCase{"BeyondTheBoxMisses", {1, 0, 0}, {5.5f, 0, 0.0f}, {}, false},
                      StabCase{"TallWallProtects",
                               {1, 0, 0},
                               {3.5f, 0, 0.0f},
                               {WallLine({1.5f, 1.0f, 0.0f}, {0.1f, 2.0f, 2.0f})},
                               false}),
    [](const ::testing::TestParamInfo<StabCase>& row) { return std::string(row.param.label); });

TEST_F(DashAndStab, StabOfADeadPlayerHurtsNobody) {
    StartDuel();
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {3.0f, 0.0f, 0.0f});
    Use(red, AbilityId::NaginataStab);
    Kill(red);
    Advance(1.0, 0.01);
    EXPECT_EQ(Health(blue), 100.0f);
}
