// Walking in the generated NightTimeArena against its level boxes: a lap pressed along the outer walls, and a
// long seeded walk with the eight key headings, neither of which may ever take the player into a box.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "client/world/tests/WalkFixture.h"
#include "shared/LevelData.h"
#include "shared/ModelLibrary.h"
#include "shared/collision/LevelCollisionMap.h"
#include "shared/collision/Overlaps.h"

namespace {

constexpr const char* kLevelPath = "../Ombrin/Levels/NightTimeArena.ZMDL";
constexpr float kDiagonal = 0.70710678f;
// The inside of the outer walls.
constexpr float kInnerX = 44.0f;
constexpr float kInnerZ = 51.0f;

class ArenaWalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        const LevelData level(kLevelPath);
        const std::vector<LevelBox> boxes = level.GetBoxes();
        ASSERT_FALSE(boxes.empty()) << "run from the bin folder of a layout with the generated data";
        // The collision map lists the level's boxes last, turned into oriented boxes.
        ModelLibrary models;
        LevelCollisionMap map;
        map.Initialize(level, models);
        const std::vector<CollisionOBB> all = map.GetOBBs();
        ASSERT_GE(all.size(), boxes.size());
        m_levelBoxes.assign(all.end() - static_cast<std::ptrdiff_t>(boxes.size()), all.end());
        m_obstacles.SetLevelBoxes(m_levelBoxes);
    }

    // The level box the player's centre, one unit up, lies in; -1 when none.
    int BoxEntered(const Float3& position) const {
        const CollisionSphere centre{{position.x, position.y + 1.0f, position.z}, 0.0f};
        for (std::size_t i = 0; i < m_levelBoxes.size(); ++i) {
            if (OBBSphereOverlap(m_levelBoxes[i], centre)) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    std::vector<CollisionOBB> m_levelBoxes;
    CollisionManager m_obstacles;
};

TEST_F(ArenaWalkTest, ALapAlongTheOuterWallsNeverEntersABox) {
    struct Leg {
        Float3 heading;  // pressing into one wall while sliding along it
        float cornerX;   // the corner it ends in
        float cornerZ;
    };
    const Leg legs[] = {{{kDiagonal, 0, -kDiagonal}, kInnerX, -kInnerZ},
                        {{kDiagonal, 0, kDiagonal}, kInnerX, kInnerZ},
                        {{-kDiagonal, 0, kDiagonal}, -kInnerX, kInnerZ},
                        {{-kDiagonal, 0, -kDiagonal}, -kInnerX, -kInnerZ}};
    Walker walker(m_obstacles, {-40, 0, -47});
    for (const Leg& leg : legs) {
        for (int frame = 0; frame < 800; ++frame) {
            walker.Frame(leg.heading);
            ASSERT_EQ(BoxEntered(walker.Position()), -1)
                << "at " << walker.Position().x << ", " << walker.Position().z;
        }
        // Stopped in the corner, short of both walls.
        EXPECT_NEAR(walker.Position().x, leg.cornerX, 1.0f);
        EXPECT_NEAR(walker.Position().z, leg.cornerZ, 1.0f);
    }
}

TEST_F(ArenaWalkTest, ALongWalkWithTheKeysNeverEntersABox) {
    const Float3 headings[] = {{1, 0, 0},
                               {-1, 0, 0},
                               {0, 0, 1},
                               {0, 0, -1},
                               {kDiagonal, 0, kDiagonal},
                               {kDiagonal, 0, -kDiagonal},
                               {-kDiagonal, 0, kDiagonal},
                               {-kDiagonal, 0, -kDiagonal}};
    std::mt19937 rng(7u);
    std::uniform_int_distribution<int> pick(0, 7);
    std::uniform_int_distribution<int> hold(10, 150);
    Walker walker(m_obstacles, {-35, 0, 0});
    for (int leg = 0; leg < 400; ++leg) {
        const Float3 heading = headings[pick(rng)];
        for (int frames = hold(rng); frames > 0; --frames) {
            walker.Frame(heading);
            ASSERT_EQ(BoxEntered(walker.Position()), -1)
                << "leg " << leg << " at " << walker.Position().x << ", " << walker.Position().z;
        }
    }
}

}  // namespace
