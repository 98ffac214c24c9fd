// The server can play every level of the generated rotation: each loads with both teams' spawn points, the
// three runes and a collision world. Runs from bin/, where the build generated the data folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingPeer.h"
#include "server/LevelList.h"
#include "server/NormalState.h"
#include "shared/BaseModel.h"
#include "shared/ModelLibrary.h"
#include "shared/collision/CollisionChecker.h"

TEST(GeneratedLevels, TheServerPlaysEveryLevelOfTheRotation) {
    if (!std::filesystem::exists(kLevelListFile)) {
        GTEST_SKIP() << "no generated data folder next to the working directory";
    }
    const std::vector<std::string> levels = LoadLevelList(kLevelListFile);
    ASSERT_GE(levels.size(), 2u) << "the rotation should hold more than one level";
    ASSERT_EQ(levels[0], kDefaultLevel);
    ModelLibrary::GetInstance().LoadFolder(BaseModel());

    for (int index = 0; index < static_cast<int>(levels.size()); ++index) {
        SCOPED_TRACE(levels[static_cast<std::size_t>(index)]);
        RecordingPeer peer;
        NormalState state;
        ASSERT_TRUE(state.Initialize(&peer, levels, index));
        EXPECT_EQ(state.GetCurrentLevelPath(), levels[static_cast<std::size_t>(index)]);
        const LevelData& level = *state.GetLevel();
        int red = 0;
        int blue = 0;
        for (const LevelSpawnPoint& spawn : level.GetSpawnPoints()) {
            red += spawn.team == 1 ? 1 : 0;
            blue += spawn.team == 2 ? 1 : 0;
        }
        EXPECT_GE(red, 4);
        EXPECT_GE(blue, 4);
        EXPECT_EQ(level.GetRunes().size(), 3u);
        ASSERT_NE(state.GetCollisionChecker(), nullptr);
        EXPECT_FALSE(state.GetCollisionChecker()->GetWalls().empty());
        state.Shutdown();
    }
    ModelLibrary::GetInstance().Clear();
}
