// Fuzz target: the level loader on arbitrary file contents. Every record comes from one line of the file,
// model paths name a file of the models folder, and types and teams stay in their ranges.
#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "ScratchFile.h"
#include "shared/LevelData.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::SilenceStandardOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = fuzz::ScratchPath(".ZMDL");
    if (!fuzz::WriteScratch(path, data, size)) {
        return 0;
    }
    const LevelData level(path);
    const auto lines = static_cast<std::size_t>(std::count(data, data + size, '\n'));
    const std::size_t records = level.GetSpawnPoints().size() + level.GetShadowLines().size() +
                                level.GetEmitters().size() + level.GetBoxes().size() +
                                level.GetModels().size() + level.GetAnimatedModels().size() +
                                level.GetRunes().size();
    FUZZ_CHECK(records <= lines);

    const std::string folder = "../Ombrin/Models/";
    const std::string suffix = "Shape.ZMD";
    for (const auto& models : {level.GetModels(), level.GetAnimatedModels()}) {
        for (const LevelModel& model : models) {
            FUZZ_CHECK(model.path.size() >= folder.size() + suffix.size());
            FUZZ_CHECK(model.path.compare(0, folder.size(), folder) == 0);
            FUZZ_CHECK(model.path.compare(model.path.size() - suffix.size(), suffix.size(), suffix) == 0);
        }
    }
    for (const LevelEmitter& emitter : level.GetEmitters()) {
        const auto type = static_cast<std::int32_t>(emitter.type);
        FUZZ_CHECK(type >= 0 && type <= 9);
    }
    for (const LevelRune& rune : level.GetRunes()) {
        const auto type = static_cast<std::int32_t>(rune.type);
        FUZZ_CHECK(type >= 0 && type <= 2);
    }
    for (const LevelSpawnPoint& spawn : level.GetSpawnPoints()) {
        FUZZ_CHECK(spawn.team >= 0 && spawn.team <= 9);
    }
    return 0;
}
