// A single object on the null engine: where its world matrix and its collision volumes put the model, what a
// model the library lacks draws, which props are foliage, and an animated prop's pose and light.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <glm/gtc/quaternion.hpp>

#include "Lumagrid/GE.h"
#include "client/world/AnimatedObject.h"
#include "client/world/Object.h"
#include "client/world/tests/ObjectFixture.h"
#include "client/world/tests/SkeletonFixture.h"

namespace ombrin::test {
namespace {

constexpr float kQuarter = std::numbers::pi_v<float> / 2.0f;

glm::vec3 ToVec3(const Float3& v) {
    return {v.x, v.y, v.z};
}

// A point through a recorded matrix (16 floats in memory order, starting at first).
glm::vec3 Through(const std::vector<float>& values, std::size_t first, const glm::vec3& point) {
    glm::mat4 m;
    for (int i = 0; i < 16; ++i) {
        (&m[0][0])[i] = values[first + static_cast<std::size_t>(i)];
    }
    return glm::vec3(m * glm::vec4(point, 1.0f));
}

using ObjectTest = ObjectFixture;

// Roll about z first, then pitch about x, then yaw about y: a box and a sphere off the model's origin land
// where that turn and the move take them, the box keeps its half-sizes and takes the turn, and the drawn
// world matrix puts the model's points in the same places.
TEST_F(ObjectTest, VolumesAndTheDrawnMatrixPlaceTheModelAlike) {
    SaveStaticModel("Crate", 1.0f, {MakeCollisionBox({1.0f, 0.0f, 0.0f}, {1.0f, 2.0f, 3.0f})},
                    {CollisionSphere{{0.0f, 1.0f, 0.0f}, 0.5f}});
    LoadModels();
    struct Case {
        const char* name;
        glm::vec3 rotation;
        glm::vec3 boxCentre;     // model point (1, 0, 0) placed
        glm::vec3 sphereCentre;  // model point (0, 1, 0) placed
    };
    const glm::vec3 at{5.0f, 0.0f, 7.0f};
    const Case cases[] = {
        {"unturned", {0, 0, 0}, at + glm::vec3(1, 0, 0), at + glm::vec3(0, 1, 0)},
        {"a quarter turn about y", {0, kQuarter, 0}, at + glm::vec3(0, 0, -1), at + glm::vec3(0, 1, 0)},
        {"a quarter of roll", {0, 0, kQuarter}, at + glm::vec3(0, 1, 0), at + glm::vec3(-1, 0, 0)},
        // Up is tipped forward by the pitch, then swung to +x by the yaw; the other order leaves it at +z.
        {"pitch then yaw", {kQuarter, kQuarter, 0}, at + glm::vec3(0, 0, -1), at + glm::vec3(1, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Object object;
        ASSERT_TRUE(object.Initialize("../Ombrin/Models/CrateShape.ZMD", at, c.rotation, glm::vec3(1.0f)));
        const ObjectVolumes& volumes = object.GetVolumes();
        ASSERT_EQ(volumes.boxes.size(), 1u);
        ASSERT_EQ(volumes.spheres.size(), 1u);
        const CollisionOBB& box = volumes.boxes[0];
        EXPECT_TRUE(Near(ToVec3(box.center), c.boxCentre));
        EXPECT_EQ(box.halfSizes, (Float3{1.0f, 2.0f, 3.0f}));
        EXPECT_NEAR(box.radius, 3.0f * std::sqrt(2.0f), 1e-5f);
        const glm::quat turn(box.orientation.w, box.orientation.x, box.orientation.y, box.orientation.z);
        EXPECT_TRUE(Near(turn * glm::vec3(1, 0, 0) + at, c.boxCentre)) << "the box's orientation";
        EXPECT_TRUE(Near(ToVec3(volumes.spheres[0].center), c.sphereCentre));
        EXPECT_EQ(volumes.spheres[0].radius, 0.5f);

        ClearCalls();
        object.Render();
        const auto draws = Calls("RenderScene");
        ASSERT_EQ(draws.size(), 1u);
        // RenderScene records the buffer, the count, then the matrix.
        EXPECT_TRUE(Near(Through(draws[0].values, 2, {1, 0, 0}), c.boxCentre));
        EXPECT_TRUE(Near(Through(draws[0].values, 2, {0, 1, 0}), c.sphereCentre));
    }
}

// The scale applies before the turn; the volumes keep the model's sizes.
TEST_F(ObjectTest, TheWorldMatrixScalesBeforeItTurns) {
    SaveStaticModel("Crate");
    LoadModels();
    Object object;
    object.Initialize("../Ombrin/Models/CrateShape.ZMD", {5, 0, 0}, {0, kQuarter, 0}, {2, 1, 1});
    EXPECT_TRUE(Near(glm::vec3(object.GetWorldMatrix() * glm::vec4(1, 0, 0, 1)), {5, 0, -2}));
}

TEST_F(ObjectTest, AModelTheLibraryLacksDrawsNothingAndBlocksNothing) {
    LoadModels();
    Object object;
    EXPECT_FALSE(object.Initialize("../Ombrin/Models/MissingShape.ZMD", {1, 2, 3}));
    EXPECT_TRUE(object.GetVolumes().boxes.empty());
    EXPECT_TRUE(object.GetVolumes().spheres.empty());
    object.SetInstanceIndex(0);
    ClearCalls();
    object.Render();
    object.RenderForward();
    object.RenderDepth();
    object.RenderDepthInstanced();
    object.RenderInstanced();
    EXPECT_TRUE(Lumaspace::GE::GetInstance()->GetRecordedCalls().empty());
}

TEST_F(ObjectTest, FoliageIsTheBushesAndTheTrees) {
    const struct {
        const char* path;
        bool foliage;
    } cases[] = {
        {"../Ombrin/Models/BushShape.ZMD", true},        {"../Ombrin/Models/MapleTreeShape.ZMD", true},
        {"../Ombrin/Models/bonsai_treeShape.ZMD", true}, {"../Ombrin/Models/CrateShape.ZMD", false},
        {"../Ombrin/Models/bushShape.ZMD", false},
    };
    for (const auto& c : cases) {
        Object object;
        object.Initialize(c.path, {0, 0, 0});
        EXPECT_EQ(object.IsFoliage(), c.foliage) << c.path;
    }
}

// A prop with two animations plays the first on its lower layer. The pose moves on in the depth pass, once
// per frame, and the scene pass draws the same pose; the "lightEmitter" joint lights the scene from its
// place in the world.
TEST_F(ObjectTest, AnAnimatedPropMovesItsPoseInTheDepthPassAndLightsFromItsEmitterJoint) {
    // The lower clip carries the hips one unit along z per frame.
    const TestSkeleton skeleton = SmallNinja();
    std::vector<Pose> walk;
    for (int f = 0; f < 4; ++f) {
        walk.push_back(
            {{}, {{"Hip", skeleton.BindPosition("Hip") + glm::vec3(0.0f, 0.0f, static_cast<float>(f))}}});
    }
    SaveAnimatedModel("Lantern", {skeleton.Clip("Walk", walk), skeleton.Still("Rest")});
    LoadModels();
    AnimatedObject prop;
    ASSERT_TRUE(prop.Initialize("../Ombrin/Models/LanternShape.ZMD", {10, 0, 0}, {0, 0, 0}, {1, 1, 1}));

    ClearCalls();
    prop.Update(0.0625);  // 1.25 frames of the clip
    prop.RenderDepth();
    prop.RenderDepth();
    prop.Render();
    const auto depth = Calls("RenderAnimatedDepth");
    const auto scene = Calls("RenderAnimated");
    ASSERT_EQ(depth.size(), 2u);
    ASSERT_EQ(scene.size(), 1u);
    // The bone lists follow the buffer, count, matrix and texture (depth) or textures (scene).
    const std::vector<float> firstBones(depth[0].values.begin() + 19, depth[0].values.end());
    const std::vector<float> secondBones(depth[1].values.begin() + 19, depth[1].values.end());
    const std::vector<float> sceneBones(scene[0].values.begin() + 20, scene[0].values.end());
    EXPECT_EQ(secondBones, firstBones) << "a second depth draw in one frame does not move the pose";
    EXPECT_EQ(sceneBones, firstBones);
    ASSERT_FALSE(firstBones.empty());
    EXPECT_EQ(firstBones[0], static_cast<float>(skeleton.Count()));

    EXPECT_TRUE(Near(JointPosition(prop.GetAnimation(), skeleton, "Hip"),
                     skeleton.BindPosition("Hip") + glm::vec3(0.0f, 0.0f, 1.0f)))
        << "the lower clip moved on by its first frame";

    const auto lights = Calls("AddNewPointLight");
    ASSERT_EQ(lights.size(), 2u);
    const glm::vec3 expected = glm::vec3(10, 0, 0) + prop.GetAnimation().GetLightPosition();
    for (const auto& light : lights) {
        // Ambient, diffuse and specular (four floats each), then the position and the range.
        EXPECT_TRUE(Near({light.values[12], light.values[13], light.values[14]}, expected));
    }
    EXPECT_EQ(lights[0].values[15], 5.0f);
    EXPECT_EQ(lights[1].values[15], 0.5f);
}

}  // namespace
}  // namespace ombrin::test
