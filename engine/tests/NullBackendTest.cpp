// The engine object's lifecycle and the null back end's record of a frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Lumagrid/GE.h"

namespace Lumaspace {
namespace {

std::vector<std::string> Operations(const GE& engine) {
    std::vector<std::string> names;
    for (const RecordedCall& call : engine.GetRecordedCalls()) {
        names.push_back(call.operation);
    }
    return names;
}

class NullEngineTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1920, 1080, false)); }
    void TearDown() override { m_engine->Shutdown(); }

    GE* m_engine = GE::GetInstance();
};

TEST(EngineLifecycleTest, ShutdownLeavesAFreshUninitialisedEngine) {
    GE* engine = GE::GetInstance();
    EXPECT_EQ(engine, GE::GetInstance());
    ASSERT_TRUE(engine->InitializeNull(1280, 1024, 1280, 1024, false));
    ASSERT_TRUE(engine->ToggleFullscreen(true, 1280, 1024));
    engine->Shutdown();

    GE* fresh = GE::GetInstance();
    EXPECT_FALSE(fresh->HasScreenChanged());
    EXPECT_TRUE(fresh->GetRecordedCalls().empty());
    EXPECT_TRUE(fresh->GetDiagnostics().Messages().empty());
    EXPECT_EQ(fresh->GetVersion(), "");
    fresh->Shutdown();
}

TEST(EngineLifecycleTest, OperationsBeforeStartUpDoNothing) {
    GE* engine = GE::GetInstance();
    engine->Clear();
    engine->PrepareRenderGUI();
    engine->RenderGUI(glm::mat4(1.0f), TextureHandle{1}, 1.0f);
    engine->Present();
    EXPECT_FALSE(engine->CreateDynamicBuffer(64));
    EXPECT_FALSE(engine->CreateBuffer(BUFFERTYPE_STATIC, {Vertex{}}, {}));
    EXPECT_FALSE(engine->ToggleFullscreen(true, 800, 600));
    EXPECT_FALSE(engine->HasScreenChanged());
    EXPECT_EQ(engine->GetNumberOfInstanceBuffer(), 0);
    ImageRGBA image;
    EXPECT_FALSE(engine->ReadBackBuffer(image));
    engine->Shutdown();
}

TEST(EngineLifecycleTest, RefusesBadSizesAndASecondStart) {
    GE* engine = GE::GetInstance();
    EXPECT_FALSE(engine->InitializeNull(0, 1024, 1280, 1024, false));
    EXPECT_TRUE(engine->GetDiagnostics().Contains(
        "The window and screen sizes given to Initialize must be at least 1 x 1."));
    ASSERT_TRUE(engine->InitializeNull(1280, 1024, 1280, 1024, false));
    EXPECT_FALSE(engine->InitializeNull(1280, 1024, 1280, 1024, false));
    EXPECT_TRUE(
        engine->GetDiagnostics().Contains("The engine is already running; Initialize was called again."));
    EXPECT_EQ(engine->GetVersion(), "Null");  // the first start-up is still the running one
    engine->Shutdown();
}

TEST(EngineLifecycleTest, DiagnosticsReachTheListenerAndStayBounded) {
    DiagnosticSink sink;
    std::vector<std::string> heard;
    sink.SetListener([&heard](const std::string& message) { heard.push_back(message); });
    for (std::size_t i = 0; i < DiagnosticSink::kKeptMessages + 3; ++i) {
        sink.Compose("message " + std::to_string(i));
    }
    EXPECT_EQ(heard.size(), DiagnosticSink::kKeptMessages + 3);
    ASSERT_EQ(sink.Messages().size(), DiagnosticSink::kKeptMessages);
    EXPECT_EQ(sink.Messages().front(), "message 3");
    EXPECT_FALSE(sink.Contains("message 2"));
}

TEST_F(NullEngineTest, RecordsTheFrameProtocolInOrder) {
    m_engine->ClearRecordedCalls();
    m_engine->Clear();
    m_engine->TurnOnAlphaBlending();
    m_engine->SetDepthStateForParticles();
    m_engine->TurnOffDepthStencil();
    m_engine->PrepareRenderGUI();
    m_engine->RenderGUI(glm::mat4(1.0f), TextureHandle{}, 1.0f);
    m_engine->TurnOffAlphaBlending();
    m_engine->TurnOnDepthStencil();
    m_engine->Present();
    const std::vector<std::string> expected = {"Clear",
                                               "TurnOnAlphaBlending",
                                               "SetDepthStateForParticles",
                                               "TurnOffDepthStencil",
                                               "PrepareRenderGUI",
                                               "RenderGUI",
                                               "TurnOffAlphaBlending",
                                               "TurnOnDepthStencil",
                                               "Present"};
    EXPECT_EQ(Operations(*m_engine), expected);
}

TEST_F(NullEngineTest, RecordsStartUpArgumentsAndSettings) {
    m_engine->SetClearColor(0.0f, 0.25f, 0.5f, 1.0f);
    m_engine->SetVsync(true);
    const std::vector<RecordedCall>& calls = m_engine->GetRecordedCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].operation, "Initialize");
    EXPECT_EQ(calls[0].values, (std::vector<float>{1280, 1024, 1920, 1080, 0}));
    EXPECT_EQ(calls[1].values, (std::vector<float>{0.0f, 0.25f, 0.5f, 1.0f}));
    EXPECT_EQ(calls[2].values, (std::vector<float>{1}));
}

TEST_F(NullEngineTest, RecordsTheGUIQuadsWorldTextureAndOpacity) {
    glm::mat4 world(1.0f);
    world[0][0] = 100.0f;  // width
    world[1][1] = 50.0f;   // height
    world[3] =
        glm::vec4(-20.0f, 30.0f, 1.0f, 1.0f);  // centre and depth: the last row of the row-vector matrix
    const TextureHandle texture = m_engine->CreateTextureFromPixels(1, 1, std::vector<std::uint8_t>(4, 255));
    m_engine->ClearRecordedCalls();
    m_engine->RenderGUI(world, texture, 0.25f);

    ASSERT_EQ(m_engine->GetRecordedCalls().size(), 1u);
    const RecordedCall& call = m_engine->GetRecordedCalls()[0];
    EXPECT_EQ(call.handle, texture.id);
    const std::vector<float> expected = {100, 0, 0, 0, 0, 50, 0, 0, 0, 0, 1, 0, -20, 30, 1, 1, 0.25f};
    EXPECT_EQ(call.values, expected);
}

TEST_F(NullEngineTest, FullscreenSwitchRaisesTheScreenChangedFlagUntilHandled) {
    EXPECT_FALSE(m_engine->HasScreenChanged());
    ASSERT_TRUE(m_engine->ToggleFullscreen(true, 1920, 1080));
    EXPECT_TRUE(m_engine->HasScreenChanged());
    EXPECT_TRUE(m_engine->HasScreenChanged());  // reading does not clear it
    m_engine->ScreenChangeHandled();
    EXPECT_FALSE(m_engine->HasScreenChanged());

    EXPECT_FALSE(m_engine->ToggleFullscreen(false, 0, 1024));
    EXPECT_FALSE(m_engine->HasScreenChanged());
    EXPECT_TRUE(m_engine->GetDiagnostics().Contains(
        "The window size given to ToggleFullscreen must be at least 1 x 1."));
}

}  // namespace
}  // namespace Lumaspace
