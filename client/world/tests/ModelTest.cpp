// The client's model on the null engine: what loading a model file creates in the engine, what destroying
// the model releases, and the generated models folder loading whole.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "Lumagrid/GE.h"
#include "client/world/Model.h"
#include "shared/ModelLibrary.h"
#include "shared/ModelWriter.h"

namespace {

using Lumaspace::GE;
using Lumaspace::RecordedCall;

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GE::GetInstance()->InitializeNull(1280, 1024, 1280, 1024, false));
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ombrin_client_model_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override {
        ModelLibrary::GetInstance().Clear();
        GE::GetInstance()->Shutdown();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    std::string Save(const std::string& name, const ModelFileData& data) {
        const std::string path = (m_folder / name).string();
        std::string error;
        EXPECT_TRUE(SaveModelFile(path, data, error)) << error;
        return path;
    }

    static std::vector<RecordedCall> CallsNamed(const std::string& operation) {
        std::vector<RecordedCall> calls;
        for (const RecordedCall& call : GE::GetInstance()->GetRecordedCalls()) {
            if (call.operation == operation) {
                calls.push_back(call);
            }
        }
        return calls;
    }

    std::filesystem::path m_folder;
};

ModelTexture Pixels(int width, int height) {
    ModelTexture texture{width, height, 4, {}};
    texture.pixels.assign(static_cast<std::size_t>(width * height * 4), 0x7F);
    return texture;
}

TEST_F(ModelTest, LoadingCreatesOneBufferOfTheFilesVerticesAndTexturesOnlyForBlocksWithPixels) {
    struct Case {
        const char* name;
        bool animated;
        std::size_t vertices;
        ModelTexture diffuse;
        ModelTexture normalMap;
    };
    const Case cases[] = {
        {"static, diffuse only", false, 3, Pixels(2, 1), {}},
        {"skinned, both textures", true, 6, Pixels(1, 1), Pixels(4, 2)},
        {"static, no textures", false, 9, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GE::GetInstance()->ClearRecordedCalls();
        ModelFileData data;
        data.animated = c.animated;
        if (c.animated) {
            data.animatedVertices.resize(c.vertices);
            data.animatedVertices[0].boneIndices[0] = 1;
        } else {
            data.vertices.resize(c.vertices);
        }
        data.diffuse = c.diffuse;
        data.normalMap = c.normalMap;
        const std::string path = Save("fixture.ZMD", data);

        {
            Model model;
            ASSERT_TRUE(model.LoadModel(path));
            const std::vector<RecordedCall> buffers = CallsNamed("CreateBuffer");
            ASSERT_EQ(buffers.size(), 1u);
            EXPECT_EQ(buffers[0].values,
                      (std::vector<float>{c.animated ? 1.0f : 0.0f, static_cast<float>(c.vertices)}));
            EXPECT_EQ(model.GetBuffer().id, buffers[0].handle);
            EXPECT_EQ(model.GetVertexCount(), static_cast<std::int32_t>(c.vertices));
            EXPECT_EQ(model.IsAnimated(), c.animated);

            std::vector<std::vector<float>> sizes;
            for (const RecordedCall& call : CallsNamed("CreateTextureFromPixels")) {
                sizes.push_back(call.values);
            }
            std::vector<std::vector<float>> expected;
            for (const ModelTexture* block : {&c.diffuse, &c.normalMap}) {
                if (block->HasPixels()) {
                    expected.push_back({static_cast<float>(block->width), static_cast<float>(block->height)});
                }
            }
            EXPECT_EQ(sizes, expected);
            EXPECT_EQ(static_cast<bool>(model.GetTexture()), c.diffuse.HasPixels());
            EXPECT_EQ(static_cast<bool>(model.GetNormalMapTexture()), c.normalMap.HasPixels());
            EXPECT_EQ(model.GetVertexBuffer(), model.GetBuffer().id);
        }
        // Destroying the model gives back exactly what it created.
        EXPECT_EQ(CallsNamed("ReleaseBuffer").size(), 1u);
        EXPECT_EQ(CallsNamed("ReleaseTexture").size(), CallsNamed("CreateTextureFromPixels").size());
        EXPECT_FALSE(GE::GetInstance()->GetDiagnostics().Contains(
            "Released a texture handle the engine does not know or owns itself."));
    }
}

TEST_F(ModelTest, AFileThatDoesNotLoadCreatesNothing) {
    const std::string path = (m_folder / "broken.ZMD").string();
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("not a model", file);
        std::fclose(file);
    }
    GE::GetInstance()->ClearRecordedCalls();
    testing::internal::CaptureStderr();
    Model model;
    EXPECT_FALSE(model.LoadModel(path));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Model not loaded: " + path), std::string::npos);
    EXPECT_FALSE(model.GetBuffer());
    EXPECT_TRUE(GE::GetInstance()->GetRecordedCalls().empty());
}

// Tests run from the run layout's bin folder, beside the generated data.
TEST_F(ModelTest, TheGeneratedModelsFolderLoadsWithNoneRefused) {
    testing::internal::CaptureStderr();
    const Model prototype;
    ASSERT_TRUE(ModelLibrary::GetInstance().LoadFolder(prototype));
    const std::string refused = testing::internal::GetCapturedStderr();
    EXPECT_EQ(refused, "");

    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(ModelLibrary::kModelFolder)) {
        paths.push_back(std::string(ModelLibrary::kModelFolder) + entry.path().filename().string());
    }
    ASSERT_FALSE(paths.empty());
    EXPECT_EQ(ModelLibrary::GetInstance().Size(), paths.size());
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const auto* model = dynamic_cast<const Model*>(&ModelLibrary::GetInstance().Get(path));
        ASSERT_NE(model, nullptr);
        EXPECT_GT(model->GetVertexCount(), 0);
        EXPECT_TRUE(model->GetBuffer());
        EXPECT_TRUE(model->GetTexture());
    }
}

}  // namespace
