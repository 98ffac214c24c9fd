// The frame's point lights: the cull box in view space, the two fixed lights, the light buffer's element
// count, and the copies that keep the client's own lights in world space.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "lighting/PointLights.h"

namespace Lumaspace {
namespace {

// Moves the world 100 units along -x and 5 along +y: the fixed lights land far outside the cull box, so a
// table row sees only its own light.
const glm::vec3 kViewShift(-100.0f, 5.0f, 0.0f);

PointLight LightAt(glm::vec3 position, float range) {
    PointLight light;
    light.diffuse = {1.0f, 1.0f, 1.0f, 0.0f};
    light.position = position;
    light.range = range;
    return light;
}

struct CullCase {
    const char* name;
    glm::vec3 viewPosition;
    float range;
    bool kept;
};

TEST(PointLightsTest, KeepsLightsWhoseSphereReachesTheViewBox) {
    const CullCase cases[] = {
        {"x 40, range 14 (40 < 44)", {40.0f, 0.0f, 3.0f}, 14.0f, true},
        {"x 50, range 14", {50.0f, 0.0f, 3.0f}, 14.0f, false},
        {"x on the bound is out", {44.0f, 0.0f, 3.0f}, 14.0f, false},
        {"negative x just inside", {-43.5f, 0.0f, 3.0f}, 14.0f, true},
        {"y 33.5, range 14 (33.5 < 34)", {0.0f, 33.5f, 3.0f}, 14.0f, true},
        {"y -34, range 14", {0.0f, -34.0f, 3.0f}, 14.0f, false},
        {"range 0 keeps the bare box", {29.0f, 19.0f, 0.0f}, 0.0f, true},
        {"depth does not cull", {0.0f, 0.0f, -500.0f}, 1.0f, true},
    };
    const glm::mat4 view = glm::translate(glm::mat4(1.0f), kViewShift);
    for (const CullCase& c : cases) {
        SCOPED_TRACE(c.name);
        PointLights lights;
        lights.Add(LightAt(c.viewPosition - kViewShift, c.range));
        lights.BuildVisible(view);
        if (c.kept) {
            ASSERT_EQ(lights.GetVisible().size(), 1u);
            const glm::vec3 p = lights.GetVisible()[0].position;
            EXPECT_FLOAT_EQ(p.x, c.viewPosition.x);
            EXPECT_FLOAT_EQ(p.y, c.viewPosition.y);
            EXPECT_FLOAT_EQ(p.z, c.viewPosition.z);
        } else {
            EXPECT_TRUE(lights.GetVisible().empty());
        }
        EXPECT_EQ(lights.GetPendingCount(), 0u);
    }
}

TEST(PointLightsTest, TheFixedLightsReachTheCullEveryFrame) {
    PointLights lights;
    lights.BuildVisible(glm::mat4(1.0f));
    ASSERT_EQ(lights.GetVisible().size(), 2u);
    EXPECT_EQ(lights.GetVisible()[0].position, glm::vec3(-33.0f, 8.0f, 0.0f));
    EXPECT_EQ(lights.GetVisible()[1].position, glm::vec3(33.0f, 8.0f, 0.0f));
    for (const PointLight& light : lights.GetVisible()) {
        EXPECT_EQ(light.diffuse, glm::vec4(1.6f, 0.8f, 0.0f, 0.0f));
        EXPECT_EQ(light.specular, glm::vec4(4.0f, 4.0f, 4.0f, 0.0f));
        EXPECT_EQ(light.ambient, glm::vec4(0.0f));
        EXPECT_EQ(light.range, 14.0f);
    }
    EXPECT_EQ(lights.GetBufferElementCount(), 2u);

    // The next frame adds nothing either: the fixed lights come back, once each.
    lights.ClearVisible();
    lights.BuildVisible(glm::mat4(1.0f));
    EXPECT_EQ(lights.GetVisible().size(), 2u);
}

TEST(PointLightsTest, TheBufferNeverHasFewerThanOneElement) {
    const glm::mat4 view = glm::translate(glm::mat4(1.0f), kViewShift);
    for (std::size_t added = 0; added < 4; ++added) {
        SCOPED_TRACE(added);
        PointLights lights;
        for (std::size_t i = 0; i < added; ++i) {
            lights.Add(LightAt(-kViewShift, 5.0f));
        }
        lights.BuildVisible(view);
        EXPECT_EQ(lights.GetVisible().size(), added);
        EXPECT_EQ(lights.GetBufferElementCount(), added < 2 ? 1u : added);
    }
}

TEST(PointLightsTest, TheCallersLightsKeepTheirWorldPositions) {
    const glm::mat4 view = glm::translate(glm::mat4(1.0f), glm::vec3(-2.0f, 0.0f, 10.0f));
    const glm::vec3 world(3.0f, 1.0f, 4.0f);
    PointLight mine = LightAt(world, 6.0f);
    PointLights lights;
    for (int frame = 0; frame < 2; ++frame) {
        SCOPED_TRACE(frame);
        lights.Add(mine);
        lights.BuildVisible(view);
        ASSERT_EQ(lights.GetVisible().size(), 3u);  // the client's light, then the fixed two
        EXPECT_EQ(lights.GetVisible()[0].position, glm::vec3(1.0f, 1.0f, 14.0f));
        EXPECT_EQ(mine.position, world);
        lights.ClearVisible();
    }
}

// A second build in the same frame, before the composition empties the list, replaces the visible list
// rather than drawing every light twice.
TEST(PointLightsTest, ASecondBuildReplacesTheVisibleList) {
    PointLights lights;
    lights.Add(LightAt({0.0f, 0.0f, 5.0f}, 3.0f));
    lights.BuildVisible(glm::mat4(1.0f));
    ASSERT_EQ(lights.GetVisible().size(), 3u);
    lights.BuildVisible(glm::mat4(1.0f));
    EXPECT_EQ(lights.GetVisible().size(), 2u);  // the client's light was not added again
}

}  // namespace
}  // namespace Lumaspace
