// Thrown arcs and volley kunai: where they fly, when they land, and the throws at the edges of the formulas
// (beyond the reach of the speed, at the thrower's own feet).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <glm/geometric.hpp>

#include "client/world/effects/ThrownArc.h"
#include "client/world/effects/VolleyFlight.h"

namespace {

// The first multiple of step at which the throw is down.
float LandingTime(const ThrownArc& arc, float step = 0.001f) {
    for (float t = step; t < 60.0f; t += step) {
        if (arc.LandedAt(t)) {
            return t;
        }
    }
    return -1.0f;
}

TEST(ThrownArcTest, ASmokeBombThrownTenUnitsFliesItsLowArcAndLandsAtTheTarget) {
    const ThrownArc arc({0, 0, 0}, {6, 0, 8}, ThrownArc::kTrapSpeed, ThrownArc::kTrapHeightScale);
    EXPECT_NEAR(arc.GetLaunchAngle(), 0.0547f, 1e-4f);
    const float landing = LandingTime(arc);
    EXPECT_NEAR(landing, 0.334f, 0.002f);
    float peak = 0.0f;
    for (float t = 0.0f; t < landing; t += 0.001f) {
        peak = std::max(peak, arc.PositionAt(t).y);
    }
    EXPECT_NEAR(peak, 4.1f, 0.1f);
    const glm::vec3 down = arc.PositionAt(landing);
    EXPECT_NEAR(down.x, 6.0f, 0.05f);
    EXPECT_NEAR(down.z, 8.0f, 0.05f);
}

// Beyond d = v^2 / g the arcsine has no value: such a throw takes 45 degrees and lands.
TEST(ThrownArcTest, AThrowBeyondTheReachOfItsSpeedStillLands) {
    struct Case {
        float distance;
        float speed;
    };
    for (const Case c : {Case{45.0f, ThrownArc::kFlashBangSpeed}, Case{120.0f, ThrownArc::kTrapSpeed}}) {
        SCOPED_TRACE(c.distance);
        const ThrownArc arc({0, 0, 0}, {c.distance, 0, 0}, c.speed, 5.0f);
        EXPECT_FLOAT_EQ(arc.GetLaunchAngle(), std::numbers::pi_v<float> / 4.0f);
        const float landing = LandingTime(arc);
        EXPECT_NEAR(landing, 2.0f * c.speed * std::sin(std::numbers::pi_v<float> / 4.0f) / 9.82f, 0.002f);
        EXPECT_TRUE(std::isfinite(arc.PositionAt(landing).x));
    }
}

TEST(ThrownArcTest, AThrowAtItsOwnFeetHasNoDirectionAndLandsThere) {
    const ThrownArc arc({3, 1, 4}, {3, 0, 4}, ThrownArc::kFlashBangSpeed, ThrownArc::kFlashBangHeightScale);
    EXPECT_EQ(arc.GetDirection(), glm::vec3(0.0f));
    EXPECT_TRUE(arc.LandedAt(0.01f));
    const glm::vec3 down = arc.PositionAt(0.01f);
    EXPECT_FLOAT_EQ(down.x, 3.0f);
    EXPECT_FLOAT_EQ(down.z, 4.0f);
}

TEST(VolleyFlightTest, TheEightOuterKunaiLandOnTheCircleRoundTheAimedPoint) {
    const glm::vec3 start(-4, 0, 2);
    const glm::vec3 aimed(10, 0, 7);
    const auto targets = VolleyFlight::Targets(aimed);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        SCOPED_TRACE(i);
        const VolleyFlight kunai(start, targets[i]);
        const glm::vec3 landed = kunai.PositionAt(VolleyFlight::kFlightTime);
        const float fromAim = glm::length(glm::vec3(landed.x - aimed.x, 0.0f, landed.z - aimed.z));
        EXPECT_NEAR(fromAim, i == 0 ? 0.0f : VolleyFlight::kCircleRadius, 1e-3f);
        EXPECT_EQ(kunai.PositionAt(VolleyFlight::kFlightTime + 0.25f),
                  glm::vec3(targets[i].x, 0.3f, targets[i].z));
        EXPECT_FALSE(kunai.FinishedAt(VolleyFlight::kFlightTime + VolleyFlight::kRestTime));
        EXPECT_TRUE(kunai.FinishedAt(VolleyFlight::kFlightTime + VolleyFlight::kRestTime + 0.01f));
    }
}

TEST(VolleyFlightTest, AVolleyAimedAtItsOwnStartHasNoDirectionOrSpeed) {
    const VolleyFlight kunai({2, 0, 2}, {2, 0, 2});
    EXPECT_EQ(kunai.GetDirection(), glm::vec3(0.0f));
    EXPECT_EQ(kunai.GetHorizontalSpeed(), 0.0f);
    const glm::vec3 midway = kunai.PositionAt(VolleyFlight::kFlightTime / 2.0f);
    EXPECT_FLOAT_EQ(midway.x, 2.0f);
    EXPECT_FLOAT_EQ(midway.z, 2.0f);
}

// The pitch compares the climb with the whole ground distance moved, not with its z part alone: a kunai
// flying along x climbs at 45 degrees, not straight up.
TEST(VolleyFlightTest, APitchFollowsTheClimbOverTheGroundDistance) {
    struct Case {
        glm::vec3 motion;
        float pitch;
        float yaw;
    };
    const float quarter = std::numbers::pi_v<float> / 4.0f;
    for (const Case c : {Case{{1, 1, 0}, -quarter, 2.0f * quarter}, Case{{0, -1, 1}, quarter, 0.0f},
                         Case{{3, 0, 4}, 0.0f, std::atan2(3.0f, 4.0f)}}) {
        SCOPED_TRACE(c.motion.x);
        const glm::vec3 heading = HeadingOfMotion({5, 5, 5}, glm::vec3(5, 5, 5) + c.motion);
        EXPECT_NEAR(heading.x, c.pitch, 1e-5f);
        EXPECT_NEAR(heading.y, c.yaw, 1e-5f);
    }
}

}  // namespace
