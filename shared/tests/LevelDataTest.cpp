#include "shared/LevelData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "shared/tests/CaseLabel.h"

void PrintTo(const Float3& v, std::ostream* os) {
    *os << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}
void PrintTo(const LevelBox& b, std::ostream* os) {
    *os << "{";
    PrintTo(b.halfSizesZyx, os);
    PrintTo(b.center, os);
    PrintTo(b.extra, os);
    *os << "}";
}
void PrintTo(const LevelModel& m, std::ostream* os) {
    *os << "{" << m.path << " ";
    PrintTo(m.position, os);
    PrintTo(m.rotation, os);
    *os << "}";
}
void PrintTo(const LevelShadowLine& l, std::ostream* os) {
    *os << "{(" << l.a.x << ", " << l.a.z << ") (" << l.b.x << ", " << l.b.z << ")}";
}

namespace {

namespace fs = std::filesystem;

constexpr const char* kBoxLine = "Box_1 1 2 3 4 5 6 7 8 9\n";
constexpr const char* kTreeLine = "Tree_1 1 2 3 4 5 6\n";
const std::string kTreePath = "../Ombrin/Models/TreeShape.ZMD";

// Header lines: field 3 of line 1 holds A, field 4 of line 2 holds B.
std::string Header(const std::string& a, const std::string& b) {
    return "Exported level\n# entity lines: " + a + "\n# box line count: " + b + "\n";
}

// A level whose counts match its lines.
std::string Level(const std::vector<std::string>& boxLines, const std::vector<std::string>& entityLines) {
    std::string text = Header(std::to_string(entityLines.size() + 1), std::to_string(boxLines.size()));
    for (const std::string& line : boxLines) {
        text += line;
    }
    for (const std::string& line : entityLines) {
        text += line;
    }
    return text;
}

class LevelFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ombrin_level_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    std::string Write(const std::string& text, const std::string& name = "level.ZMDL") {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    // Loads text and checks that the loader printed nothing.
    LevelData Load(const std::string& text) {
        const std::string path = Write(text);
        ::testing::internal::CaptureStdout();
        LevelData level(path);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
        return level;
    }

    fs::path m_dir;
};

TEST_F(LevelFileTest, ReadsEveryRecordKindWithLeftHandedCoordinates) {
    const LevelData level = Load(Level({kBoxLine}, {
                                                       "spawnPoint_1 1 2 3 4 5 6\n",
                                                       "ParticleEmitter_TorchFire_1 1 2 3 4 5 6\n",
                                                       "POI_Shield_1 1 2 3 4 5 6\n",
                                                       "Tree_4 1 2 3 4 5 6\n",
                                                       "Rock_2 -1.5 0.25 -3e1 0 0 0\n",
                                                       "BigBird_Animated_1 1 2 3 4 5 6\n",
                                                       "ShadowShapes_1_A 1 2 3 4 5 6\n",
                                                       "ShadowShapes_1_B 7 8 9 10 11 12\n",
                                                   }));
    const Float3 position{1, 2, -3};
    const Float3 modelRotation{-4, -5, 6};
    const Float3 markerRotation{4, -5, 6};

    EXPECT_EQ(level.GetSpawnPoints(), (std::vector<LevelSpawnPoint>{{1, position, markerRotation}}));
    EXPECT_EQ(level.GetEmitters(),
              (std::vector<LevelEmitter>{{position, modelRotation, EmitterType::TorchFire}}));
    EXPECT_EQ(level.GetRunes(), (std::vector<LevelRune>{{position, markerRotation, RuneType::Shield}}));
    EXPECT_EQ(level.GetModels(), (std::vector<LevelModel>{
                                     {"../Ombrin/Models/TreeShape.ZMD", position, modelRotation},
                                     {"../Ombrin/Models/RockShape.ZMD", {-1.5f, 0.25f, 30.0f}, {}},
                                 }));
    EXPECT_EQ(level.GetAnimatedModels(),
              (std::vector<LevelModel>{{"../Ombrin/Models/BigBirdShape.ZMD", position, modelRotation}}));
    EXPECT_EQ(level.GetShadowLines(), (std::vector<LevelShadowLine>{{{1, -3}, {7, -9}}}));
    // Boxes are kept as written: fields 7-9, then 1-3, then 4-6.
    EXPECT_EQ(level.GetBoxes(), (std::vector<LevelBox>{{{7, 8, 9}, {1, 2, 3}, {4, 5, 6}}}));
}

TEST_F(LevelFileTest, CrLfFileLoadsLikeLfFile) {
    const std::string lf =
        Level({kBoxLine, "Box_2 1 2 3 4 5 6 7 8 9 \n"}, {
                                                            "spawnPoint_2 1 2 3 4 5 6\n",
                                                            "Tree_1 1 2 3 4 5 6 \n",
                                                            "ShadowShapes_1_A 1 2 3 4 5 6\n",
                                                            "ShadowShapes_1_B 1 2 3 4 5 6\n",
                                                        });
    std::string crlf;
    for (const char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const LevelData expected = Load(lf);
    const LevelData level = Load(crlf);
    EXPECT_EQ(level.GetBoxes(), expected.GetBoxes());
    EXPECT_EQ(level.GetSpawnPoints(), expected.GetSpawnPoints());
    EXPECT_EQ(level.GetModels(), expected.GetModels());
    EXPECT_EQ(level.GetShadowLines(), expected.GetShadowLines());
    EXPECT_EQ(level.GetBoxes().size(), 2u);
    EXPECT_EQ(level.GetModels().size(), 1u);
}

TEST_F(LevelFileTest, FileWithoutFinalLineEndLosesLastLine) {
    const LevelData level = Load(Header("3", "0") + kTreeLine + "Rock_1 1 2 3 4 5 6");
    ASSERT_EQ(level.GetModels().size(), 1u);
    EXPECT_EQ(level.GetModels()[0].path, kTreePath);
}

TEST_F(LevelFileTest, DoubleSpaceShiftsFieldsByOne) {
    const LevelData level = Load(Level({"Box  1 2 3 4 5 6 7 8 9\n"}, {"Tree_1  1 2 3 4 5 6\n"}));
    // The lone space is field 1 and reads as 0; the value 9 falls beyond the last field read.
    EXPECT_EQ(level.GetBoxes(), (std::vector<LevelBox>{{{6, 7, 8}, {0, 1, 2}, {3, 4, 5}}}));
    EXPECT_EQ(level.GetModels(), (std::vector<LevelModel>{{kTreePath, {0, 1, -2}, {-3, -4, 5}}}));
}

TEST_F(LevelFileTest, EveryBPointPairsWithLatestAPoint) {
    const LevelData level = Load(Level({}, {
                                               "ShadowShapes_0_B 8 0 9 0 0 0\n",
                                               "ShadowShapes_1_A 1 0 3 0 0 0\n",
                                               "ShadowShapes_1_B 4 0 5 0 0 0\n",
                                               "ShadowShapes_2_B 6 0 7 0 0 0\n",
                                               "ShadowShapes_2_C 2 0 2 0 0 0\n",
                                               "ShadowShapes_3_B 1 0 1 0 0 0\n",
                                           }));
    EXPECT_EQ(level.GetShadowLines(), (std::vector<LevelShadowLine>{
                                          {{0, 0}, {8, -9}},
                                          {{1, -3}, {4, -5}},
                                          {{1, -3}, {6, -7}},
                                          {{1, -3}, {1, -1}},
                                      }));
}

TEST_F(LevelFileTest, ShortLinesAndUnknownRunesAddNothing) {
    const LevelData level = Load(Level({"Box_1 1 2 3 4 5 6 7 8\n"}, {
                                                                        "Tree_1 1 2 3 4 5\n",
                                                                        "spawnPoint_1 1 2 3 4 5\n",
                                                                        "POI_Speed_1 1 2 3 4 5 6\n",
                                                                        "POI 1 2 3 4 5 6\n",
                                                                        "ParticleEmitter 1 2 3 4 5 6\n",
                                                                    }));
    EXPECT_TRUE(level.GetBoxes().empty());
    EXPECT_TRUE(level.GetModels().empty());
    EXPECT_TRUE(level.GetSpawnPoints().empty());
    EXPECT_TRUE(level.GetRunes().empty());
    EXPECT_EQ(level.GetEmitters().size(), 1u);
}

struct LayoutCase {
    const char* label;
    std::string a;
    std::string b;
    std::vector<std::string> body;
    std::size_t boxes;
    std::size_t models;
};

class LevelLayoutTest : public LevelFileTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LevelLayoutTest, CountsSelectBoxAndEntityLines) {
    const LayoutCase& c = GetParam();
    std::string text = Header(c.a, c.b);
    for (const std::string& line : c.body) {
        text += line;
    }
    const LevelData level = Load(text);
    EXPECT_EQ(level.GetBoxes().size(), c.boxes);
    // Box lines read as entity lines would become models, so the model count shows where entities start.
    EXPECT_EQ(level.GetModels().size(), c.models);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelLayoutTest,
    ::testing::Values(
        LayoutCase{"BoxesThenEntities", "3", "1", {kBoxLine, kTreeLine, kTreeLine}, 1, 2},
        LayoutCase{"LinesAfterEntitiesIgnored", "3", "1", {kBoxLine, kTreeLine, kTreeLine, kTreeLine}, 1, 2},
        LayoutCase{"NoBoxesEntitiesStartAtLine3", "3", "0", {kTreeLine, kTreeLine}, 0, 2},
        LayoutCase{"AZeroNoEntities", "0", "1", {kBoxLine, kTreeLine}, 1, 0},
        LayoutCase{"AOneNoEntities", "1", "1", {kBoxLine, kTreeLine}, 1, 0},
        LayoutCase{"HugeCountsReadExistingLines", "2000000000", "2000000000", {kBoxLine, kBoxLine}, 2, 0},
        LayoutCase{"HugeAReadsExistingEntities", "2000000000", "1", {kBoxLine, kTreeLine, kTreeLine}, 1, 2},
        LayoutCase{"CountBeyondIntSaturates", "99999999999999999999", "0", {kTreeLine}, 0, 1},
        LayoutCase{"NegativeBReadsAsZero", "2", "-5", {kTreeLine}, 0, 1},
        LayoutCase{"NegativeANoEntities", "-3", "1", {kBoxLine, kTreeLine}, 1, 0},
        LayoutCase{"NumericPrefixCounts", "3xyz", "1.9", {kBoxLine, kTreeLine, kTreeLine}, 1, 2}),
    LabelOf<LayoutCase>);

TEST_F(LevelFileTest, MissingCountFieldsMeanZero) {
    // Line 1 lacks field 3 and line 2 lacks field 4: no entity and no box lines.
    const LevelData noEntities =
        Load(std::string("Exported level\n# short\n# box line count: 1\n") + kBoxLine + kTreeLine);
    EXPECT_EQ(noEntities.GetBoxes().size(), 1u);
    EXPECT_TRUE(noEntities.GetModels().empty());

    const LevelData noBoxes = Load(std::string("Exported level\n# entity lines: 2\n# short\n") + kTreeLine);
    EXPECT_TRUE(noBoxes.GetBoxes().empty());
    EXPECT_EQ(noBoxes.GetModels().size(), 1u);
}

struct UnloadableCase {
    const char* label;
    const char* fileText;  // nullptr: no file at the path
    bool directory;
};

class UnloadableLevelTest : public LevelFileTest, public ::testing::WithParamInterface<UnloadableCase> {};

TEST_P(UnloadableLevelTest, PrintsNotLoadedAndStaysEmpty) {
    const UnloadableCase& c = GetParam();
    std::string path = (m_dir / "absent.ZMDL").string();
    if (c.fileText != nullptr) {
        path = Write(c.fileText);
    } else if (c.directory) {
        path = m_dir.string();
    }
    ::testing::internal::CaptureStdout();
    const LevelData level(path);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Level not loaded\n");
    EXPECT_TRUE(level.GetSpawnPoints().empty());
    EXPECT_TRUE(level.GetShadowLines().empty());
    EXPECT_TRUE(level.GetEmitters().empty());
    EXPECT_TRUE(level.GetBoxes().empty());
    EXPECT_TRUE(level.GetModels().empty());
    EXPECT_TRUE(level.GetAnimatedModels().empty());
    EXPECT_TRUE(level.GetRunes().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, UnloadableLevelTest,
                         ::testing::Values(UnloadableCase{"MissingFile", nullptr, false},
                                           UnloadableCase{"Directory", nullptr, true},
                                           UnloadableCase{"EmptyFile", "", false},
                                           UnloadableCase{"NoCompleteLine", "Exported level 3 1", false}),
                         LabelOf<UnloadableCase>);

}  // namespace
