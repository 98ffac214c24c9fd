#include "shared/BaseModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "shared/ModelWriter.h"
#include "shared/tests/CaseLabel.h"
#include "shared/tests/KeepingModel.h"
#include "shared/tests/ModelFixture.h"
#include "shared/tests/TempFolder.h"

namespace {

class BaseModelTest : public ::testing::Test {
protected:
    std::string Save(const ModelFileData& model, const std::string& name = "TestShape.ZMD") {
        const std::string path = m_folder.Prefix() + name;
        std::string error;
        EXPECT_TRUE(SaveModelFile(path, model, error)) << error;
        return path;
    }

    // Loads and checks that nothing was printed.
    template <typename M>
    void Load(M& model, const std::string& path) {
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(model.LoadModel(path));
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    }

    TempFolder m_folder;
};

// The server's model keeps the volumes, points, centre and radius, and none of the graphics data.
TEST_F(BaseModelTest, BaseModelKeepsVolumesOnly) {
    const ModelFixture fixture = MakeModelFixture();
    BaseModel model;
    Load(model, Save(fixture.model));
    EXPECT_EQ(model.GetBoxes(), fixture.model.boxes);
    EXPECT_EQ(model.GetSpheres(), fixture.model.spheres);
    EXPECT_EQ(model.GetPoints(), fixture.model.points);
    EXPECT_EQ(model.GetCenter(), (Float3{-1.5f, 3.5f, -1.5f}));
    EXPECT_EQ(model.GetHorizontalRadius(), 6.0f);
    EXPECT_TRUE(model.GetAnimations().empty());
    EXPECT_EQ(model.GetVertexCount(), 0);
    EXPECT_EQ(model.GetVertexBuffer(), 0u);
    EXPECT_EQ(model.GetDiffuseTexture(), 0u);
}

// A derived model receives everything the file holds through its hook.
TEST_F(BaseModelTest, DerivedModelReceivesGraphicsData) {
    const ModelFixture fixture = MakeModelFixture();
    KeepingModel model;
    Load(model, Save(fixture.model));
    ASSERT_TRUE(model.m_kept);
    EXPECT_EQ(model.m_received.animatedVertices, fixture.model.animatedVertices);
    EXPECT_EQ(model.m_received.diffuse, fixture.model.diffuse);
    EXPECT_FALSE(model.m_received.normalMap.HasPixels());
    EXPECT_EQ(model.GetAnimations(), fixture.model.animations);
    EXPECT_EQ(model.GetVertexCount(), 2);
    EXPECT_EQ(model.GetBoxes(), fixture.model.boxes);
}

struct ExtentCase {
    const char* label;
    bool animated;
    std::vector<Float3> positions;
    Float3 center;
    float horizontalRadius;
};

class ModelExtentTest : public BaseModelTest, public ::testing::WithParamInterface<ExtentCase> {};

TEST_P(ModelExtentTest, CenterIsMeanAndRadiusIsLargestAbsXOrZ) {
    const ExtentCase& c = GetParam();
    ModelFileData file;
    file.animated = c.animated;
    for (const Float3& p : c.positions) {
        if (c.animated) {
            file.animatedVertices.push_back(VertexAnimated{p, {}, {}, {}, {}, {}});
        } else {
            file.vertices.push_back(Vertex{p, {}, {}, {}});
        }
    }
    BaseModel model;
    Load(model, Save(file));
    EXPECT_EQ(model.GetCenter(), c.center);
    EXPECT_EQ(model.GetHorizontalRadius(), c.horizontalRadius);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelExtentTest,
    ::testing::Values(
        ExtentCase{"XDominates", false, {{-2, 7, 1}, {0, 8, -4}, {5, 9, 0}}, {1, 8, -1}, 5},
        ExtentCase{"NegativeZDominatesAndYIgnored", false, {{1, 100, -7}, {-3, -100, 2}}, {-1, 0, -2.5f}, 7},
        ExtentCase{"SkinnedVertices", true, {{0, 0, 3}, {-6, 3, 0}, {0, 0, 0}}, {-2, 1, 1}, 6},
        ExtentCase{"NoVerticesMeansZero", false, {}, {0, 0, 0}, 0}),
    LabelOf<ExtentCase>);

TEST(CollisionBoxTest, RadiusIsRootTwoTimesLargestHalfSize) {
    struct Case {
        Float3 halfSizes;
        float largest;
    };
    for (const Case& c :
         {Case{{1, 3, 2}, 3}, Case{{4, 1, 1}, 4}, Case{{0.5f, 0.5f, 2.5f}, 2.5f}, Case{{0, 0, 0}, 0}}) {
        EXPECT_FLOAT_EQ(MakeCollisionBox({9, 9, 9}, c.halfSizes).radius, std::sqrt(2.0f) * c.largest);
    }
}

// Copies handed out before the trees are freed keep theirs: no two animations share a node.
TEST_F(BaseModelTest, ReleaseAnimationsFreesOnlyTheModelsTrees) {
    const ModelFixture fixture = MakeModelFixture();
    KeepingModel model;
    Load(model, Save(fixture.model));
    const std::vector<ModelAnimation> copy = model.GetAnimations();
    model.ReleaseAnimations();
    const std::vector<ModelAnimation> released = model.GetAnimations();
    ASSERT_EQ(released.size(), 2u);
    EXPECT_TRUE(released[0].frames.empty());
    EXPECT_EQ(released[0].name, "Run");
    EXPECT_EQ(released[0].joints, fixture.model.animations[0].joints);
    EXPECT_EQ(copy, fixture.model.animations);
}

TEST_F(BaseModelTest, UnreadablePathLoadsEmptyWithMessage) {
    for (const std::string& path : {m_folder.Prefix() + "MissingShape.ZMD", m_folder.Path().string()}) {
        KeepingModel model;
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(model.LoadModel(path));
        const std::string message = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(message.rfind("Model not loaded: " + path + ": cannot open the file", 0), 0u) << message;
        ExpectEmptyModel(model);
    }
}

}  // namespace
