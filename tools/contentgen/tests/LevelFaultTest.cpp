// The level checks catch the faults that would break the game: each case spoils one thing in an otherwise
// good level (or level list) and expects the check to name it, while the unspoilt ones pass.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "FaultFindings.h"
#include "ScratchFolder.h"
#include "check/LevelCheck.h"
#include "levels/LevelPieces.h"
#include "levels/LevelWriter.h"
#include "props/BigBird.h"
#include "props/Props.h"
#include "shared/ModelWriter.h"

namespace {

// A small level with every kind of entity the check looks at, and the models it names.
class LevelFixture {
public:
    LevelFixture() {
        std::filesystem::create_directories(m_folder.Path() / "Models");
        std::filesystem::create_directories(m_folder.Path() / "Levels");
        SaveModel("CrateShape.ZMD", BuildCrate());
        SaveModel("GroundShape.ZMD", BuildNightGround());
        SaveModel("BigBirdShape.ZMD", BuildBigBird());
    }

    static LevelLayout Base() {
        LevelLayout level("Fixture");
        AddOuterWalls(level, 44.0f, 51.0f, 2.0f, 6.0f);
        AddWallBlock(level, {10.0f, 0.0f}, {0.75f, 5.0f}, 6.0f);
        level.AddModel("Ground", {0.0f, 0.0f, 0.0f});
        level.AddModel("Crate", {5.0f, 0.0f, 5.0f}, 0.4f);
        level.AddAnimatedModel("BigBird", {0.0f, 6.0f, 30.0f});
        return level;
    }

    static void AddActors(LevelLayout& level) {
        level.AddSpawnPoint(1, {-30.0f, 0.0f, 0.0f});
        level.AddSpawnPoint(2, {30.0f, 0.0f, 0.0f});
        level.AddRune(RuneType::Heal, {0.0f, 0.0f, 0.0f});
        level.AddRune(RuneType::Invisible, {0.0f, 0.0f, 20.0f});
        level.AddRune(RuneType::Shield, {0.0f, 0.0f, -20.0f});
    }

    void SaveModel(const std::string& name, const ModelFileData& model) {
        std::string error;
        EXPECT_TRUE(SaveModelFile((m_folder.Path() / "Models" / name).string(), model, error)) << error;
    }

    std::vector<std::string> Check(const std::string& text) {
        std::ofstream(m_folder.Path() / "Levels" / "Fixture.ZMDL", std::ios::binary) << text;
        Problems problems;
        CheckLevel(m_folder.Path(), "Fixture.ZMDL", problems);
        return problems.List();
    }

    std::vector<std::string> CheckList(const std::string& text) {
        std::ofstream(m_folder.Path() / "Levels" / "NightTimeArena.ZMDL") << "";
        std::ofstream(m_folder.Path() / "Levels" / "SakuraGarden.ZMDL") << "";
        std::filesystem::create_directories(m_folder.Path() / "Settings");
        std::ofstream(m_folder.Path() / "Settings" / "ServerLevels.cfg", std::ios::binary) << text;
        Problems problems;
        CheckLevelList(m_folder.Path(), problems);
        return problems.List();
    }

private:
    ScratchFolder m_folder;
};

std::string Text(const LevelLayout& layout) {
    std::string text;
    std::string error;
    EXPECT_TRUE(WriteLevelText(layout, text, error)) << error;
    return text;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

struct LevelCase {
    const char* fault;
    std::function<std::string()> text;
    const char* expected;  // nullptr: the level passes
};

}  // namespace

TEST(SelfCheckFaults, LevelFaultsAreNamed) {
    const auto with = [](const std::function<void(LevelLayout&)>& build) {
        return [build] {
            LevelLayout level = LevelFixture::Base();
            build(level);
            return Text(level);
        };
    };
    const auto good = with(&LevelFixture::AddActors);
    const std::vector<LevelCase> cases = {
        {"a good level", good, nullptr},
        {"runes out of order", with([](LevelLayout& l) {
             l.AddSpawnPoint(1, {-30.0f, 0.0f, 0.0f});
             l.AddSpawnPoint(2, {30.0f, 0.0f, 0.0f});
             l.AddRune(RuneType::Invisible, {0.0f, 0.0f, 20.0f});
             l.AddRune(RuneType::Heal, {0.0f, 0.0f, 0.0f});
             l.AddRune(RuneType::Shield, {0.0f, 0.0f, -20.0f});
         }),
         "heal, invisibility, shield"},
        {"one team without spawn points",
         [good] { return Replace(good(), "spawnPoint2_2", "spawnPoint2_1"); }, "both teams"},
        {"a spawn point on a crate", with([](LevelLayout& l) {
             l.AddSpawnPoint(1, {5.3f, 0.0f, 4.8f});
             LevelFixture::AddActors(l);
         }),
         "is blocked"},
        {"a rune in a wall", [good] { return Replace(good(), "POI_Heal_1 0 0 0", "POI_Heal_1 10 0 -3"); },
         "a rune at (10.000000, 3.000000) is blocked"},
        {"a spawn point in a wall", with([](LevelLayout& l) {
             l.AddSpawnPoint(2, {10.5f, 0.0f, -4.0f});
             LevelFixture::AddActors(l);
         }),
         "is blocked"},
        {"a spawn point outside the walls", with([](LevelLayout& l) {
             l.AddSpawnPoint(2, {0.0f, 0.0f, 60.0f});
             LevelFixture::AddActors(l);
         }),
         "outside the walls"},
        {"a missing model", with([](LevelLayout& l) {
             LevelFixture::AddActors(l);
             l.AddModel("Statue", {20.0f, 0.0f, 20.0f});
         }),
         "does not exist"},
        {"a static model placed as animated", with([](LevelLayout& l) {
             LevelFixture::AddActors(l);
             l.AddAnimatedModel("Crate", {20.0f, 0.0f, 20.0f});
         }),
         "placed as an animated model but is static"},
        {"a skinned model placed as static", with([](LevelLayout& l) {
             LevelFixture::AddActors(l);
             l.AddModel("BigBird", {20.0f, 0.0f, 20.0f});
         }),
         "placed as a static model but is skinned"},
        {"CR LF line ends", [good] { return Replace(good(), "\n", "\r\n"); }, "CR"},
        {"two spaces between fields", [good] { return Replace(good(), "Box1 ", "Box1  "); },
         "exactly one space"},
        {"a wrong entity count",
         [good] { return Replace(good(), "Number of entities: ", "Number of entities: 9"); }, "counts"},
        {"no final line end",
         [good] {
             std::string text = good();
             text.pop_back();
             return text;
         },
         "end with LF"},
        {"a shadow line longer than 10",
         [good] { return Replace(good(), "ShadowShapes1_B ", "ShadowShapes1_B 7"); }, "longer than 10"},
        {"too many shadow points in one view", with([](LevelLayout& l) {
             LevelFixture::AddActors(l);
             for (int i = 0; i < 70; ++i) {
                 const float x = -20.0f + 0.5f * static_cast<float>(i);
                 l.AddShadowLine({x, 30.0f}, {x, 31.0f});
             }
         }),
         "shadow points share one view"},
    };
    for (const LevelCase& c : cases) {
        LevelFixture fixture;
        const std::vector<std::string> problems = fixture.Check(c.text());
        if (c.expected == nullptr) {
            EXPECT_TRUE(problems.empty()) << c.fault << ":" << Joined(problems);
        } else {
            EXPECT_TRUE(Mentions(problems, c.expected))
                << c.fault << ", expected \"" << c.expected << "\", got:" << Joined(problems);
        }
    }
}

TEST(SelfCheckFaults, GroundWithVolumesIsNamed) {
    LevelFixture fixture;
    ModelFileData ground = BuildNightGround();
    ground.boxes = {MakeCollisionBox({0.0f, 0.0f, 0.0f}, {100.0f, 0.1f, 100.0f})};
    fixture.SaveModel("GroundShape.ZMD", ground);
    LevelLayout level = LevelFixture::Base();
    LevelFixture::AddActors(level);
    EXPECT_TRUE(Mentions(fixture.Check(Text(level)), "ground model must have no volumes"));
}

TEST(SelfCheckFaults, LevelListFaultsAreNamed) {
    const struct {
        const char* fault;
        const char* text;
        const char* expected;
    } cases[] = {
        {"a good list", "NightTimeArena.ZMDL\nSakuraGarden.ZMDL\n", nullptr},
        {"CR LF line ends", "NightTimeArena.ZMDL\r\nSakuraGarden.ZMDL\r\n", "LF alone"},
        {"no final line end", "NightTimeArena.ZMDL\nSakuraGarden.ZMDL", "LF alone"},
        {"the default level not first", "SakuraGarden.ZMDL\nNightTimeArena.ZMDL\n", "first"},
        {"a level that does not exist", "NightTimeArena.ZMDL\nMissing.ZMDL\n",
         "does not exist: Missing.ZMDL"},
        {"a trailing space", "NightTimeArena.ZMDL \nSakuraGarden.ZMDL\n", "stray spaces"},
        {"a single level", "NightTimeArena.ZMDL\n", "more than one level"},
    };
    for (const auto& c : cases) {
        LevelFixture fixture;
        const std::vector<std::string> problems = fixture.CheckList(c.text);
        if (c.expected == nullptr) {
            EXPECT_TRUE(problems.empty()) << c.fault << ":" << Joined(problems);
        } else {
            EXPECT_TRUE(Mentions(problems, c.expected))
                << c.fault << ", expected \"" << c.expected << "\", got:" << Joined(problems);
        }
    }
}
