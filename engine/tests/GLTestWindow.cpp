#include "GLTestWindow.h"

#include <SDL.h>
#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

namespace Lumaspace::test {

namespace {

// SDL's video for the whole run. Mesa's libraries are pinned in memory first: each context otherwise loads
// and unloads its driver, and LeakSanitizer can no longer name (and so suppress) the driver's own leaks at
// exit.
class VideoEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        for (const char* library : {"libGLX_mesa.so.0", "libEGL_mesa.so.0"}) {
            PinLibrary(library);
        }
        // The software driver sits in the dri folder beside Mesa's GLX library.
        if (void* glx = dlopen("libGLX_mesa.so.0", RTLD_NOW | RTLD_NOLOAD)) {
            Dl_info info{};
            if (dladdr(dlsym(glx, "__glx_Main"), &info) != 0 && info.dli_fname != nullptr) {
                PinLibrary(
                    (std::filesystem::path(info.dli_fname).parent_path() / "dri" / "swrast_dri.so").c_str());
            }
        }
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override { SDL_Quit(); }

private:
    static void PinLibrary(const char* library) { dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE); }
};

[[maybe_unused]] ::testing::Environment* const kVideo =
    ::testing::AddGlobalTestEnvironment(new VideoEnvironment);

}  // namespace

SDL_Window* OpenWindow(unsigned extraFlags, bool openGL) {
    const Uint32 flags = SDL_WINDOW_HIDDEN | (openGL ? Uint32{SDL_WINDOW_OPENGL} : Uint32{0}) | extraFlags;
    return SDL_CreateWindow("Lumagrid test", 0, 0, kWindowWidth, kWindowHeight, flags);
}

void CloseWindow(SDL_Window* window) {
    if (window != nullptr) {
        SDL_DestroyWindow(window);
    }
}

std::string BinDirectory() {
    const char* bin = std::getenv("OMBRIN_BIN_DIR");
    return bin != nullptr ? bin : std::filesystem::current_path().string();
}

void GLEngineTest::SetUp() {
    std::filesystem::current_path(BinDirectory());
    m_window = OpenWindow();
    ASSERT_NE(m_window, nullptr) << SDL_GetError();
    m_engine = GE::GetInstance();
    ASSERT_TRUE(
        m_engine->Initialize(m_window, kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight, false))
        << Diagnostics();
    m_engine->SetClearColor(0.0f, 0.0f, 0.0f, 1.0f);
}

void GLEngineTest::TearDown() {
    if (m_engine != nullptr) {
        m_engine->Shutdown();
    }
    CloseWindow(m_window);
}

ImageRGBA GLEngineTest::Frame() {
    ImageRGBA image;
    EXPECT_TRUE(m_engine->ReadBackBuffer(image));
    return image;
}

std::string GLEngineTest::Diagnostics() const {
    std::string all;
    for (const std::string& message : m_engine->GetDiagnostics().Messages()) {
        all += message + "\n";
    }
    return all;
}

glm::mat4 ElementWorld(float width, float height, float x, float y, float depth) {
    glm::mat4 world(1.0f);
    world[0][0] = width;
    world[1][1] = height;
    world[3] = glm::vec4(x, y, depth, 1.0f);
    return world;
}

::testing::AssertionResult Near(const Rgba& actual, const Rgba& expected, int tolerance) {
    for (int i = 0; i < 4; ++i) {
        if (std::abs(int(actual[static_cast<std::size_t>(i)]) - int(expected[static_cast<std::size_t>(i)])) >
            tolerance) {
            return ::testing::AssertionFailure()
                   << "got (" << int(actual[0]) << ", " << int(actual[1]) << ", " << int(actual[2]) << ", "
                   << int(actual[3]) << "), expected (" << int(expected[0]) << ", " << int(expected[1])
                   << ", " << int(expected[2]) << ", " << int(expected[3]) << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace Lumaspace::test
