// The walking logic: the angle between two directions, the walk bands, the eighth-turn rounding Q(x), the
// hip yaw of every band and side, and the hips of a standing ninja turning towards its facing.
#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>

#include <glm/geometric.hpp>

#include "client/world/AnimationState.h"
#include "client/world/HipYaw.h"
#include "client/world/tests/SkeletonFixture.h"

namespace {

constexpr float kPi = 3.14159265f;

glm::vec3 HipDirection(float yaw) {
    return glm::vec3(-std::sin(yaw), 0.0f, -std::cos(yaw));
}

glm::vec3 FacingAt(float degrees) {
    return HipDirection(glm::radians(degrees));
}

TEST(LegClipsTest, SnapToEighthTurnRoundsToTheNearestEighthOnlyWithinTheFirstTurn) {
    struct Case {
        float x;
        float eighths;
    };
    const Case cases[] = {
        {0.0f, 0},  {0.3f, 0},   {0.4f, 1},   {1.1f, 1}, {1.2f, 2}, {6.0f, 8},  // 7.64 eighths rounds up to 8
        {6.9f, 8},                             // 8.79 eighths is beyond the first turn: cut to 8
        {-0.5f, 0}, {-1.0f, -1}, {-1.4f, -1},  // -1.78 eighths: negative angles are cut, not rounded
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(SnapToEighthTurn(c.x), c.eighths * kEighthTurn) << c.x;
    }
}

TEST(LegClipsTest, WalkBandBoundsCountAsSideways) {
    struct Case {
        float c;
        WalkBand band;
    };
    const Case cases[] = {
        {0.0f, WalkBand::Forward},     {1.1774f, WalkBand::Forward},  {1.1775f, WalkBand::Sideways},
        {1.5708f, WalkBand::Sideways}, {1.9625f, WalkBand::Sideways}, {1.9626f, WalkBand::Backward},
        {3.1416f, WalkBand::Backward},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyWalk(c.c), c.band) << c.c;
    }
}

// (0.1, 0, -0.4) with itself has a computed cosine one rounding step above 1.
TEST(LegClipsTest, AngleBetweenStaysFiniteWhenTheCosineRoundsOutsideOne) {
    const glm::vec3 a(0.1f, 0.0f, -0.4f);
    ASSERT_GT(glm::dot(a, a) / (glm::length(a) * glm::length(a)), 1.0f) << "the fixture no longer rounds up";
    struct Case {
        const char* name;
        glm::vec3 b;
        float angle;
    };
    const Case cases[] = {
        {"same", a, 0.0f},
        {"opposite", -a, kPi},
        {"at right angles", {0.0f, 1.0f, 0.0f}, kPi / 2.0f},
        {"zero", {0.0f, 0.0f, 0.0f}, 0.0f},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(AngleBetween(a, c.b), c.angle, 1e-6f) << c.name;
    }
}

TEST(LegClipsTest, WalkingAlongAFacingWhoseCosineRoundsAboveOneRunsForwardWithFiniteMatrices) {
    const glm::vec3 direction(0.1f, 0.0f, -0.4f);
    const TestSkeleton skeleton = SmallNinja();
    AnimationState state = MakeNinja(NinjaClips(skeleton));
    state.SetFacing(direction);
    state.ChooseLegClips(direction, kStep);
    EXPECT_EQ(state.GetLowerClip().name, "RunF");
    EXPECT_TRUE(std::isfinite(state.GetLowerBodyYaw()));
    for (const glm::mat4& m : state.Advance(kStep)) {
        for (int c = 0; c < 4; ++c) {
            for (int r = 0; r < 4; ++r) {
                ASSERT_TRUE(std::isfinite(m[c][r]));
            }
        }
    }
}

// The hips point along a forward diagonal walk, against a backward diagonal walk and along the facing for
// any other walk, snapped to eighths of a turn, on either side of the facing and for facings on either
// side of the reference forward.
TEST(LegClipsTest, HipsFollowTheWalkBandOnEverySide) {
    const glm::vec3 minusZ(0.0f, 0.0f, -1.0f);
    const glm::vec3 plusX(1.0f, 0.0f, 0.0f);
    const float d = std::sqrt(0.5f);
    struct Case {
        const char* name;
        glm::vec3 facing;
        glm::vec3 walk;
        const char* lowerClip;
        glm::vec3 hips;
    };
    const Case cases[] = {
        {"-z, forward diagonal to -x", minusZ, {-1, 0, -1}, "RunF", {-d, 0, -d}},
        {"-z, forward diagonal to +x", minusZ, {1, 0, -1}, "RunF", {d, 0, -d}},
        {"-z, backward diagonal to -x", minusZ, {-1, 0, 1}, "RunB", {d, 0, -d}},
        {"-z, backward diagonal to +x", minusZ, {1, 0, 1}, "RunB", {-d, 0, -d}},
        {"-z, straight on", minusZ, {0, 0, -2}, "RunF", minusZ},
        {"-z, sideways", minusZ, {-1, 0, 0}, "RunL", minusZ},
        {"-z, straight back", minusZ, {0, 0, 1}, "RunB", minusZ},
        {"+x, forward diagonal to -z", plusX, {1, 0, -1}, "RunF", {d, 0, -d}},
        {"+x, forward diagonal to +z", plusX, {1, 0, 1}, "RunF", {d, 0, d}},
        {"+x, backward diagonal to -z", plusX, {-1, 0, -1}, "RunB", {d, 0, d}},
        {"+x, backward diagonal to +z", plusX, {-1, 0, 1}, "RunB", {d, 0, -d}},
        {"+x, sideways", plusX, {0, 0, 1}, "RunR", plusX},
        {"36.9 degrees off -z, straight on", {0.6f, 0, -0.8f}, {0.6f, 0, -0.8f}, "RunF", {d, 0, -d}},
    };
    const TestSkeleton skeleton = SmallNinja();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnimationState state = MakeNinja(NinjaClips(skeleton));
        state.SetFacing(c.facing);
        state.ChooseLegClips(c.walk, kStep);
        EXPECT_EQ(state.GetLowerClip().name, c.lowerClip);
        EXPECT_TRUE(Near(HipDirection(state.GetLowerBodyYaw()), c.hips, 0.01f));
    }
}

TEST(LegClipsTest, StandingHipsTurnAtFourTimesTheGapOnceItIsWiderThanAnEighthAndAHalf) {
    struct Case {
        float facingDegrees;
        double frameTime;
        float yaw;
        const char* lowerClip;
    };
    const Case cases[] = {
        {30.0f, 0.1, 0.4f * 0.5235988f, "Turn"},
        {-30.0f, 0.1, 0.4f * (6.28f - 0.5235988f - 2.0f * kPi), "Turn"},  // the yaw wraps round
        {20.0f, 0.1, 0.0f, "IdleL"},
        {-20.0f, 0.1, 0.0f, "IdleL"},
        {30.0f, 0.5, 0.5235988f, "Turn"},  // a long frame stops at the facing
    };
    const TestSkeleton skeleton = SmallNinja();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.facingDegrees) + " degrees over " + std::to_string(c.frameTime) + " s");
        AnimationState state = MakeNinja(NinjaClips(skeleton));
        state.SetFacing(FacingAt(c.facingDegrees));
        state.ChooseLegClips(glm::vec3(0.0f), c.frameTime);
        EXPECT_NEAR(state.GetLowerBodyYaw(), c.yaw, 1e-4f);
        EXPECT_EQ(state.GetUpperClip().name, "IdleA");
        EXPECT_EQ(state.GetLowerClip().name, c.lowerClip);
    }
}

}  // namespace
