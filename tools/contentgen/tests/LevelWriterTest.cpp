// The level writer against the game's level loader: what the layout means is what the loader reads.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "ScratchFolder.h"
#include "levels/LevelWriter.h"
#include "shared/LevelData.h"

namespace {

LevelData ReadBack(const LevelLayout& layout, const ScratchFolder& folder) {
    std::string text;
    std::string error;
    EXPECT_TRUE(WriteLevelText(layout, text, error)) << error;
    const std::filesystem::path path = folder.Path() / "Level.ZMDL";
    std::ofstream(path, std::ios::binary) << text;
    return LevelData(path.string());
}

}  // namespace

TEST(LevelWriter, EveryKindOfEntityReadsBackAsLaidOut) {
    LevelLayout layout("Test");
    layout.AddBox({1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f});
    layout.AddModel("Crate", {1.0f, 0.0f, 7.0f}, 0.5f);
    layout.AddAnimatedModel("BigBird", {2.0f, 6.0f, -3.0f}, -1.25f);
    layout.AddEmitter(EmitterType::TorchFire, {3.0f, 2.5f, 4.0f});
    layout.AddEmitter(EmitterType::Fireflies, {-3.0f, 1.5f, -4.0f});
    layout.AddSpawnPoint(2, {-38.0f, 0.0f, 6.0f});
    layout.AddSpawnPoint(1, {38.0f, 0.0f, -6.0f});
    layout.AddRune(RuneType::Heal, {0.0f, 0.0f, 0.0f});
    layout.AddRune(RuneType::Shield, {0.0f, 0.0f, -34.0f});
    ScratchFolder folder;
    const LevelData level = ReadBack(layout, folder);

    // Box lines hold the half-sizes as z, y, x and are not converted.
    ASSERT_EQ(level.GetBoxes().size(), 1u);
    EXPECT_EQ(level.GetBoxes()[0], (LevelBox{{6.0f, 5.0f, 4.0f}, {1.0f, 2.0f, 3.0f}, {}}));
    ASSERT_EQ(level.GetModels().size(), 1u);
    EXPECT_EQ(level.GetModels()[0],
              (LevelModel{"../Ombrin/Models/CrateShape.ZMD", {1.0f, 0.0f, 7.0f}, {0.0f, 0.5f, 0.0f}}));
    ASSERT_EQ(level.GetAnimatedModels().size(), 1u);
    EXPECT_EQ(level.GetAnimatedModels()[0],
              (LevelModel{"../Ombrin/Models/BigBirdShape.ZMD", {2.0f, 6.0f, -3.0f}, {0.0f, -1.25f, 0.0f}}));
    ASSERT_EQ(level.GetEmitters().size(), 2u);
    EXPECT_EQ(level.GetEmitters()[0], (LevelEmitter{{3.0f, 2.5f, 4.0f}, {}, EmitterType::TorchFire}));
    EXPECT_EQ(level.GetEmitters()[1], (LevelEmitter{{-3.0f, 1.5f, -4.0f}, {}, EmitterType::Fireflies}));
    ASSERT_EQ(level.GetSpawnPoints().size(), 2u);
    EXPECT_EQ(level.GetSpawnPoints()[0], (LevelSpawnPoint{2, {-38.0f, 0.0f, 6.0f}, {}}));
    EXPECT_EQ(level.GetSpawnPoints()[1], (LevelSpawnPoint{1, {38.0f, 0.0f, -6.0f}, {}}));
    ASSERT_EQ(level.GetRunes().size(), 2u);
    EXPECT_EQ(level.GetRunes()[0], (LevelRune{{}, {}, RuneType::Heal}));
    EXPECT_EQ(level.GetRunes()[1], (LevelRune{{0.0f, 0.0f, -34.0f}, {}, RuneType::Shield}));
}

TEST(LevelWriter, LongShadowLinesBecomeJoinedPiecesOfAtMostTenUnits) {
    LevelLayout layout("Shadows");
    layout.AddShadowOutline({{-44.0f, -51.0f}, {44.0f, -51.0f}, {44.0f, -40.0f}}, false);
    ScratchFolder folder;
    const std::vector<LevelShadowLine> lines = ReadBack(layout, folder).GetShadowLines();
    ASSERT_EQ(lines.size(), 9u + 2u);
    EXPECT_EQ(lines.front().a, (GroundPoint{-44.0f, -51.0f}));
    EXPECT_EQ(lines.back().b, (GroundPoint{44.0f, -40.0f}));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(std::hypot(lines[i].b.x - lines[i].a.x, lines[i].b.z - lines[i].a.z), 10.0f);
        if (i + 1 < lines.size()) {
            EXPECT_EQ(lines[i].b, lines[i + 1].a) << "pieces must share their end points exactly";
        }
    }
}

TEST(LevelWriter, RefusesNamesTheLoaderWouldMisread) {
    const struct {
        const char* model;
        bool animated;
    } cases[] = {
        {"Crate Stack", false},  // a space splits the name into two fields
        {"GardenPOI", false},    // read as a rune
        {"spawnPointMarker", false},    {"ShadowShapesWall", false},
        {"ParticleEmitterPost", false}, {"AnimatedStatue", false},  // read as an animated model
    };
    for (const auto& c : cases) {
        LevelLayout layout("Bad");
        layout.AddModel(c.model, {0.0f, 0.0f, 0.0f});
        std::string text = "untouched";
        std::string error;
        EXPECT_FALSE(WriteLevelText(layout, text, error)) << c.model;
        EXPECT_FALSE(error.empty()) << c.model;
    }
}

TEST(LevelWriter, NumbersArePlainDecimals) {
    const struct {
        float value;
        const char* text;
    } cases[] = {{0.0f, "0"},    {-0.0f, "0"},    {0.00001f, "0"},          {-0.00001f, "0"},
                 {3.0f, "3"},    {-2.5f, "-2.5"}, {123.45678f, "123.4568"}, {1e9f, "1000000000"},
                 {-45.0f, "-45"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatLevelNumber(c.value), c.text) << c.value;
    }
}

TEST(LevelWriter, HeaderCountsMatchTheLines) {
    LevelLayout layout("Counts");
    layout.AddBox({0.0f, 3.0f, 0.0f}, {1.0f, 3.0f, 1.0f});
    layout.AddBox({5.0f, 3.0f, 0.0f}, {1.0f, 3.0f, 1.0f});
    layout.AddModel("Ground", {0.0f, 0.0f, 0.0f});
    std::string text;
    std::string error;
    ASSERT_TRUE(WriteLevelText(layout, text, error)) << error;
    EXPECT_NE(text.find("\nNumber of entities: 2\nNumber of collision boxes: 2\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find("  "), std::string::npos);
    EXPECT_EQ(text.find('\r'), std::string::npos);
}
