// A fan's flight frame by frame: outward along its direction, back towards its owner once returning, and the
// returns without a way home (on its owner's spot, owner gone).
#include <gtest/gtest.h>

#include <glm/geometric.hpp>

#include "client/world/effects/FanBoomerang.h"

namespace {

TEST(FanBoomerangTest, OutwardAndReturningFlight) {
    struct Case {
        const char* name;
        glm::vec3 position;
        bool returning;
        bool hasOwner;
        glm::vec3 owner;
        glm::vec3 direction;  // after the frame
        glm::vec3 moved;      // position after a frame of 0.1 s at speed 10
    };
    const Case cases[] = {
        {"outward", {0, 1, 0}, false, true, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}},
        {"returning", {4, 1, 3}, true, true, {0, 0, 0}, {0.8f, 0, 0.6f}, {3.2f, 1, 2.4f}},
        {"on its owner", {2, 1, 2}, true, true, {2, 0, 2}, {1, 0, 0}, {1, 1, 2}},
        {"owner gone", {2, 1, 2}, true, false, {}, {1, 0, 0}, {1, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FanBoomerang fan;
        fan.SetPosition(c.position);
        fan.SetDirection({1, 0, 0});
        fan.SetSpeed(10.0f);
        fan.Update(0.1f, c.returning, c.hasOwner ? &c.owner : nullptr);
        EXPECT_NEAR(glm::length(fan.GetDirection() - c.direction), 0.0f, 1e-5f);
        EXPECT_NEAR(glm::length(fan.GetPosition() - c.moved), 0.0f, 1e-5f);
        EXPECT_NEAR(fan.GetRotation().y, FanBoomerang::kSpinRate * 0.1f, 1e-5f);
    }
}

}  // namespace
