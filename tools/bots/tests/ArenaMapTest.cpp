// The bots' map of a level against the collision world the server fights in.
#include "tools/bots/ArenaMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "shared/collision/LevelCollisionMap.h"
#include "shared/collision/ModelPlacement.h"
#include "shared/collision/tests/LevelFixture.h"

namespace {

// The ground footprint of a world box: the extremes of its eight corners, each placed with the box's turn.
GroundRect Footprint(const CollisionOBB& box) {
    GroundRect rect{{std::numeric_limits<float>::max(), std::numeric_limits<float>::max()},
                    {std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest()}};
    for (const float sx : {-1.0f, 1.0f}) {
        for (const float sy : {-1.0f, 1.0f}) {
            for (const float sz : {-1.0f, 1.0f}) {
                const Float3 corner{sx * box.halfSizes.x, sy * box.halfSizes.y, sz * box.halfSizes.z};
                const Float3 p = PlaceModelPoint(corner, box.orientation, box.center);
                rect.min = {std::min(rect.min.x, p.x), std::min(rect.min.z, p.z)};
                rect.max = {std::max(rect.max.x, p.x), std::max(rect.max.z, p.z)};
            }
        }
    }
    return rect;
}

// A prop turned about all three axes: the bots' footprint of each of its boxes is the footprint of the box
// the server's collision world places, so that bots walk around the obstacles the server stops them at. A
// turn the bots apply differently (another order of the angles, an unnormalised quaternion) moves the
// corners.
TEST(ArenaMapTest, TurnedPropCoversTheServersWorldBoxes) {
    LevelFixture game;
    game.SaveModel("Cart", ModelWithShapes({MakeCollisionBox({1.5f, 1.0f, 0.0f}, {2.0f, 1.0f, 0.5f}),
                                            MakeCollisionBox({0.0f, 1.2f, -1.0f}, {0.3f, 1.2f, 0.3f})},
                                           {}));
    const LevelData level =
        game.LoadLevel({}, {LevelFixture::ModelLine("Cart_1", {6.0f, 0.0f, -4.0f}, {0.3f, 0.9f, -0.4f})});

    LevelCollisionMap world;
    ASSERT_TRUE(world.Initialize(level));
    const std::vector<CollisionOBB> boxes = world.GetOBBs();
    const ArenaMap map = ArenaMap::FromLevel(level);
    ASSERT_EQ(boxes.size(), 2u);
    ASSERT_EQ(map.Obstacles().size(), boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const GroundRect expected = Footprint(boxes[i]);
        const GroundRect& rect = map.Obstacles()[i];
        EXPECT_NEAR(rect.min.x, expected.min.x, 1e-4f) << "box " << i;
        EXPECT_NEAR(rect.min.z, expected.min.z, 1e-4f) << "box " << i;
        EXPECT_NEAR(rect.max.x, expected.max.x, 1e-4f) << "box " << i;
        EXPECT_NEAR(rect.max.z, expected.max.z, 1e-4f) << "box " << i;
    }
}

}  // namespace
