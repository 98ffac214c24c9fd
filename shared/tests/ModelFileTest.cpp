#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "shared/ModelParser.h"
#include "shared/ModelWriter.h"
#include "shared/tests/CaseLabel.h"
#include "shared/tests/ModelFixture.h"

namespace {

std::vector<std::uint8_t> Write(const ModelFileData& model) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(WriteModelFile(model, bytes, error)) << error;
    return bytes;
}

ModelFileData Parse(const std::vector<std::uint8_t>& bytes) {
    ModelFileData model;
    std::string error;
    EXPECT_TRUE(ParseExactCopy(bytes, model, error)) << error;
    return model;
}

// Both sides are checked against bytes assembled from the layout, not only against each other.
TEST(ModelFileTest, WriterAndParserFollowTheLayout) {
    const ModelFixture fixture = MakeModelFixture();
    EXPECT_EQ(Write(fixture.model), fixture.bytes);
    EXPECT_EQ(Parse(fixture.bytes), fixture.model);
}

TEST(ModelFileTest, ParserTakesAnyNonzeroFlagAsSkinnedAndIgnoresTrailingBytes) {
    ModelFixture fixture = MakeModelFixture();
    fixture.bytes[fixture.marks.at("flag")] = 7;
    fixture.bytes.insert(fixture.bytes.end(), {1, 2, 3, 4, 5});
    EXPECT_EQ(Parse(fixture.bytes), fixture.model);
}

// A chain of count joints, each the only child of the one before.
JointNode Chain(int count) {
    JointNode root{"J0", {}, {}, {}, {}};
    JointNode* last = &root;
    for (int i = 1; i < count; ++i) {
        last->children.push_back(JointNode{"J" + std::to_string(i), {}, {}, {}, {}});
        last = &last->children.back();
    }
    return root;
}

ModelAnimation Animation(std::string name, std::int32_t frameCount, std::int32_t jointCount,
                         std::vector<JointNode> frames) {
    return ModelAnimation{std::move(name), frameCount, jointCount, std::move(frames),
                          std::vector<JointRecord>(static_cast<std::size_t>(jointCount))};
}

struct RoundTripCase {
    const char* label;
    std::function<void(ModelFileData&)> build;
};

class ModelRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ModelRoundTripTest, ParserReadsBackWhatWriterWrote) {
    ModelFileData model;
    GetParam().build(model);
    const ModelFileData read = Parse(Write(model));
    EXPECT_EQ(read, model);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelRoundTripTest,
    ::testing::Values(
        RoundTripCase{"EmptyModel", [](ModelFileData&) {}},
        RoundTripCase{"StaticVertices",
                      [](ModelFileData& m) {
                          m.vertices = {{{-2, 1, 1}, {0, 1}, {0, 1, 0}, {1, 0, 0}},
                                        {{0, 2, -4}, {1, 0}, {0, 0, 1}, {0, 0, 1}},
                                        {{5, 3, 0}, {0.5f, 0.5f}, {1, 0, 0}, {0, 1, 0}}};
                      }},
        RoundTripCase{"BothTextures",
                      [](ModelFileData& m) {
                          m.diffuse = {1, 2, 4, {1, 2, 3, 4, 5, 6, 7, 8}};
                          m.normalMap = {2, 2, 4, std::vector<std::uint8_t>(16, 0x80)};
                      }},
        // A product below 1 means no texture, whatever the factors are.
        RoundTripCase{"NoTextureMarkers",
                      [](ModelFileData& m) {
                          m.diffuse = {-1, -1, -1, {}};
                          m.normalMap = {-3, 2, 4, {}};
                      }},
        RoundTripCase{"VolumesAtTheirLimits",
                      [](ModelFileData& m) {
                          for (int i = 0; i < kMaxModelBoxes; ++i) {
                              const float f = static_cast<float>(i);
                              m.boxes.push_back(MakeCollisionBox({f, f, f}, {1, f, 2}));
                              m.spheres.push_back(CollisionSphere{{f, -f, f}, f + 1});
                          }
                          m.points.assign(kMaxModelPoints, Float4{1, 2, 3, 4});
                      }},
        // F = 0 and F = 1 store no frames; a joint count of 0 needs none.
        RoundTripCase{"AnimationsWithoutFrames",
                      [](ModelFileData& m) {
                          m.animated = true;
                          m.animations = {Animation("None", 0, 0, {}), Animation("Still", 1, 2, {})};
                      }},
        RoundTripCase{"FrameTreesShorterAndDeepestAllowed",
                      [](ModelFileData& m) {
                          m.animated = true;
                          m.animatedVertices.resize(3);
                          m.animations = {Animation("Deep", 3, kMaxModelJoints,
                                                    {Chain(kMaxModelJoints), Chain(kMaxModelJoints / 2)})};
                      }},
        RoundTripCase{"LongestNames",
                      [](ModelFileData& m) {
                          JointNode joint{std::string(63, 'j'), {1, 2, 3}, {0, 0, 0, 1}, {0, 1, 0, 0}, {}};
                          m.animations = {Animation(std::string(63, 'a'), 2, 1, {joint})};
                      }}),
    LabelOf<RoundTripCase>);

struct RefusalCase {
    const char* label;
    std::function<void(ModelFileData&)> breakModel;
};

class ModelWriterRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// The writer refuses what the parser would reject, so it never writes a file that loads as an empty model.
TEST_P(ModelWriterRefusalTest, RefusesModelThatWouldNotLoad) {
    ModelFileData model = MakeModelFixture().model;
    GetParam().breakModel(model);
    std::vector<std::uint8_t> bytes = {1, 2, 3};
    std::string error;
    EXPECT_FALSE(WriteModelFile(model, bytes, error));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelWriterRefusalTest,
    ::testing::Values(
        RefusalCase{"TenBoxes", [](ModelFileData& m) { m.boxes.resize(10); }},
        RefusalCase{"HundredPoints", [](ModelFileData& m) { m.points.resize(100); }},
        RefusalCase{"TenSpheres", [](ModelFileData& m) { m.spheres.resize(10); }},
        RefusalCase{"StaticVerticesInSkinnedModel", [](ModelFileData& m) { m.vertices.resize(1); }},
        RefusalCase{"SkinnedVerticesInStaticModel", [](ModelFileData& m) { m.animated = false; }},
        RefusalCase{"ThreeBytesPerPixel",
                    [](ModelFileData& m) {
                        m.diffuse = {2, 1, 3, {1, 2, 3, 4, 5, 6}};
                    }},
        RefusalCase{"PixelCountMismatch", [](ModelFileData& m) { m.diffuse.pixels.pop_back(); }},
        RefusalCase{"PixelsWithoutSize",
                    [](ModelFileData& m) {
                        m.normalMap.pixels = {1, 2, 3, 4};
                    }},
        RefusalCase{"NegativeTextureFactors",
                    [](ModelFileData& m) {
                        m.diffuse = {-2, -1, 4, {1, 2, 3, 4, 5, 6, 7, 8}};
                    }},
        RefusalCase{"AnimationName64Bytes",
                    [](ModelFileData& m) { m.animations[0].name = std::string(64, 'a'); }},
        RefusalCase{"JointNameWithZero",
                    [](ModelFileData& m) { m.animations[0].frames[0].name = std::string("a\0b", 3); }},
        RefusalCase{"NegativeFrameCount", [](ModelFileData& m) { m.animations[1].frameCount = -1; }},
        RefusalCase{"FramesNotFrameCountMinusOne", [](ModelFileData& m) { m.animations[0].frameCount = 4; }},
        RefusalCase{"JointRecordsNotJointCount", [](ModelFileData& m) { m.animations[0].joints.pop_back(); }},
        RefusalCase{"TreeLargerThanJointCount",
                    [](ModelFileData& m) { m.animations[0].frames[1].children.push_back(JointNode{}); }},
        RefusalCase{"JointCountAboveLimit",
                    [](ModelFileData& m) {
                        m.animations[1].jointCount = kMaxModelJoints + 1;
                        m.animations[1].joints.resize(kMaxModelJoints + 1);
                    }}),
    LabelOf<RefusalCase>);

TEST(ModelFileTest, SaveReportsAnUnwritablePath) {
    const ModelFixture fixture = MakeModelFixture();
    std::string error;
    EXPECT_FALSE(SaveModelFile("/nonexistent-folder/Model.ZMD", fixture.model, error));
    EXPECT_NE(error.find("/nonexistent-folder/Model.ZMD"), std::string::npos);
}

}  // namespace
