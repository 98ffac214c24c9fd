#include "shared/collision/LevelCollisionMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "shared/collision/CollisionChecker.h"
#include "shared/collision/tests/LevelFixture.h"
#include "shared/collision/tests/ShapeExpectations.h"

namespace {

const float kQuarter = 1.5707963f;
const float kRoot2 = std::sqrt(2.0f);
const Float4 kQuarterYaw{0.0f, std::sqrt(0.5f), 0.0f, std::sqrt(0.5f)};

// Two boxes and a sphere, off the model's origin so that turning the model moves them.
ModelFileData Crate() {
    return ModelWithShapes(
        {MakeCollisionBox({2, 0, 0}, {1, 2, 3}), MakeCollisionBox({0, 0, 0}, {0.5f, 0.5f, 0.5f})},
        {{{0, 1, 2}, 0.5f}});
}

ModelFileData Lantern() {
    return ModelWithShapes({MakeCollisionBox({0, 1, 0}, {0.2f, 0.3f, 0.2f})}, {{{0, 0, 0}, 0.25f}});
}

class LevelCollisionMapTest : public ::testing::Test {
protected:
    LevelFixture m_game;
    ModelLibrary m_library;
    LevelCollisionMap m_map;
};

// Static models first, then animated ones, each in list order with its volumes in file order; the level
// boxes last. A model turned a quarter about y keeps its half-sizes, carries the turn as its orientation and
// has its volumes turned about its origin before they are moved to its position.
TEST_F(LevelCollisionMapTest, PlacesModelVolumesThenLevelBoxesInWorldSpace) {
    m_game.SaveModel("Crate", Crate());
    m_game.SaveModel("Lantern", Lantern());
    ASSERT_TRUE(m_library.LoadFolder(BaseModel(), "../Ombrin/Models/"));
    const LevelData level = m_game.LoadLevel(
        {"Box_1 1 2 3 4 5 6 7 8 9\n"}, {LevelFixture::ModelLine("Crate_1", {10, 0, 5}, {0, kQuarter, 0}),
                                        LevelFixture::ModelLine("Lantern_Animated_1", {0, 4, 0}, {0, 0, 0}),
                                        LevelFixture::ModelLine("Crate_2", {-5, 0, 0}, {0, 0, 0})});

    ASSERT_TRUE(m_map.Initialize(level, m_library));

    const std::vector<CollisionOBB> expectedOBBs = {
        MakeCollisionOBB({10, 0, 3}, {1, 2, 3}, kQuarterYaw),
        MakeCollisionOBB({10, 0, 5}, {0.5f, 0.5f, 0.5f}, kQuarterYaw),
        MakeCollisionOBB({-3, 0, 0}, {1, 2, 3}, kNoRotation),
        MakeCollisionOBB({-5, 0, 0}, {0.5f, 0.5f, 0.5f}, kNoRotation),
        MakeCollisionOBB({0, 5, 0}, {0.2f, 0.3f, 0.2f}, kNoRotation),
        MakeCollisionOBB({1, 2, 3}, {9, 8, 7}, kNoRotation),  // half-sizes from fields 9, 8 and 7
    };
    const std::vector<CollisionSphere> expectedSpheres = {
        {{12, 1, 5}, 0.5f}, {{-5, 1, 2}, 0.5f}, {{0, 4, 0}, 0.25f}};

    const std::vector<CollisionOBB> obbs = m_map.GetOBBs();
    ASSERT_EQ(obbs.size(), expectedOBBs.size());
    for (std::size_t i = 0; i < obbs.size(); ++i) {
        EXPECT_TRUE(Near(obbs[i], expectedOBBs[i])) << "box " << i;
    }
    EXPECT_FLOAT_EQ(obbs[0].radius, 3 * kRoot2);
    EXPECT_FLOAT_EQ(obbs[5].radius, 9 * kRoot2);
    const std::vector<CollisionSphere> spheres = m_map.GetSpheres();
    ASSERT_EQ(spheres.size(), expectedSpheres.size());
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        EXPECT_TRUE(Near(spheres[i], expectedSpheres[i])) << "sphere " << i;
    }

    // A new level replaces the lists rather than adding to them; Shutdown empties them.
    ASSERT_TRUE(m_map.Initialize(level, m_library));
    EXPECT_EQ(m_map.GetOBBs().size(), expectedOBBs.size());
    EXPECT_EQ(m_map.GetSpheres().size(), expectedSpheres.size());
    m_map.Shutdown();
    EXPECT_TRUE(m_map.GetOBBs().empty());
    EXPECT_TRUE(m_map.GetSpheres().empty());
}

// A model the library does not hold is read from its file; one whose file is missing adds nothing, says why,
// and the rest of the level is still built. The library itself is left as it was.
TEST_F(LevelCollisionMapTest, ReadsModelsTheLibraryLacksAndSkipsMissingOnes) {
    m_game.SaveModel("Lantern", Lantern());
    const LevelData level = m_game.LoadLevel({"Box_1 0 1 0 0 0 0 1 1 1\n"},
                                             {LevelFixture::ModelLine("Ghost_1", {0, 0, 0}, {0, 0, 0}),
                                              LevelFixture::ModelLine("Lantern_1", {3, 0, 0}, {0, 0, 0}),
                                              LevelFixture::ModelLine("Lantern_2", {6, 0, 0}, {0, 0, 0})});

    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(m_map.Initialize(level, m_library));
    const std::string said = ::testing::internal::GetCapturedStderr();

    EXPECT_NE(said.find("../Ombrin/Models/GhostShape.ZMD"), std::string::npos) << said;
    EXPECT_EQ(said.find("LanternShape"), std::string::npos) << said;
    const std::vector<CollisionOBB> obbs = m_map.GetOBBs();
    ASSERT_EQ(obbs.size(), 3u);
    EXPECT_TRUE(Near(obbs[0].center, {3, 1, 0}));
    EXPECT_TRUE(Near(obbs[1].center, {6, 1, 0}));
    EXPECT_TRUE(Near(obbs[2].center, {0, 1, 0}));
    EXPECT_EQ(m_map.GetSpheres().size(), 2u);
    EXPECT_EQ(m_library.Size(), 0u);
}

// The height limits apply to world centres: a model standing 3 high lifts its volumes by 3.
TEST_F(LevelCollisionMapTest, CheckerKeepsWorldVolumesUpToTheHeightLimits) {
    m_game.SaveModel("Beam", ModelWithShapes({MakeCollisionBox({0, 3.5f, 0}, {1, 1, 1}),
                                              MakeCollisionBox({0, 3, 0}, {1, 1, 1})},
                                             {{{0, 2.5f, 0}, 1}, {{0, 2, 0}, 1}}));
    ASSERT_TRUE(m_library.LoadFolder(BaseModel(), "../Ombrin/Models/"));
    const LevelData level = m_game.LoadLevel({}, {LevelFixture::ModelLine("Beam_1", {0, 3, 0}, {0, 0, 0})});
    ASSERT_TRUE(m_map.Initialize(level, m_library));

    CollisionChecker checker;
    ASSERT_TRUE(checker.Initialize(m_map));
    ASSERT_EQ(checker.GetWalls().size(), 1u);
    EXPECT_EQ(checker.GetWalls()[0].center.y, 6.0f);
    ASSERT_EQ(checker.GetPillars().size(), 1u);
    EXPECT_EQ(checker.GetPillars()[0].center.y, 5.0f);
}

}  // namespace
