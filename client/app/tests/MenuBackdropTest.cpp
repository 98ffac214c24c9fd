// The lit arena behind the menu and the lobby, on the null engine: each state's frame runs the shadow pass,
// the scene pass and the composition under the night light, with ambient occlusion as the setting says, and
// every page is drawn over it; the lobby, rebuilt on every entry, holds the same instance buffers each time.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>

#include "Lumagrid/GE.h"
#include "client/app/ChooseState.h"
#include "client/app/MenuState.h"
#include "client/app/Settings.h"
#include "client/app/tests/StateFixture.h"
#include "client/world/Model.h"
#include "shared/ModelLibrary.h"
#include "shared/ModelWriter.h"

namespace ombrin::test {
namespace {

using Lumaspace::RecordedCall;

constexpr const char* kLevel = "../Ombrin/Levels/NightTimeArena.ZMDL";

// What the scene of one frame asks of the engine, in order, with the draws of the lone barrel and the run of
// crates.
std::vector<std::string> SceneSequence(bool ambientOcclusion) {
    std::vector<std::string> sequence = {"BeginRenderToShadowMap",
                                         "PrepareRenderAnimatedDepth",
                                         "PrepareRenderDepthInstanced",
                                         "RenderDepthInstanced",
                                         "PrepareRenderDepth",
                                         "RenderDepth",
                                         "SetShadowMap",
                                         "SetSceneDirectionalLight",
                                         "ClearRenderTargetsForGBuffers",
                                         "SetRenderTargetsForGBuffers",
                                         "PrepareRenderAnimated",
                                         "RenderInstanced",
                                         "PrepareRenderScene",
                                         "RenderScene",
                                         "RenderFoliage",
                                         "SetSSAOBuffer",
                                         "SetScreenBuffer",
                                         "SetPointLightLightBuffer",
                                         "CompositionForward",
                                         "ResetRenderTarget",
                                         "TurnOnDepthStencil"};
    if (ambientOcclusion) {
        sequence.insert(std::find(sequence.begin(), sequence.end(), "SetScreenBuffer"), "RenderSSAO");
    }
    return sequence;
}

class MenuBackdropTest : public StateFixture {
protected:
    // A level in front of the overview camera: two crates (one instanced run) and a lone barrel.
    void SetUp() override {
        StateFixture::SetUp();
        ModelFileData model;
        model.vertices.resize(3);
        std::string error;
        std::filesystem::create_directories(m_layout.Data() / "Models");
        for (const char* name : {"CrateShape.ZMD", "BarrelShape.ZMD"}) {
            ASSERT_TRUE(SaveModelFile((m_layout.Data() / "Models" / name).string(), model, error)) << error;
        }
        ASSERT_TRUE(
            WriteFile(m_layout.Data() / "Levels/NightTimeArena.ZMDL",
                      "Ombrin_level NightTimeArena\nNumber of entities: 4\nNumber of collision boxes: 0\n"
                      "Crate_1 -2 0 0 0 0 0\nCrate_2 2 0 0 0 0 0\nBarrel_1 0 0 5 0 0 0\n"));
        const Model prototype;
        ASSERT_TRUE(ModelLibrary::GetInstance().LoadFolder(prototype));
    }
    void TearDown() override {
        m_menu.reset();
        m_lobby.reset();
        ModelLibrary::GetInstance().Clear();
        StateFixture::TearDown();
    }

    // The engine calls of one drawn frame (the state's render, then the GUI queue).
    std::vector<RecordedCall> DrawnFrame(GameState& state) {
        DrawnPictures(state);
        return Lumaspace::GE::GetInstance()->GetRecordedCalls();
    }

    std::unique_ptr<MenuState> m_menu;
    std::unique_ptr<ChooseState> m_lobby;
};

TEST_F(MenuBackdropTest, TheMenuAndTheLobbyLightTheArenaUnderTheirPages) {
    struct Case {
        const char* name;
        bool lobby;
        bool ambientOcclusion;
    };
    const Case cases[] = {
        {"menu", false, true},
        {"menu without ambient occlusion", false, false},
        {"lobby", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings::GetInstance().ssao = c.ambientOcclusion;
        GameState* state = nullptr;
        const Camera* camera = nullptr;
        if (c.lobby) {
            m_lobby = std::make_unique<ChooseState>(network);
            ASSERT_TRUE(m_lobby->Initialize(kLevel));
            state = m_lobby.get();
            camera = &m_lobby->GetCamera();
        } else {
            m_menu = std::make_unique<MenuState>(network);
            ASSERT_TRUE(m_menu->Initialize());
            state = m_menu.get();
            camera = &m_menu->GetCamera();
        }
        Frame(*state);
        const std::vector<RecordedCall> calls = DrawnFrame(*state);

        const std::vector<std::string> expected = SceneSequence(c.ambientOcclusion);
        const std::set<std::string> watched(expected.begin(), expected.end());
        std::vector<std::string> scene;
        for (const RecordedCall& call : calls) {
            if (watched.contains(call.operation) || call.operation == "RenderSSAO") {
                scene.push_back(call.operation);
            }
        }
        EXPECT_EQ(scene, expected);

        const auto light = std::find_if(calls.begin(), calls.end(), [](const RecordedCall& call) {
            return call.operation == "SetSceneDirectionalLight";
        });
        ASSERT_NE(light, calls.end());
        const glm::vec3 eye = camera->GetEye();
        EXPECT_EQ(light->values, (std::vector<float>{0.045f, 0.085f, 0.12f, 1.0f,  0.18f, 0.34f, 0.48f,
                                                     1.0f,   0.77f,  0.94f, 0.94f, 1.0f,  -1.0f, -4.0f,
                                                     -2.0f,  0.0f,   eye.x, eye.y, eye.z, 0.0f}));

        // Every page is drawn after the scene is composed.
        const auto composed = std::find_if(calls.begin(), calls.end(), [](const RecordedCall& call) {
            return call.operation == "CompositionForward";
        });
        const auto firstPicture = std::find_if(calls.begin(), calls.end(), [](const RecordedCall& call) {
            return call.operation == "RenderGUI";
        });
        ASSERT_NE(firstPicture, calls.end());
        EXPECT_LT(composed, firstPicture);
        m_menu.reset();
        m_lobby.reset();
    }
}

// The application shuts the lobby down and builds it again on every entry; the menu keeps its arena.
TEST_F(MenuBackdropTest, TheLobbyBuiltOnEveryEntryHoldsTheSameInstanceBuffers) {
    m_menu = std::make_unique<MenuState>(network);
    ASSERT_TRUE(m_menu->Initialize());
    m_lobby = std::make_unique<ChooseState>(network);
    ASSERT_TRUE(m_lobby->Initialize(kLevel));
    const int held = Lumaspace::GE::GetInstance()->GetNumberOfInstanceBuffer();
    EXPECT_EQ(held, 4);
    for (int entry = 0; entry < 3; ++entry) {
        m_lobby->Shutdown();
        EXPECT_EQ(Lumaspace::GE::GetInstance()->GetNumberOfInstanceBuffer(), 2);
        ASSERT_TRUE(m_lobby->Initialize(kLevel));
        EXPECT_EQ(Lumaspace::GE::GetInstance()->GetNumberOfInstanceBuffer(), held);
    }
    Lumaspace::GE::GetInstance()->GetDiagnostics().Clear();
    Frame(*m_menu);
    Frame(*m_lobby);
    DrawnPictures(*m_menu);
    DrawnPictures(*m_lobby);
    EXPECT_TRUE(Lumaspace::GE::GetInstance()->GetDiagnostics().Messages().empty());
}

}  // namespace
}  // namespace ombrin::test
