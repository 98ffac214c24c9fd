#include "shared/ModelLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shared/ModelWriter.h"
#include "shared/tests/KeepingModel.h"
#include "shared/tests/ModelFixture.h"
#include "shared/tests/TempFolder.h"

namespace {

// A model whose only content is n boxes, so that models can be told apart by their box count.
ModelFileData ModelWithBoxes(int n) {
    ModelFileData model;
    for (int i = 0; i < n; ++i) {
        model.boxes.push_back(MakeCollisionBox({}, {1, 1, 1}));
    }
    return model;
}

class ModelLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { KeepingModel::LoadLog().clear(); }

    void Save(const std::string& name, const ModelFileData& model) {
        std::string error;
        ASSERT_TRUE(SaveModelFile(m_folder.Prefix() + name, model, error)) << error;
    }

    std::size_t BoxCount(const std::string& name) {
        return m_library.Get(m_folder.Prefix() + name).GetBoxes().size();
    }

    TempFolder m_folder;
    ModelLibrary m_library;
};

TEST_F(ModelLibraryTest, LoadsEveryRegularFileInNameOrderUnderFolderPlusName) {
    Save("b.ZMD", ModelWithBoxes(2));
    Save("aShape.ZMD", ModelWithBoxes(1));
    Save("notes.txt", ModelWithBoxes(3));  // every file is loaded, whatever its name
    std::filesystem::create_directory(m_folder.Path() / "subfolder");

    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(m_library.LoadFolder(KeepingModel(), m_folder.Prefix()));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

    const std::string p = m_folder.Prefix();
    EXPECT_EQ(KeepingModel::LoadLog(),
              (std::vector<std::string>{p + "aShape.ZMD", p + "b.ZMD", p + "notes.txt"}));
    EXPECT_EQ(m_library.Size(), 3u);
    EXPECT_EQ(BoxCount("aShape.ZMD"), 1u);
    EXPECT_EQ(BoxCount("b.ZMD"), 2u);
    EXPECT_EQ(BoxCount("notes.txt"), 3u);
    EXPECT_FALSE(m_library.Contains(p + "subfolder"));
}

// Each entry is a model of the prototype's class of its own, holding its own animations.
TEST_F(ModelLibraryTest, EachFileGetsItsOwnModelOfThePrototypesClass) {
    const ModelFixture fixture = MakeModelFixture();
    Save("a.ZMD", fixture.model);
    Save("b.ZMD", fixture.model);
    ASSERT_TRUE(m_library.LoadFolder(KeepingModel(), m_folder.Prefix()));

    BaseModel& a = m_library.Get(m_folder.Prefix() + "a.ZMD");
    BaseModel& b = m_library.Get(m_folder.Prefix() + "b.ZMD");
    ASSERT_NE(dynamic_cast<KeepingModel*>(&a), nullptr);
    ASSERT_NE(dynamic_cast<KeepingModel*>(&b), nullptr);
    EXPECT_NE(&a, &b);
    a.ReleaseAnimations();
    EXPECT_EQ(b.GetAnimations(), fixture.model.animations);
    m_library.Clear();  // frees every tree once; AddressSanitizer reports a second free
    EXPECT_EQ(m_library.Size(), 0u);
}

TEST_F(ModelLibraryTest, BrokenFileIsStoredEmptyAndNamed) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(WriteModelFile(ModelWithBoxes(1), bytes, error));
    // The box count, followed by one box (24 bytes) and the empty point and sphere counts.
    PatchInt32(bytes, bytes.size() - 36, 10);
    std::ofstream(m_folder.Path() / "BrokenShape.ZMD", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Save("GoodShape.ZMD", ModelWithBoxes(1));

    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(m_library.LoadFolder(BaseModel(), m_folder.Prefix()));
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(message, "Model not loaded: " + m_folder.Prefix() +
                           "BrokenShape.ZMD: box count 10 is above the limit of 9 (byte 165)\n");
    EXPECT_TRUE(m_library.Contains(m_folder.Prefix() + "BrokenShape.ZMD"));
    EXPECT_EQ(BoxCount("BrokenShape.ZMD"), 0u);
    EXPECT_EQ(BoxCount("GoodShape.ZMD"), 1u);
}

TEST_F(ModelLibraryTest, PresentKeyIsNotReplaced) {
    Save("a.ZMD", ModelWithBoxes(1));
    ASSERT_TRUE(m_library.LoadFolder(BaseModel(), m_folder.Prefix()));
    Save("a.ZMD", ModelWithBoxes(2));
    Save("b.ZMD", ModelWithBoxes(2));
    // A key asked for before the folder is loaded already holds an (empty) model.
    m_library.Get(m_folder.Prefix() + "c.ZMD");
    Save("c.ZMD", ModelWithBoxes(2));

    ASSERT_TRUE(m_library.LoadFolder(BaseModel(), m_folder.Prefix()));
    EXPECT_EQ(BoxCount("a.ZMD"), 1u);
    EXPECT_EQ(BoxCount("b.ZMD"), 2u);
    EXPECT_EQ(BoxCount("c.ZMD"), 0u);
}

TEST_F(ModelLibraryTest, UnknownPathGetsStoredEmptyModelOfThePrototypesClass) {
    Save("a.ZMD", ModelWithBoxes(1));
    ASSERT_TRUE(m_library.LoadFolder(KeepingModel(), m_folder.Prefix()));
    // The key must match exactly.
    const std::string path = m_folder.Prefix() + "A.ZMD";
    BaseModel& model = m_library.Get(path);
    EXPECT_EQ(m_library.Size(), 2u);
    EXPECT_TRUE(m_library.Contains(path));
    EXPECT_EQ(&m_library.Get(path), &model);
    const auto* keeping = dynamic_cast<KeepingModel*>(&model);
    ASSERT_NE(keeping, nullptr);
    ExpectEmptyModel(*keeping);
}

TEST_F(ModelLibraryTest, FolderWithoutTrailingSlashGetsOne) {
    Save("a.ZMD", ModelWithBoxes(1));
    ASSERT_TRUE(m_library.LoadFolder(BaseModel(), m_folder.Path().string()));
    EXPECT_TRUE(m_library.Contains(m_folder.Prefix() + "a.ZMD"));
}

TEST_F(ModelLibraryTest, MissingFolderIsReported) {
    const std::string folder = m_folder.Prefix() + "Models/";
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(m_library.LoadFolder(BaseModel(), folder));
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("Model folder not listed: " + folder + ": ", 0),
              0u);
    EXPECT_EQ(m_library.Size(), 0u);
}

TEST(ModelLibraryInstanceTest, OneLibraryPerProgram) {
    EXPECT_EQ(&ModelLibrary::GetInstance(), &ModelLibrary::GetInstance());
}

}  // namespace
