// The ground under the window's pixels, with the match's overhead camera: the pixel rows count downwards, so
// the top of the window shows the ground beyond the player; and the facing towards a ground point.
#include <gtest/gtest.h>

#include <cmath>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "client/app/GroundProjection.h"

namespace ombrin::test {
namespace {

constexpr float kWidth = 1280.0f;
constexpr float kHeight = 1024.0f;

// The match camera over a player at (4, 0, 6): 30 up and 15 behind, looking at the player.
struct Overhead {
    glm::mat4 view = glm::lookAtLH(glm::vec3(4, 30, -9), glm::vec3(4, 0, 6), glm::vec3(0, 1, 0));
    glm::mat4 projection = glm::perspectiveLH_ZO(0.7853982f, kWidth / kHeight, 0.1f, 1000.0f);
};

TEST(GroundProjectionTest, PixelsMapToTheGroundTheyShow) {
    const Overhead camera;
    const struct {
        const char* name;
        float x;
        float y;
        bool (*holds)(const glm::vec3&);
    } cases[] = {
        {"the centre shows the player", 640, 512,
         [](const glm::vec3& p) { return std::fabs(p.x - 4) < 1e-3f && std::fabs(p.z - 6) < 1e-3f; }},
        {"the top shows the ground beyond it", 640, 0, [](const glm::vec3& p) { return p.z > 6.5f; }},
        {"the bottom shows the ground before it", 640, 1024, [](const glm::vec3& p) { return p.z < 5.5f; }},
        {"the left shows smaller x", 0, 512, [](const glm::vec3& p) { return p.x < 3.5f; }},
        {"the right shows larger x", 1280, 512, [](const glm::vec3& p) { return p.x > 4.5f; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<glm::vec3> ground =
            GroundUnderPixel(c.x, c.y, kWidth, kHeight, camera.view, camera.projection);
        ASSERT_TRUE(ground);
        EXPECT_NEAR(ground->y, 0.0f, 1e-3f);
        EXPECT_TRUE(c.holds(*ground)) << ground->x << ", " << ground->z;
    }
}

TEST(GroundProjectionTest, APixelWhoseRayMissesTheGroundHasNoPoint) {
    // Looking level along +z, the upper half of the window shows the sky.
    const glm::mat4 view = glm::lookAtLH(glm::vec3(0, 2, 0), glm::vec3(0, 2, 10), glm::vec3(0, 1, 0));
    const Overhead camera;
    EXPECT_FALSE(GroundUnderPixel(640, 100, kWidth, kHeight, view, camera.projection));
    EXPECT_TRUE(GroundUnderPixel(640, 1000, kWidth, kHeight, view, camera.projection));
}

TEST(GroundProjectionTest, TheScreensGroundIsWiderBeyondThePlayer) {
    const Overhead camera;
    const ScreenGround ground = GroundOfScreen(kWidth, kHeight, camera.view, camera.projection);
    EXPECT_GT(ground.topRight.x - ground.topLeft.x, ground.bottomRight.x - ground.bottomLeft.x);
    EXPECT_LT(ground.MinZ(), 6.0f);
    EXPECT_GT(ground.MaxZ(), 6.0f);
    const VisibilityExtents extents = VisibilityExtentsOf(ground);
    EXPECT_NEAR(extents.horizontal, ground.topRight.x - ground.centre.x, 1e-4f);
    EXPECT_NEAR(extents.vertical, 1.1f * (ground.topLeft.z - ground.centre.z), 1e-4f);
}

TEST(GroundProjectionTest, TheFacingPointsAtTheGroundPointOrStays) {
    const glm::vec3 previous{0, 0, 1};
    const float inf = INFINITY;
    const struct {
        const char* name;
        glm::vec3 player;
        glm::vec3 point;
        glm::vec3 facing;
    } cases[] = {
        {"along x", {1, 0, 1}, {5, 0, 1}, {1, 0, 0}},
        {"diagonally, height ignored", {0, 1, 0}, {-3, 0, -4}, {-0.6f, 0, -0.8f}},
        {"on the player", {2, 0, 3}, {2, 0, 3}, previous},
        {"half a millimetre from the player", {2, 0, 3}, {2.0005f, 0, 3}, previous},
        {"a point at infinity", {0, 0, 0}, {inf, 0, 0}, previous},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const glm::vec3 facing = FacingTowards(c.player, c.point, previous);
        EXPECT_NEAR(facing.x, c.facing.x, 1e-5f);
        EXPECT_EQ(facing.y, 0.0f);
        EXPECT_NEAR(facing.z, c.facing.z, 1e-5f);
    }
}

}  // namespace
}  // namespace ombrin::test
