// Thrown fans: outward flight, the turn, the catch, cuts on enemies, walls and orphans.
#include <gtest/gtest.h>

#include <cmath>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerProjectileMessages.h"
#include "server/FanManager.h"

using protocol::AbilityId;
using RakNet::RakNetGUID;

namespace {

class Fan : public CombatFixture {
protected:
    // Runs frames of 0.01 s until the fan is removed; returns the seconds passed (-1 after limit) and keeps
    // the fan's last position.
    double FlyUntilRemoved(double limit) {
        for (double passed = 0.01; passed < limit; passed += 0.01) {
            state.Update(0.01);
            const auto fans = state.GetFanManager()->GetObjects();
            if (fans.empty()) {
                return passed;
            }
            last = fans[0];
        }
        return -1.0;
    }
    FanRecord last;
};

}  // namespace

TEST_F(Fan, TurnsOnceAfterOneAndAHalfSecondsAndIsCaughtByItsOwner) {
    StartDuel();
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {-30.0f, 0.0f, -30.0f});
    Use(red, AbilityId::FanBoomerangAbility);
    const int id = Sent<protocol::FanAddMessage>().at(0).fanId;
    peer.ClearSent();

    // Out 1.5 s at 17 units per second from one unit ahead, then back the same way.
    const double caught = FlyUntilRemoved(5.0);
    EXPECT_NEAR(caught, 3.0, 0.08);
    EXPECT_LT(std::fabs(last.position.x), 1.5f);
    const auto turns = Sent<protocol::FanReturningMessage>();
    ASSERT_EQ(turns.size(), 1u);
    EXPECT_EQ(turns[0].fanId, id);
    EXPECT_LE(turns[0].remainingOutwardTime, 0.0f);
    EXPECT_GT(turns[0].remainingOutwardTime, -0.011f);
    EXPECT_EQ(Sent<protocol::FanRemoveMessage>(), std::vector<protocol::FanRemoveMessage>{{id}});
    EXPECT_EQ(Health(red), 100.0f);
}

TEST_F(Fan, CutsEnemiesItPassesOnTheWayOutAndBack) {
    StartDuel();
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {10.0f, 0.0f, 0.0f});
    Use(red, AbilityId::FanBoomerangAbility);
    peer.ClearSent();
    FlyUntilRemoved(5.0);

    EXPECT_LT(Health(blue), 100.0f - 5.0f);
    const auto effects = Sent<protocol::HitEffectMessage>();
    ASSERT_FALSE(effects.empty());
    for (const auto& effect : effects) {
        EXPECT_EQ(effect.ability, 9);
    }
}

TEST_F(Fan, WallOnTheWayOutTurnsItBack) {
    StartDuel({WallLine({6.0f, 2.0f, 0.0f}, {0.2f, 3.0f, 3.0f})});
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {-30.0f, 0.0f, -30.0f});
    Use(red, AbilityId::FanBoomerangAbility);
    peer.ClearSent();

    const double caught = FlyUntilRemoved(3.0);
    // About 0.28 s out to the wall, the same back.
    EXPECT_GT(caught, 0.4);
    EXPECT_LT(caught, 0.8);
    EXPECT_EQ(Sent<protocol::FanReturningMessage>().size(), 1u);
}

TEST_F(Fan, WallMetAfterReturningForAWhileBreaksIt) {
    // Behind the thrower: the fan meets it only on its way back to the owner, who has stepped behind it.
    StartDuel({WallLine({-5.0f, 2.0f, 0.0f}, {0.2f, 3.0f, 3.0f})});
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {-30.0f, 0.0f, -30.0f});
    Use(red, AbilityId::FanBoomerangAbility);
    Place(red, {-10.0f, 0.0f, 0.0f});
    peer.ClearSent();

    EXPECT_GT(FlyUntilRemoved(5.0), 0.0);
    EXPECT_GT(last.position.x, -5.5f) << "broken at the wall, not caught";
    EXPECT_LT(last.position.x, -4.0f);
    EXPECT_EQ(Sent<protocol::FanReturningMessage>().size(), 1u);
    EXPECT_EQ(Sent<protocol::FanRemoveMessage>().size(), 1u);
}

TEST_F(Fan, WallBetweenTheReturningFanAndItsOwnerDoesNotHoldItTurning) {
    // The fan turns just before the wall; its owner stands behind the wall.
    StartDuel({WallLine({27.5f, 2.0f, 0.0f}, {0.2f, 3.0f, 3.0f})});
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {-30.0f, 0.0f, -30.0f});
    Use(red, AbilityId::FanBoomerangAbility);
    Advance(1.45, 0.01);
    Place(red, {40.0f, 0.0f, 0.0f});
    peer.ClearSent();

    EXPECT_GT(FlyUntilRemoved(2.0), 0.0);
    EXPECT_EQ(Sent<protocol::FanReturningMessage>().size(), 1u);
}

TEST_F(Fan, OfAPlayerWhoLeftGoes) {
    StartDuel();
    Place(red, {0.0f, 0.0f, 0.0f});
    Use(red, AbilityId::FanBoomerangAbility);
    state.RemovePlayer(red);
    peer.ClearSent();
    state.Update(0.01);
    EXPECT_EQ(Sent<protocol::FanRemoveMessage>().size(), 1u);
    EXPECT_TRUE(state.GetFanManager()->GetObjects().empty());
}

TEST_F(Fan, ReturningRightAboveItsOwnerKeepsItsDirection) {
    StartDuel();
    Place(red, {0.0f, 0.0f, 0.0f});
    FanManager& fans = *state.GetFanManager();
    ASSERT_TRUE(fans.AddFan({1.0f, 2.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, red));
    fans.Update(1.0, Players());
    Place(red, fans.GetObjects()[0].position);
    fans.Update(0.6, Players());

    const FanRecord fan = fans.GetObjects()[0];
    EXPECT_EQ(fan.direction.x, 1.0f);
    EXPECT_EQ(fan.direction.z, 0.0f);
    EXPECT_NEAR(fan.position.x, 18.0f - 17.0f * 0.6f, 1e-4f);
}
