// The abilities that strike at once: melee swings, the whip's lash and sweep.
#include <gtest/gtest.h>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "server/MeleeSwing.h"

using protocol::AbilityId;
using RakNet::RakNetGUID;

namespace {

// A wall of half-height 2.0 (blocks every line) and one of half-height 1.0 (only lines that count any wall),
// across the x axis at x = 1.5.
const std::string kTallWall = WallLine({1.5f, 1.0f, 0.0f}, {0.1f, 2.0f, 2.0f});
const std::string kLowWall = WallLine({1.5f, 0.5f, 0.0f}, {0.1f, 1.0f, 2.0f});

struct StrikeCase {
    const char* label;
    AbilityId ability;
    Float3 facing;
    Float3 target;
    std::vector<std::string> walls;
    float damage;  // 0: a miss
};

class Strike : public CombatFixture, public ::testing::WithParamInterface<StrikeCase> {};

}  // namespace

TEST_P(Strike, HitsOrMisses) {
    const StrikeCase& row = GetParam();
    StartDuel(row.walls);
    Place(red, {0.0f, 0.0f, 0.0f}, row.facing);
    Place(blue, row.target);
    peer.ClearSent();

    Use(red, row.ability);
    EXPECT_EQ(Health(blue), 100.0f - row.damage);
    if (row.damage > 0.0f) {
        EXPECT_EQ(Sent<protocol::HitEffectMessage>(),
                  (std::vector<protocol::HitEffectMessage>{
                      {static_cast<std::int32_t>(row.ability), {row.target.x, row.target.y, row.target.z}}}));
    } else {
        EXPECT_TRUE(peer.SentWithId(protocol::ID_HIT_EFFECT).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    MeleeSwing, Strike,
    ::testing::Values(
        // The 3-unit reach touches the 1-unit body sphere up to 4 units away.
        StrikeCase{"SwingAt3_9Hits", AbilityId::MeleeSwing, {1, 0, 0}, {3.9f, 0, 0}, {}, 30.0f},
        StrikeCase{"SwingAt4_1Misses", AbilityId::MeleeSwing, {1, 0, 0}, {4.1f, 0, 0}, {}, 0.0f},
        StrikeCase{"FanMeleeDoes25", AbilityId::FanMelee, {1, 0, 0}, {2.0f, 0, 0}, {}, 25.0f},
        StrikeCase{"NaginataSlashDoes25", AbilityId::NaginataSlash, {1, 0, 0}, {2.0f, 0, 0}, {}, 25.0f},
        // The angle is measured from one unit behind the attacker: 43.5 degrees hits, 46.4 does not.
        StrikeCase{"InsideTheOpening", AbilityId::MeleeSwing, {1, 0, 0}, {1.0f, 0, 1.9f}, {}, 30.0f},
        StrikeCase{"OutsideTheOpening", AbilityId::MeleeSwing, {1, 0, 0}, {1.0f, 0, 2.1f}, {}, 0.0f},
        StrikeCase{"BehindTheAttacker", AbilityId::MeleeSwing, {1, 0, 0}, {-2.0f, 0, 0}, {}, 0.0f},
        // Straight along the facing, even with the point behind right at the target's body.
        StrikeCase{"RightBehindIsSafe", AbilityId::MeleeSwing, {1, 0, 0}, {-0.5f, 0, 0}, {}, 0.0f},
        StrikeCase{
            "LongFacingStraightAhead", AbilityId::MeleeSwing, {0.6f, 0, 0.8f}, {1.2f, 0, 1.6f}, {}, 30.0f},
        StrikeCase{"NoFacingNoSwing", AbilityId::MeleeSwing, {0, 0, 0}, {2.0f, 0, 0}, {}, 0.0f},
        StrikeCase{"LowWallProtects", AbilityId::MeleeSwing, {1, 0, 0}, {3.0f, 0, 0}, {kLowWall}, 0.0f}),
    [](const ::testing::TestParamInfo<StrikeCase>& row) { return std::string(row.param.label); });

INSTANTIATE_TEST_SUITE_P(
    Whip, Strike,
    ::testing::Values(
        StrikeCase{"LashWithin9", AbilityId::WhipPrimaryAttackAbility, {1, 0, 0}, {9.5f, 0, 0}, {}, 15.0f},
        StrikeCase{"LashBeyond9", AbilityId::WhipPrimaryAttackAbility, {1, 0, 0}, {10.5f, 0, 0}, {}, 0.0f},
        // Distances are in world units whatever the facing's length.
        StrikeCase{"LashLongFacing", AbilityId::WhipPrimaryAttackAbility, {4, 0, 0}, {9.5f, 0, 0}, {}, 15.0f},
        StrikeCase{
            "LashOffTheLine", AbilityId::WhipPrimaryAttackAbility, {1, 0, 0}, {5.0f, 0, 1.2f}, {}, 0.0f},
        StrikeCase{"LashOverALowWall",
                   AbilityId::WhipPrimaryAttackAbility,
                   {1, 0, 0},
                   {5.0f, 0, 0},
                   {kLowWall},
                   15.0f},
        StrikeCase{"LashIntoATallWall",
                   AbilityId::WhipPrimaryAttackAbility,
                   {1, 0, 0},
                   {5.0f, 0, 0},
                   {kTallWall},
                   0.0f},
        StrikeCase{
            "SweepAllRound", AbilityId::WhipSecondaryAttackAbility, {1, 0, 0}, {-7.9f, 0, 0}, {}, 25.0f},
        StrikeCase{
            "SweepOutOfReach", AbilityId::WhipSecondaryAttackAbility, {1, 0, 0}, {0, 0, 8.1f}, {}, 0.0f},
        StrikeCase{"SweepOverALowWall",
                   AbilityId::WhipSecondaryAttackAbility,
                   {1, 0, 0},
                   {5.0f, 0, 0},
                   {kLowWall},
                   25.0f},
        StrikeCase{"SweepIntoATallWall",
                   AbilityId::WhipSecondaryAttackAbility,
                   {1, 0, 0},
                   {5.0f, 0, 0},
                   {kTallWall},
                   0.0f}),
    [](const ::testing::TestParamInfo<StrikeCase>& row) { return std::string(row.param.label); });

namespace {

class Strikes : public CombatFixture {
protected:
    // Red at the origin facing +x, and two blues in front of it; the second blue in the list stands nearer.
    void SetUp() override {
        CombatFixture::SetUp();
        StartDuel();
        second = Join(2);
        Place(red, {0.0f, 0.0f, 0.0f});
        Place(blue, {3.0f, 0.0f, 0.0f});
        Place(second, {2.0f, 0.0f, 0.0f});
    }
    RakNetGUID second;
};

}  // namespace

TEST_F(Strikes, SwingAndLashHitOnlyTheFirstEnemyInListOrder) {
    Use(red, AbilityId::MeleeSwing);
    EXPECT_EQ(Health(blue), 70.0f);
    EXPECT_EQ(Health(second), 100.0f);
    Use(red, AbilityId::WhipPrimaryAttackAbility);
    EXPECT_EQ(Health(blue), 55.0f);
    EXPECT_EQ(Health(second), 100.0f);
}

TEST_F(Strikes, SweepHitsEveryEnemy) {
    Use(red, AbilityId::WhipSecondaryAttackAbility);
    EXPECT_EQ(Health(blue), 75.0f);
    EXPECT_EQ(Health(second), 75.0f);
}

TEST_F(Strikes, TeamMatesAndTheDeadAreNoTargets) {
    const RakNetGUID mate = Join(1);
    Place(mate, {1.5f, 0.0f, 0.0f});
    Kill(blue);
    Use(red, AbilityId::MeleeSwing);
    EXPECT_EQ(Health(mate), 100.0f);
    EXPECT_EQ(Health(second), 70.0f) << "the first living enemy";
}

TEST(SwingReach, AngleOfATargetStraightAheadIsNeverLostToRounding) {
    // Facings whose cosine with the line to the target rounds to just above 1.
    for (const Float3 facing :
         {Float3{0.6f, 0.0f, 0.8f}, Float3{0.1f, 0.0f, 0.3f}, Float3{1e-3f, 0.0f, 7e-3f},
          Float3{0.7071068f, 0.0f, 0.7071068f}, Float3{3.0f, 0.0f, 1.0f}}) {
        for (const float ahead : {0.5f, 1.0f, 1.7f, 2.9f}) {
            const Float3 target{facing.x * ahead, 0.0f, facing.z * ahead};
            EXPECT_EQ(SwingReaches({0.0f, 0.0f, 0.0f}, facing, target),
                      std::sqrt(target.x * target.x + target.z * target.z) <= 4.0f &&
                          std::hypot(target.x + facing.x, target.z + facing.z) > 0.8f)
                << facing.x << "," << facing.z << " x " << ahead;
        }
    }
}
