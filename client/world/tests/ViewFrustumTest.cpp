// The view frustum against spheres: each of the six sides, touching, and the far side moved to the distance
// asked for.
#include <gtest/gtest.h>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "client/world/ViewFrustum.h"
#include "client/world/tests/ObjectFixture.h"

namespace ombrin::test {
namespace {

TEST(ViewFrustumTest, ASphereIsOutsideOnlyWhenWhollyBehindOneSide) {
    const ViewFrustum frustum = LookingAlongZ();
    const struct {
        const char* name;
        glm::vec3 centre;
        float radius;
        bool inside;
    } cases[] = {
        {"ahead", {0, 0, 50}, 1, true},
        {"past the right side, reaching it", {52, 0, 50}, 1.5f, true},
        {"past the right side", {52, 0, 50}, 1.4f, false},
        {"past the left side", {-52, 0, 50}, 1.4f, false},
        {"above", {0, 52, 50}, 1.4f, false},
        {"below", {0, -52, 50}, 1.4f, false},
        {"behind the eye", {0, 0, -2}, 1.0f, false},
        {"around the eye", {0, 0, -2}, 2.5f, true},
        {"past the far side", {0, 0, 1002}, 1.5f, false},
        {"reaching back over the far side", {0, 0, 1002}, 2.5f, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(frustum.ContainsSphere(c.centre, c.radius), c.inside) << c.name;
    }
}

TEST(ViewFrustumTest, TheFarSideMovesToTheDistanceAskedForAndTheNearSideStays) {
    const glm::mat4 view = glm::lookAtLH(glm::vec3(0.0f), glm::vec3(0, 0, 1), glm::vec3(0, 1, 0));
    const glm::mat4 deep = glm::perspectiveLH_ZO(glm::radians(90.0f), 1.0f, 5.0f, 5000.0f);
    const ViewFrustum frustum = ViewFrustum::FromCamera(view, deep);
    EXPECT_TRUE(frustum.ContainsSphere({0, 0, 999}, 0.5f));
    EXPECT_FALSE(frustum.ContainsSphere({0, 0, 1001}, 0.5f));
    EXPECT_FALSE(frustum.ContainsSphere({0, 0, 4}, 0.5f));
    EXPECT_TRUE(frustum.ContainsSphere({0, 0, 6}, 0.5f));
    EXPECT_TRUE(ViewFrustum().ContainsSphere({1e6f, -1e6f, 1e6f}, 0.0f)) << "no camera yet: all in view";
}

}  // namespace
}  // namespace ombrin::test
