#include "TestArena.h"

#include "levels/LevelLayout.h"
#include "levels/LevelWriter.h"

std::string TestArenaText() {
    LevelLayout layout("TestArena");
    layout.AddBox({0.0f, 2.0f, 0.0f}, {1.0f, 2.0f, 1.0f});
    layout.AddShadowOutline({{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}}, true);
    layout.AddModel("Crate", {0.0f, 0.0f, 7.0f});
    for (const float z : {-4.0f, -1.5f, 1.5f, 4.0f}) {
        layout.AddSpawnPoint(1, {-14.0f, 0.0f, z});
    }
    for (const float z : {-4.0f, -1.5f, 1.5f, 4.0f}) {
        layout.AddSpawnPoint(2, {14.0f, 0.0f, z});
    }
    layout.AddRune(RuneType::Heal, {0.0f, 0.0f, -5.0f});
    layout.AddRune(RuneType::Invisible, {0.0f, 0.0f, 5.0f});
    layout.AddRune(RuneType::Shield, {0.0f, 0.0f, -8.0f});
    std::string text;
    std::string error;
    return WriteLevelText(layout, text, error) ? text : std::string();
}

bool InstallTestArena(const GameFolder& folder) {
    const std::string level = TestArenaText();
    bool written =
        !level.empty() && folder.Write("Settings/ServerLevels.cfg",
                                       std::string(kArenaLevels[0]) + "\n" + kArenaLevels[1] + "\n");
    for (const char* name : kArenaLevels) {
        written = written && folder.Write(std::string("Levels/") + name, level);
    }
    const struct {
        const char* name;
        Float3 halfSizes;
    } kModels[] = {
        {"Ninja1Shape.ZMD", {0.5f, 1.2f, 0.5f}},        {"Ninja2Shape.ZMD", {0.5f, 1.2f, 0.5f}},
        {"Ninja3Shape.ZMD", {0.5f, 1.2f, 0.5f}},        {"shurikenShape.ZMD", {0.2f, 0.1f, 0.2f}},
        {"MegaShuriken_Shape.ZMD", {0.5f, 0.1f, 0.5f}}, {"KunaiShape.ZMD", {0.1f, 0.1f, 0.3f}},
        {"TessenShape.ZMD", {0.4f, 0.1f, 0.4f}},        {"lotus_Shape.ZMD", {0.5f, 1.0f, 0.5f}},
        {"invisScroll_Shape.ZMD", {0.5f, 1.0f, 0.5f}},  {"shield_Shape.ZMD", {0.5f, 1.0f, 0.5f}},
        {"CrateShape.ZMD", {0.8f, 0.8f, 0.8f}},
    };
    for (const auto& model : kModels) {
        written = written && folder.SaveBoxModel(model.name, model.halfSizes);
    }
    return written;
}
