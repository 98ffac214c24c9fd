// Start-up of the OpenGL back end: what it reports, and that a missing window, an unusable window or a
// missing or broken GUI, scene, depth or screen-space shader makes Initialize fail with a message instead of
// leaving a blank engine running.
#include <SDL.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "GLTestWindow.h"

namespace Lumaspace::test {
namespace {

bool Said(GE& engine, const std::string& message) {
    return engine.GetDiagnostics().Contains(message);
}

using EngineStartupTest = GLEngineTest;

TEST_F(EngineStartupTest, ReportsVersionAndShadowMapSize) {
    EXPECT_EQ(m_engine->GetVersion().rfind("OpenGL ", 0), 0u) << m_engine->GetVersion();
    EXPECT_TRUE(Said(*m_engine, "OpenGL version: " + m_engine->GetVersion()));
    EXPECT_TRUE(Said(*m_engine, "GUI vertex shader compiled successfully."));
    EXPECT_TRUE(Said(*m_engine, "GUI pixel shader compiled successfully."));
    EXPECT_TRUE(Said(*m_engine, "Map size: 320x240"));
    EXPECT_EQ(m_engine->GetWindowHandle(), m_window);
    EXPECT_TRUE(m_engine->GetPostProcessingTexture1());
    EXPECT_TRUE(m_engine->GetPostProcessingTexture2());
}

TEST_F(EngineStartupTest, FullscreenSwitchKeepsTheBackBufferAndRescalesTheGUI) {
    SDL_SetWindowPosition(m_window, 40, 30);
    ASSERT_TRUE(m_engine->ToggleFullscreen(true, 2 * kWindowWidth, 2 * kWindowHeight)) << Diagnostics();
    EXPECT_TRUE(m_engine->HasScreenChanged());
    m_engine->ScreenChangeHandled();
    EXPECT_FALSE(m_engine->HasScreenChanged());

    // The GUI now spans a window twice as large on the same back buffer: a 64-unit quad covers 32 pixels.
    const TextureHandle white = m_engine->CreateTextureFromPixels(1, 1, std::vector<std::uint8_t>(4, 255));
    GUIFrame([&] { m_engine->RenderGUI(ElementWorld(64, 64, 0, 0), white, 1.0f); });
    const ImageRGBA frame = Frame();
    ASSERT_EQ(frame.width, kWindowWidth);
    ASSERT_EQ(frame.height, kWindowHeight);
    int lit = 0;
    for (int column = 0; column < frame.width; ++column) {
        lit += frame.At(column, kWindowHeight / 2)[0] == 255 ? 1 : 0;
    }
    EXPECT_EQ(lit, 32);

    // Leaving full screen puts the window back at the top left corner with the windowed size.
    EXPECT_TRUE(m_engine->ToggleFullscreen(false, kWindowWidth, kWindowHeight)) << Diagnostics();
    int x = -1;
    int y = -1;
    int width = 0;
    int height = 0;
    SDL_GetWindowPosition(m_window, &x, &y);
    SDL_GetWindowSize(m_window, &width, &height);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(width, kWindowWidth);
    EXPECT_EQ(height, kWindowHeight);
}

TEST(EngineStartupFailureTest, WithoutAUsableWindowInitializeFailsAndSaysWhy) {
    struct Case {
        const char* name;
        bool window;
        bool openGL;
        const char* reason;
    };
    for (const Case& c :
         {Case{"no window", false, true, "No window was given to the engine."},
          Case{"window without OpenGL", true, false, "The window was not created with SDL_WINDOW_OPENGL."}}) {
        SCOPED_TRACE(c.name);
        SDL_Window* window = c.window ? OpenWindow(0, c.openGL) : nullptr;
        GE* engine = GE::GetInstance();
        EXPECT_FALSE(
            engine->Initialize(window, kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight, false));
        EXPECT_TRUE(Said(*engine, "DirectX swap chain and device failed to create."));
        EXPECT_TRUE(Said(*engine, c.reason));
        // A failed start-up leaves nothing running: creations hand out nothing, frames draw nothing.
        EXPECT_FALSE(engine->CreateDynamicBuffer(16));
        engine->Clear();
        engine->Present();
        engine->Shutdown();
        CloseWindow(window);
    }
}

TEST(EngineStartupFailureTest, MissingOrBrokenGUIShaderFailsStartUp) {
    const std::string binDirectory = BinDirectory();
    const std::filesystem::path shaders = std::filesystem::path(binDirectory) / "Shaders" / "GUI";
    std::string vertex;
    std::string pixel;
    std::getline(std::ifstream(shaders / "GUIVertexShader.vert"), vertex, '\0');
    std::getline(std::ifstream(shaders / "GUIPixelShader.frag"), pixel, '\0');
    ASSERT_FALSE(vertex.empty());
    ASSERT_FALSE(pixel.empty());

    std::string inputMovedAside = vertex;
    const std::string texcoordInput = "layout(location = 1) in vec2 texcoord;";
    ASSERT_NE(inputMovedAside.find(texcoordInput), std::string::npos);
    inputMovedAside.replace(inputMovedAside.find(texcoordInput), texcoordInput.size(),
                            "layout(location = 4) in vec2 texcoord;");

    struct Case {
        const char* name;
        std::optional<std::string> vertex;  // nothing: the file is missing
        std::optional<std::string> pixel;
        const char* message;
    };
    const Case cases[] = {
        {"vertex shader missing", std::nullopt, pixel, "Failed to create GUI vertex shader."},
        {"pixel shader missing", vertex, std::nullopt, "Failed to create GUI pixel shader @GUIShader"},
        {"vertex shader broken", "#version 330 core\nvoid main() { gl_Position = 1; }\n", pixel,
         "Failed to create GUI vertex shader."},
        {"pixel shader broken", vertex, "#version 330 core\nout vec4 c;\nvoid main() { c = vOpacity; }\n",
         "Failed to create GUI pixel shader @GUIShader"},
        {"input the layout does not feed", inputMovedAside, pixel,
         "Failed to create GUI vertex input layout. @GUIShader"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDirectory runDirectory("lumagrid-shaders");
        // The other pipelines' shaders as installed, the GUI's as the case has them.
        std::filesystem::copy(std::filesystem::path(binDirectory) / "Shaders",
                              runDirectory.Path() / "Shaders", std::filesystem::copy_options::recursive);
        std::filesystem::remove_all(runDirectory.Path() / "Shaders" / "GUI");
        std::filesystem::create_directories(runDirectory.Path() / "Shaders" / "GUI");
        if (c.vertex) {
            std::ofstream(runDirectory.Path() / "Shaders" / "GUI" / "GUIVertexShader.vert") << *c.vertex;
        }
        if (c.pixel) {
            std::ofstream(runDirectory.Path() / "Shaders" / "GUI" / "GUIPixelShader.frag") << *c.pixel;
        }
        std::filesystem::current_path(runDirectory.Path());
        SDL_Window* window = OpenWindow();
        ASSERT_NE(window, nullptr);
        GE* engine = GE::GetInstance();
        EXPECT_FALSE(
            engine->Initialize(window, kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight, false));
        EXPECT_TRUE(Said(*engine, c.message));
        engine->Shutdown();
        CloseWindow(window);
        std::filesystem::current_path(binDirectory);
    }

    // The engine starts normally again afterwards.
    SDL_Window* window = OpenWindow();
    GE* engine = GE::GetInstance();
    EXPECT_TRUE(engine->Initialize(window, kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight, false));
    engine->Shutdown();
    CloseWindow(window);
}

bool SaidAbout(GE& engine, const std::string& fragment) {
    const auto& messages = engine.GetDiagnostics().Messages();
    return std::any_of(messages.begin(), messages.end(), [&](const std::string& message) {
        return message.find(fragment) != std::string::npos;
    });
}

TEST(EngineStartupFailureTest, MissingOrBrokenScenePipelineShaderFailsStartUpNamingTheFile) {
    const std::string binDirectory = BinDirectory();
    struct Case {
        const char* file;     // under Shaders/
        bool broken;          // replaced by a shader that does not compile; otherwise missing
        const char* message;  // the pipeline's message
        bool startsAnyway;    // the outline pipeline is optional: its failure is only reported
    };
    const Case cases[] = {
        {"Scene/VertexShader.vert", false, "Failed to create scene vertex shader.", false},
        {"Scene/PixelShader.frag", true, "Failed to create scene pixel shader", false},
        {"Scene/AnimatedVertexShader.vert", true, "Failed to create scene animated vertex shader.", false},
        {"ShadowShapes/SSReversePixelShader.frag", false, "Failed to create reversed shadow pixel shader",
         false},
        {"Scene/VertexShaderOutlining.vert", false, "Failed to create scene vertex shader.", true},
        {"Depth/DepthPixelShader.frag", true, "Failed to create depth pixel shader", false},
        {"Depth/DepthAnimatedVertexShader.vert", false, "Failed to Initialize animated depth", false},
        {"Composition/CompositionPixelShader.frag", false, "ScreenSpace: Failed to create pixel shader",
         false},
        {"Composition/PointLightQuadCullingGS.geom", true,
         "Failed to create quadCulling geometry vertex shader.", false},
        {"SSAO/SSAOBlurVPixelShader.frag", false, "ScreenSpace: Failed to create SSAO pixel shader", false},
        {"DOF/DOFBlurHPixelShader.frag", true, "ScreenSpace: Failed to create DOF Blur H pixel shader",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TempDirectory runDirectory("lumagrid-scene-shaders");
        const std::filesystem::path shaders = runDirectory.Path() / "Shaders";
        std::filesystem::copy(std::filesystem::path(binDirectory) / "Shaders", shaders,
                              std::filesystem::copy_options::recursive);
        std::filesystem::remove(shaders / c.file);
        if (c.broken) {
            std::ofstream(shaders / c.file) << "#version 330 core\nvoid main() { undefined(); }\n";
        }
        std::filesystem::current_path(runDirectory.Path());
        SDL_Window* window = OpenWindow();
        ASSERT_NE(window, nullptr);
        GE* engine = GE::GetInstance();
        EXPECT_EQ(engine->Initialize(window, kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight, false),
                  c.startsAnyway);
        EXPECT_TRUE(Said(*engine, c.message));
        EXPECT_TRUE(SaidAbout(*engine, "./Shaders/" + std::string(c.file))) << "the file is named";
        engine->Shutdown();
        CloseWindow(window);
        std::filesystem::current_path(binDirectory);
    }
}

}  // namespace
}  // namespace Lumaspace::test
