// Files that break the format must load as empty models with a message, and no read may leave the buffer
// (the tests run under AddressSanitizer, and parse copies of exactly the file's size).
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "shared/ModelParser.h"
#include "shared/ModelWriter.h"
#include "shared/tests/CaseLabel.h"
#include "shared/tests/KeepingModel.h"
#include "shared/tests/ModelFixture.h"
#include "shared/tests/TempFolder.h"

namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

using Corrupt = std::function<void(ModelFixture&)>;

Corrupt SetInt(std::string mark, std::int32_t value) {
    return [=](ModelFixture& f) { PatchInt32(f.bytes, f.marks.at(mark), value); };
}

Corrupt SetInts(std::vector<std::pair<std::string, std::int32_t>> fields) {
    return [=](ModelFixture& f) {
        for (const auto& [mark, value] : fields) {
            PatchInt32(f.bytes, f.marks.at(mark), value);
        }
    };
}

// Fills a 64-byte name field so that it has no terminating zero.
Corrupt FillName(std::string mark) {
    return [=](ModelFixture& f) {
        std::fill_n(f.bytes.begin() + static_cast<std::ptrdiff_t>(f.marks.at(mark)), 64, 'N');
    };
}

Corrupt CutAt(std::string mark, std::ptrdiff_t delta) {
    return [=](ModelFixture& f) {
        f.bytes.resize(static_cast<std::size_t>(static_cast<std::ptrdiff_t>(f.marks.at(mark)) + delta));
    };
}

struct CorruptionCase {
    const char* label;
    Corrupt corrupt;
    const char* reason;  // part of the message
};

class ModelCorruptionTest : public ::testing::TestWithParam<CorruptionCase> {};

TEST_P(ModelCorruptionTest, LoadsEmptyAndSaysWhy) {
    ModelFixture fixture = MakeModelFixture();
    GetParam().corrupt(fixture);
    TempFolder folder;
    const std::string path = folder.Prefix() + "BrokenShape.ZMD";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(fixture.bytes.data()),
               static_cast<std::streamsize>(fixture.bytes.size()));

    KeepingModel model;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(model.LoadModel(path));
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(message.rfind("Model not loaded: " + path + ": ", 0), 0u) << message;
    EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    EXPECT_EQ(message.back(), '\n');
    ExpectEmptyModel(model);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelCorruptionTest,
    ::testing::Values(
        CorruptionCase{"EmptyFile", CutAt("flag", -132), "file ends inside the header"},
        CorruptionCase{"CutInsideJointRecords", CutAt("boxCount", -10), "file ends inside the joint records"},
        CorruptionCase{"CutInsideSpheres", CutAt("end", -1), "sphere count 1 needs 16 bytes, 15 left"},
        CorruptionCase{"NegativeVertexCount", SetInt("vertexCount", -1), "vertex count -1 is negative"},
        CorruptionCase{"HugeVertexCount", SetInt("vertexCount", kIntMax), "vertex count 2147483647 needs"},
        // 71582789 * 60 is 44 in 32-bit arithmetic.
        CorruptionCase{"VertexBytesWrapIn32Bits", SetInt("vertexCount", 71582789), "needs 4294967340 bytes"},
        CorruptionCase{"TextureWithNegativeFactors", SetInts({{"diffuseWidth", -2}, {"diffuseHeight", -1}}),
                       "negative factors"},
        // 65536 * 65536 * 4 is 0 in 32-bit arithmetic.
        CorruptionCase{"TextureBytesWrapIn32Bits",
                       SetInts({{"diffuseWidth", 65536}, {"diffuseHeight", 65536}}),
                       "needs 17179869184 bytes"},
        CorruptionCase{"TextureAtIntLimits", SetInts({{"diffuseWidth", kIntMax}, {"diffuseHeight", kIntMax}}),
                       "diffuse texture size 2147483647 x 2147483647 x 4 needs"},
        CorruptionCase{"ThreeBytesPerPixel", SetInt("diffuseBpp", 3), "3 bytes per pixel, not 4"},
        CorruptionCase{"NegativeAnimationCount", SetInt("animationCount", -1),
                       "animation count -1 is negative"},
        CorruptionCase{"HugeAnimationCount", SetInt("animationCount", kIntMax),
                       "animation count 2147483647 needs"},
        CorruptionCase{"UnterminatedAnimationName", FillName("run.name"),
                       "name of animation 0 has no terminating zero"},
        CorruptionCase{"NegativeFrameCount", SetInt("run.frameCount", -1), "frame count -1 is negative"},
        CorruptionCase{"HugeFrameCount", SetInt("run.frameCount", kIntMax), "2147483646 frames cannot fit"},
        CorruptionCase{"NegativeJointCount", SetInt("run.jointCount", -1),
                       "joint count -1 is outside 0..256"},
        CorruptionCase{"JointCountAboveLimit", SetInt("run.jointCount", 257),
                       "joint count 257 is outside 0..256"},
        CorruptionCase{"TreeLargerThanJointCount", SetInt("run.jointCount", 2),
                       "frame 0 holds more joints than the joint count"},
        CorruptionCase{"NegativeChildCount", SetInt("run.frame0.root.children", -1), "negative child count"},
        CorruptionCase{"HugeChildCount", SetInt("run.frame0.root.children", kIntMax),
                       "frame 0 holds more joints than the joint count"},
        // Every node claims one child: the tree runs on into the next frame's bytes.
        CorruptionCase{"EndlessChain",
                       SetInts({{"run.frame0.root.children", 1},
                                {"run.frame0.child0.children", 1},
                                {"run.frame0.child1.children", 1}}),
                       "frame 0 holds more joints than the joint count"},
        CorruptionCase{"UnterminatedJointName", FillName("run.frame0.child1.name"),
                       "joint name in animation 0 \"Run\", frame 0 has no terminating zero"},
        CorruptionCase{"TenBoxes", SetInt("boxCount", 10), "box count 10 is above the limit of 9"},
        CorruptionCase{"NegativeBoxCount", SetInt("boxCount", -1), "box count -1 is negative"},
        CorruptionCase{"HundredPoints", SetInt("pointCount", 100),
                       "point count 100 is above the limit of 99"},
        CorruptionCase{"NegativePointCount", SetInt("pointCount", std::numeric_limits<std::int32_t>::min()),
                       "point count -2147483648 is negative"},
        CorruptionCase{"TenSpheres", SetInt("sphereCount", 10), "sphere count 10 is above the limit of 9"},
        CorruptionCase{"NegativeSphereCount", SetInt("sphereCount", -1), "sphere count -1 is negative"}),
    LabelOf<CorruptionCase>);

TEST(ModelTruncationTest, EveryShorterFileIsRejected) {
    const ModelFixture fixture = MakeModelFixture();
    for (std::size_t size = 0; size < fixture.bytes.size(); ++size) {
        ModelFileData model = fixture.model;
        std::string error;
        ASSERT_FALSE(ParseExactCopy(std::span(fixture.bytes).first(size), model, error)) << size;
        EXPECT_FALSE(error.empty());
        ASSERT_EQ(model, ModelFileData{}) << size;
    }
}

// Random damage to a valid file, biased towards its counts. The parser must never read out of bounds, and a
// file it accepts must be one the writer can write back and the parser read again to the same bytes.
TEST(ModelMutationTest, DamagedFilesNeverCrashAndAcceptedOnesRoundTrip) {
    const ModelFixture fixture = MakeModelFixture();
    std::vector<std::size_t> fieldOffsets;
    for (const auto& [name, offset] : fixture.marks) {
        if (offset + 4 <= fixture.bytes.size()) {
            fieldOffsets.push_back(offset);
        }
    }
    const std::int32_t interesting[] = {
        -1, 0, 1, 2, 3, 9, 10, 99, 100, 256, 257, kIntMax, std::numeric_limits<std::int32_t>::min(), 65536};
    std::mt19937 random(20240611);
    auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };

    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> bytes = fixture.bytes;
        const std::size_t edits = 1 + below(3);
        for (std::size_t e = 0; e < edits; ++e) {
            switch (below(4)) {
                case 0: {
                    const std::size_t offset = fieldOffsets[below(fieldOffsets.size())];
                    if (offset + 4 <= bytes.size()) {
                        PatchInt32(bytes, offset, interesting[below(std::size(interesting))]);
                    }
                    break;
                }
                case 1:
                    bytes[below(bytes.size())] = static_cast<std::uint8_t>(below(256));
                    break;
                case 2:
                    bytes[below(bytes.size())] ^= static_cast<std::uint8_t>(1u << below(8));
                    break;
                default:
                    if (below(4) == 0) {
                        bytes.resize(below(bytes.size()) + 1);
                    }
                    break;
            }
        }
        ModelFileData model;
        std::string error;
        if (!ParseExactCopy(bytes, model, error)) {
            ASSERT_FALSE(error.empty());
            ASSERT_EQ(model, ModelFileData{});
            continue;
        }
        ++accepted;
        std::vector<std::uint8_t> written;
        ASSERT_TRUE(WriteModelFile(model, written, error)) << "round " << round << ": " << error;
        ModelFileData again;
        ASSERT_TRUE(ParseExactCopy(written, again, error)) << "round " << round << ": " << error;
        std::vector<std::uint8_t> rewritten;
        ASSERT_TRUE(WriteModelFile(again, rewritten, error));
        ASSERT_EQ(rewritten, written) << "round " << round;
    }
    // Both outcomes must have been exercised for the loop to mean anything.
    EXPECT_GT(accepted, 100);
    EXPECT_LT(accepted, 2900);
}

}  // namespace
