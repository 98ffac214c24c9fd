// The texture library on the null engine: which files of the texture folders it loads and in what order,
// exact-path lookups, and the release of every texture it made.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Lumagrid/GE.h"
#include "client/ui/TextureLibrary.h"
#include "client/ui/tests/TestFiles.h"

namespace {

using Lumaspace::GE;
using Lumaspace::RecordedCall;
using ombrin::test::Rgba;
using ombrin::test::ScratchRunLayout;

const std::string kRoot = TextureLibrary::kRootFolder;

bool Picture(const std::filesystem::path& path) {
    return ombrin::test::WritePng(path, 4, 4, [](int, int) { return Rgba{10, 20, 30, 255}; });
}

class TextureLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1280, 1024, false)); }
    void TearDown() override {
        TextureLibrary::Shutdown();
        m_engine->Shutdown();
    }

    std::vector<std::string> Calls(const std::string& operation, bool paths) const {
        std::vector<std::string> found;
        for (const RecordedCall& call : m_engine->GetRecordedCalls()) {
            if (call.operation == operation) {
                found.push_back(paths ? call.text : std::to_string(call.handle));
            }
        }
        return found;
    }

    ScratchRunLayout m_layout{"texture-library"};
    GE* m_engine = GE::GetInstance();
};

TEST_F(TextureLibraryTest, LoadsEveryFolderInOrderAndSkipsWhatIsNotATexture) {
    const std::filesystem::path textures = m_layout.Data() / "2DTextures";
    for (const char* name :
         {"b.png", "a.PNG", "GUI/zeta.png", "GUI/cursor.png", "GUI/Thumbs.db", "Abilities/fan.png",
          "Particles/spark.png", "Particles/thumbs.db", "Ninjas/nested/deep.png", "Unlisted/other.png"}) {
        ASSERT_TRUE(Picture(textures / name));
    }
    ASSERT_TRUE(ombrin::test::WriteFile(textures / "notes.txt", "not a picture"));
    ASSERT_TRUE(ombrin::test::WriteFile(textures / "GUI/broken.png", "\x89PNG but cut short"));

    TextureLibrary& library = TextureLibrary::GetInstance();
    library.LoadAll();

    // The root gives only its PNG files (any letter case); the five folders give every file but
    // "Thumbs.db" (exact case); nested folders and other folders are not searched. The file that does not
    // decode is stored with the empty texture.
    const std::vector<std::string> loaded = {kRoot + "a.PNG",
                                             kRoot + "b.png",
                                             kRoot + "Abilities/fan.png",
                                             kRoot + "GUI/cursor.png",
                                             kRoot + "GUI/zeta.png",
                                             kRoot + "Particles/spark.png",
                                             kRoot + "Particles/thumbs.db"};
    EXPECT_EQ(Calls("Create2DTexture", true), loaded);
    for (const std::string& path : loaded) {
        EXPECT_TRUE(library.Contains(path)) << path;
    }
    EXPECT_TRUE(library.Contains(kRoot + "GUI/broken.png"));
    EXPECT_FALSE(library.GetTexture(kRoot + "GUI/broken.png"));
    EXPECT_TRUE(m_engine->GetDiagnostics().Contains("Filepath: '" + kRoot + "GUI/broken.png'!"));
    EXPECT_EQ(library.Size(), loaded.size() + 1);
    for (const char* skipped :
         {"notes.txt", "GUI/Thumbs.db", "Ninjas/nested/deep.png", "Unlisted/other.png"}) {
        EXPECT_FALSE(library.Contains(kRoot + skipped)) << skipped;
    }
}

TEST_F(TextureLibraryTest, LooksUpOnlyTheExactPathAndRemembersUnknownOnes) {
    ASSERT_TRUE(Picture(m_layout.Data() / "2DTextures/GUI/cursor.png"));
    TextureLibrary& library = TextureLibrary::GetInstance();
    library.LoadAll();
    EXPECT_TRUE(library.GetTexture(kRoot + "GUI/cursor.png"));

    for (const std::string& other : {kRoot + "gui/cursor.png", kRoot + "GUI//cursor.png",
                                     std::string("../Ombrin/2DTextures/GUI/./cursor.png")}) {
        EXPECT_FALSE(library.GetTexture(other)) << other;
        EXPECT_TRUE(library.Contains(other)) << other;
    }
}

TEST_F(TextureLibraryTest, MissingFoldersLoadNothing) {
    TextureLibrary::GetInstance().LoadAll();
    EXPECT_EQ(TextureLibrary::GetInstance().Size(), 0u);
    EXPECT_TRUE(Calls("Create2DTexture", true).empty());
}

TEST_F(TextureLibraryTest, ReloadAndShutdownReleaseEveryTextureOnce) {
    const std::string path = kRoot + "GUI/cursor.png";
    ASSERT_TRUE(Picture(m_layout.Data() / "2DTextures/GUI/cursor.png"));
    ASSERT_TRUE(Picture(m_layout.Data() / "2DTextures/GUI/logo.png"));
    TextureLibrary& library = TextureLibrary::GetInstance();
    library.LoadAll();
    const Lumaspace::TextureHandle first = library.GetTexture(path);
    library.Load(path);
    const Lumaspace::TextureHandle second = library.GetTexture(path);
    ASSERT_TRUE(second);
    EXPECT_NE(first, second);
    EXPECT_EQ(Calls("ReleaseTexture", false), std::vector<std::string>{std::to_string(first.id)});

    const std::uint32_t logo = library.GetTexture(kRoot + "GUI/logo.png").id;
    library.GetTexture(kRoot + "never-loaded.png");
    m_engine->ClearRecordedCalls();
    TextureLibrary::Shutdown();
    std::vector<std::string> released = Calls("ReleaseTexture", false);
    std::sort(released.begin(), released.end());
    std::vector<std::string> expected = {std::to_string(second.id), std::to_string(logo)};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(released, expected);
    EXPECT_EQ(TextureLibrary::GetInstance().Size(), 0u);
}

}  // namespace
