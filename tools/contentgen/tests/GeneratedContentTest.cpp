// The data the build generated, read back from the run layout with the game's own loaders.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "check/SelfCheck.h"
#include "shared/LevelData.h"

namespace {

const std::filesystem::path kData = OMBRIN_DATA_DIR;

}  // namespace

TEST(GeneratedContent, PassesTheSelfCheck) {
    const std::vector<std::string> problems = CheckContent(kData);
    for (const std::string& problem : problems) {
        ADD_FAILURE() << problem;
    }
}

// The default level exercises every path of the client's world building: all emitter kinds, an animated
// prop, and models drawn both as instance groups and alone.
TEST(GeneratedContent, DefaultLevelUsesEveryKindOfEntity) {
    const LevelData level((kData / "Levels" / "NightTimeArena.ZMDL").string());
    std::set<EmitterType> emitters;
    for (const LevelEmitter& emitter : level.GetEmitters()) {
        emitters.insert(emitter.type);
    }
    EXPECT_EQ(emitters.size(), 10u) << "every emitter keyword at least once";

    std::map<int, int> spawnsPerTeam;
    for (const LevelSpawnPoint& spawn : level.GetSpawnPoints()) {
        ++spawnsPerTeam[spawn.team];
    }
    EXPECT_EQ(spawnsPerTeam, (std::map<int, int>{{1, 4}, {2, 4}}));

    ASSERT_EQ(level.GetAnimatedModels().size(), 1u);
    EXPECT_EQ(level.GetAnimatedModels()[0].path, "../Ombrin/Models/BigBirdShape.ZMD");

    // Runs of the same path form instance groups: some path must come in a run of several and alone.
    std::map<std::string, std::set<std::size_t>> runLengths;
    const std::vector<LevelModel> models = level.GetModels();
    for (std::size_t i = 0; i < models.size();) {
        std::size_t end = i;
        while (end < models.size() && models[end].path == models[i].path) {
            ++end;
        }
        runLengths[models[i].path].insert(end - i);
        i = end;
    }
    bool groupedAndAlone = false;
    for (const auto& [path, lengths] : runLengths) {
        groupedAndAlone = groupedAndAlone || (lengths.contains(1) && *lengths.rbegin() > 1);
    }
    EXPECT_TRUE(groupedAndAlone);
    EXPECT_TRUE(runLengths.contains("../Ombrin/Models/GroundShape.ZMD"));
    EXPECT_TRUE(runLengths.contains("../Ombrin/Models/TreeShape.ZMD"));
}
