// The object manager on the null engine: groups and their instance buffers, the runs of props in view and
// how each is drawn, the view's margins, foliage, the level's emitter and sound records per manager, the
// buffers given back at shutdown, the volumes handed to the collision manager, and the generated arena.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "Lumagrid/GE.h"
#include "client/world/CollisionManager.h"
#include "client/world/Model.h"
#include "client/world/ObjectManager.h"
#include "client/world/tests/ObjectFixture.h"
#include "client/world/tests/SkeletonFixture.h"
#include "shared/LevelData.h"
#include "shared/ModelLibrary.h"

namespace ombrin::test {
namespace {

using Lumaspace::GE;
using Lumaspace::RecordedCall;

// An entity line placing name at the game's (x, y, z), unturned (the file's z has the other sign).
std::string At(const std::string& name, float x, float y, float z) {
    return name + " " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(-z) + " 0 0 0";
}

// In view of LookingAlongZ, and far behind it.
std::string Seen(const std::string& name, float x = 0.0f) {
    return At(name, x, 0.0f, 50.0f);
}
std::string Unseen(const std::string& name) {
    return At(name, 0.0f, 0.0f, -100.0f);
}

class ObjectManagerTest : public ObjectFixture {
protected:
    void SetUp() override {
        ObjectFixture::SetUp();
        for (const char* name : {"Crate", "Barrel", "Bush"}) {
            SaveStaticModel(name, 1.0f, {MakeCollisionBox({0, 0, 0}, {1, 1, 1})});
        }
    }

    // Initialises the manager on a level of these entities, in view of LookingAlongZ, and runs one frame.
    void Show(ObjectManager& manager, const std::vector<std::string>& entities, double frameTime = 0.0) {
        LoadModels();
        ASSERT_TRUE(manager.Initialize(WriteLevel("Test.ZMDL", entities)));
        manager.SetViewFrustum(LookingAlongZ());
        ClearCalls();
        manager.Update(frameTime);
    }

    // Both passes as the menu draws them.
    static void DrawPasses(ObjectManager& manager) {
        manager.RenderAnimatedDepth();
        manager.RenderDepthInstanced();
        manager.RenderDepth();
        manager.RenderAnimated();
        manager.RenderInstanced();
        manager.Render();
    }

    static std::vector<int> InstanceIndices(const std::string& operation) {
        std::vector<int> indices;
        for (const RecordedCall& call : Calls(operation)) {
            indices.push_back(static_cast<int>(call.values.back()));
        }
        return indices;
    }

    ObjectManager m_manager;
};

// Consecutive records of one model are one group with one buffer of their matrices; the same model after
// another model starts a new group.
TEST_F(ObjectManagerTest, ConsecutiveRecordsOfOneModelShareABufferAndAnotherModelBetweenSplitsThem) {
    LoadModels();
    ClearCalls();
    ASSERT_TRUE(m_manager.Initialize(
        WriteLevel("Test.ZMDL", {Seen("Crate_1"), Seen("Crate_2"), Seen("Barrel_1"), Seen("Crate_3")})));
    const auto added = Calls("AddInstanceBuffer");
    ASSERT_EQ(added.size(), 3u);
    EXPECT_EQ(added[0].values[0], 2.0f);
    EXPECT_EQ(added[1].values[0], 1.0f);
    EXPECT_EQ(added[2].values[0], 1.0f);

    const auto& objects = m_manager.GetStaticObjects();
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[0]->GetInstanceIndex(), objects[1]->GetInstanceIndex());
    const std::set<int> groups{objects[0]->GetInstanceIndex(), objects[2]->GetInstanceIndex(),
                               objects[3]->GetInstanceIndex()};
    EXPECT_EQ(groups.size(), 3u) << "the second run of crates has a buffer of its own";
    EXPECT_EQ(GE::GetInstance()->GetNumberOfInstanceBuffer(), 3);
}

// A run of two or more is written to its buffer once in the frame and drawn once per pass, instanced; a
// prop alone in view is drawn alone, never instanced.
TEST_F(ObjectManagerTest, ARunIsDrawnInstancedAndALonePropAlone) {
    Show(m_manager, {Seen("Crate_1", -2.0f), Seen("Crate_2", 2.0f), Seen("Barrel_1")});
    const int crates = m_manager.GetStaticObjects()[0]->GetInstanceIndex();
    const auto uploads = Calls("UpdateInstanceBuffers");
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_EQ(uploads[0].values, (std::vector<float>{2.0f, static_cast<float>(crates)}));

    ClearCalls();
    DrawPasses(m_manager);
    EXPECT_EQ(InstanceIndices("RenderInstanced"), std::vector<int>{crates});
    EXPECT_EQ(InstanceIndices("RenderDepthInstanced"), std::vector<int>{crates});
    const Model& barrel =
        static_cast<const Model&>(ModelLibrary::GetInstance().Get("../Ombrin/Models/BarrelShape.ZMD"));
    const auto singles = Calls("RenderScene");
    ASSERT_EQ(singles.size(), 1u);
    EXPECT_EQ(singles[0].handle, barrel.GetBuffer().id);
    ASSERT_EQ(Calls("RenderDepth").size(), 1u);
    EXPECT_EQ(Calls("RenderDepth")[0].handle, barrel.GetBuffer().id);
    EXPECT_TRUE(Calls("UpdateInstanceBuffers").empty()) << "the passes draw what the update wrote";
}

// Two groups of crates that the level file separates by a barrel out of view are two runs: each is written
// to its own group's buffer, which holds exactly its members, and drawn with it.
TEST_F(ObjectManagerTest, GroupsOfOneModelSeparatedByPropsOutOfViewStayTwoRuns) {
    Show(m_manager, {Seen("Crate_1", -6.0f), Seen("Crate_2", -2.0f), Unseen("Barrel_1"),
                     Seen("Crate_3", 2.0f), Seen("Crate_4", 6.0f)});
    const auto& objects = m_manager.GetStaticObjects();
    const int first = objects[0]->GetInstanceIndex();
    const int second = objects[3]->GetInstanceIndex();
    ASSERT_NE(first, second);
    const auto uploads = Calls("UpdateInstanceBuffers");
    ASSERT_EQ(uploads.size(), 2u);
    EXPECT_EQ(uploads[0].values, (std::vector<float>{2.0f, static_cast<float>(first)}));
    EXPECT_EQ(uploads[1].values, (std::vector<float>{2.0f, static_cast<float>(second)}));
    EXPECT_TRUE(Diagnostics().empty()) << Diagnostics().front();

    ClearCalls();
    DrawPasses(m_manager);
    EXPECT_EQ(InstanceIndices("RenderInstanced"), (std::vector<int>{first, second}));
    EXPECT_EQ(InstanceIndices("RenderDepthInstanced"), (std::vector<int>{first, second}));
    EXPECT_TRUE(Calls("RenderScene").empty());
}

// Props count as in view up to the margin of their kind beyond the frustum (measured past its right side
// here): static props 10 past their radius in both passes, animated props 7 in the scene pass and 3 in the
// depth pass.
TEST_F(ObjectManagerTest, APropBeyondTheViewByMoreThanItsMarginCostsNoDraw) {
    const TestSkeleton skeleton = SmallNinja();
    SaveAnimatedModel("Bird", {skeleton.Still("Fly"), skeleton.Still("Rest")});
    const float radius = 1.0f;
    struct Case {
        const char* name;
        const char* entity;
        float beyond;  // distance of the centre past the right side, beyond the model's radius
        int sceneDraws;
        int depthDraws;
    };
    const Case cases[] = {
        {"static, just inside its margin", "Crate_1", 9.5f, 1, 1},
        {"static, just past its margin", "Crate_1", 10.5f, 0, 0},
        {"animated, inside both margins", "Bird_Animated_1", 2.5f, 1, 1},
        {"animated, past the depth margin only", "Bird_Animated_1", 5.0f, 1, 0},
        {"animated, past both margins", "Bird_Animated_1", 7.5f, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The right side is the plane x = z; a centre at z = 100 is d past it at x = 100 + d * sqrt(2).
        const float x = 100.0f + (radius + c.beyond) * std::numbers::sqrt2_v<float>;
        ObjectManager manager;
        Show(manager, {At(c.entity, x, 0.0f, 100.0f)});
        ClearCalls();
        DrawPasses(manager);
        EXPECT_EQ(Calls("RenderScene").size() + Calls("RenderAnimated").size(),
                  static_cast<std::size_t>(c.sceneDraws));
        EXPECT_EQ(Calls("RenderDepth").size() + Calls("RenderAnimatedDepth").size(),
                  static_cast<std::size_t>(c.depthDraws));
        EXPECT_TRUE(Calls("RenderInstanced").empty());
    }
}

TEST_F(ObjectManagerTest, FoliageSwaysOnlyWhileInView) {
    Show(m_manager, {Seen("Bush_1"), Unseen("Bush_2")});
    m_manager.Update(0.5);
    m_manager.Update(0.5);
    const auto& objects = m_manager.GetStaticObjects();
    const double expected = (std::sin(0.5) + std::sin(1.0)) * 0.0001;
    EXPECT_NEAR(objects[0]->GetRotation().y, expected, 1e-9);
    EXPECT_EQ(objects[1]->GetRotation().y, 0.0f);
    EXPECT_EQ(objects[1]->GetSwayTime(), 0.0);
}

// The level's emitters in file order, and a looping sound at each brazier and torch (fire), where dust
// drifts (wind) and at the bird (birds). Each manager keeps its own: building or releasing one level does
// not touch another manager's.
TEST_F(ObjectManagerTest, EmittersAndAmbientSoundsAreTheRecordsOfTheirOwnManager) {
    Show(m_manager, {At("ParticleEmitter_BrazierFire_1", 1, 2, 3), At("ParticleEmitter_Fireflies_1", 4, 5, 6),
                     At("BigBird_Animated_1", 7, 8, 9), At("ParticleEmitter_WorldDust_1", 10, 11, 12),
                     At("ParticleEmitter_TorchFire_2", 13, 14, 15), Seen("Crate_1")});
    const std::vector<LevelEmitter> emitters = m_manager.GetEmitters();
    ASSERT_EQ(emitters.size(), 4u);
    EXPECT_EQ(emitters[0].type, EmitterType::BrazierFire);
    EXPECT_EQ(emitters[0].position, (Float3{1, 2, 3}));
    EXPECT_EQ(emitters[1].type, EmitterType::Fireflies);
    EXPECT_EQ(emitters[2].type, EmitterType::WorldDust);
    EXPECT_EQ(emitters[3].type, EmitterType::TorchFire);
    const std::vector<AmbientSoundRecord> sounds = {{SoundId::Bird, {7, 8, 9}},
                                                    {SoundId::Fire, {1, 2, 3}},
                                                    {SoundId::Wind, {10, 11, 12}},
                                                    {SoundId::Fire, {13, 14, 15}}};
    EXPECT_EQ(m_manager.GetAmbientSounds(), sounds);

    ObjectManager lobby;
    ASSERT_TRUE(lobby.Initialize(WriteLevel("Torch.ZMDL", {At("ParticleEmitter_TorchFire_1", 0, 1, 0)})));
    EXPECT_EQ(m_manager.GetAmbientSounds(), sounds);
    ASSERT_EQ(lobby.GetAmbientSounds().size(), 1u);

    ASSERT_TRUE(m_manager.Initialize(WriteLevel("Quiet.ZMDL", {Seen("Crate_1")})));
    EXPECT_TRUE(m_manager.GetAmbientSounds().empty());
    EXPECT_TRUE(m_manager.GetEmitters().empty());
    EXPECT_EQ(lobby.GetAmbientSounds(), (std::vector<AmbientSoundRecord>{{SoundId::Fire, {0, 1, 0}}}));
    lobby.Shutdown();
    EXPECT_TRUE(lobby.GetAmbientSounds().empty());
    EXPECT_EQ(lobby.GetEmitters().size(), 0u);
}

// The menu keeps its arena while the lobby is built and released again and again: the lobby's buffers go
// back each time, the engine holds a fixed number, and the menu's own buffers keep working.
TEST_F(ObjectManagerTest, InstanceBuffersGoBackAtShutdownAndAnotherManagersStayInUse) {
    const std::vector<std::string> level = {Seen("Crate_1", -2.0f), Seen("Crate_2", 2.0f), Seen("Barrel_1"),
                                            Seen("Bush_1")};
    Show(m_manager, level);
    const int menuBuffers = GE::GetInstance()->GetNumberOfInstanceBuffer();
    EXPECT_EQ(menuBuffers, 3);

    for (int entry = 0; entry < 3; ++entry) {
        ObjectManager lobby;
        ASSERT_TRUE(lobby.Initialize(WriteLevel("Test.ZMDL", level)));
        lobby.Initialize(WriteLevel("Test.ZMDL", level));  // built twice without a shutdown between
        EXPECT_EQ(GE::GetInstance()->GetNumberOfInstanceBuffer(), 2 * menuBuffers);
        ClearCalls();
        lobby.Shutdown();
        EXPECT_EQ(Calls("ReleaseInstanceBuffer").size(), 3u);
        EXPECT_EQ(GE::GetInstance()->GetNumberOfInstanceBuffer(), menuBuffers);
    }

    ClearCalls();
    m_manager.Update(0.0);
    EXPECT_EQ(Calls("UpdateInstanceBuffers").size(), 1u);
    EXPECT_TRUE(Diagnostics().empty()) << Diagnostics().front();
    m_manager.Shutdown();
    EXPECT_EQ(GE::GetInstance()->GetNumberOfInstanceBuffer(), 0);
}

// The collision manager hears of the volumes of the props in view, and of no others.
TEST_F(ObjectManagerTest, TheCollisionManagerGetsTheVolumesInView) {
    Show(m_manager, {At("Crate_1", 0.0f, 0.0f, 50.0f), Unseen("Crate_2"), Seen("Barrel_1", 5.0f)});
    CollisionManager collision;
    m_manager.Update(0.0, &collision);
    std::set<float> xs;
    for (const CollisionOBB& box : collision.GetLowBoxes()) {
        xs.insert(box.center.x);
        EXPECT_EQ(box.center.z, 50.0f);
    }
    EXPECT_EQ(xs, (std::set<float>{0.0f, 5.0f}));
}

// The generated arena as the menu shows it: every group of the level file has one buffer, every prop in view
// is drawn exactly once per pass (alone, or as one of the matrices written for its run), and the engine has
// nothing to complain about.
TEST(ObjectManagerArenaTest, TheMenusViewOfTheArenaDrawsEveryPropInViewOncePerPass) {
    ASSERT_TRUE(GE::GetInstance()->InitializeNull(1280, 1024, 1280, 1024, false));
    {
        const Model prototype;
        ASSERT_TRUE(ModelLibrary::GetInstance().LoadFolder(prototype));
    }
    const std::string path = "../Ombrin/Levels/NightTimeArena.ZMDL";
    const LevelData level(path);
    std::size_t groups = 0;
    const std::vector<LevelModel> models = level.GetModels();
    for (std::size_t i = 0; i < models.size(); ++i) {
        groups += i == 0 || models[i].path != models[i - 1].path ? 1 : 0;
    }
    ASSERT_GT(models.size(), 100u);

    ObjectManager manager;
    ASSERT_TRUE(manager.Initialize(path));
    EXPECT_EQ(manager.GetInstanceBuffers().size(), groups);
    const glm::mat4 view = glm::lookAtLH(glm::vec3(0, 40, -24), glm::vec3(0, 7.5f, 0), glm::vec3(0, 1, 0));
    const glm::mat4 projection = glm::perspectiveLH_ZO(0.7853982f, 1.25f, 0.1f, 1000.0f);
    manager.SetViewFrustum(ViewFrustum::FromCamera(view, projection));
    GE::GetInstance()->ClearRecordedCalls();
    GE::GetInstance()->GetDiagnostics().Clear();
    manager.Update(1.0 / 60.0);
    manager.RenderDepthInstanced();
    manager.RenderDepth();
    manager.RenderInstanced();
    manager.Render();

    std::size_t written = 0;
    for (const RecordedCall& call : Calls("UpdateInstanceBuffers")) {
        written += static_cast<std::size_t>(call.values[0]);
    }
    const std::size_t visible = manager.GetVisibleStatic().size();
    EXPECT_GT(visible, 50u);
    EXPECT_LT(visible, models.size()) << "some props lie out of the menu's view";
    EXPECT_EQ(written + Calls("RenderScene").size(), visible);
    EXPECT_EQ(Calls("RenderInstanced").size(), Calls("UpdateInstanceBuffers").size());
    EXPECT_EQ(written + Calls("RenderDepth").size(), visible);
    EXPECT_TRUE(Diagnostics().empty()) << Diagnostics().front();

    manager.Shutdown();
    ModelLibrary::GetInstance().Clear();
    GE::GetInstance()->Shutdown();
}

}  // namespace
}  // namespace ombrin::test
