// Prints the frame time of the empty frame (clear and present), of a frame of 500 GUI quads and of a frame of
// 100 texts at 1280 x 1024, and how many text layouts the engine makes per second, on whatever GL driver SDL
// finds (run it with LIBGL_ALWAYS_SOFTWARE=1 under Xvfb, or with SDL_VIDEODRIVER=offscreen, for the software
// rasteriser).
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "BenchEngine.h"
#include "Lumagrid/GE.h"

using Lumaspace::GE;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
constexpr int kQuads = 500;
constexpr int kWarmUpFrames = 20;
constexpr int kMeasuredFrames = 300;
constexpr int kTexts = 100;
constexpr int kLayouts = 20000;

struct Quad {
    glm::mat4 world;
    float opacity;
};

std::vector<Quad> MakeQuads() {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> x(-kWidth / 2.0f, kWidth / 2.0f);
    std::uniform_real_distribution<float> y(-kHeight / 2.0f, kHeight / 2.0f);
    std::uniform_real_distribution<float> size(16.0f, 96.0f);
    std::vector<Quad> quads;
    for (int i = 0; i < kQuads; ++i) {
        glm::mat4 world(1.0f);
        world[0][0] = size(random);
        world[1][1] = size(random);
        world[3] = glm::vec4(x(random), y(random), 0.0f, 1.0f);
        quads.push_back({world, 0.8f});
    }
    return quads;
}

// Milliseconds per frame over the measured frames; the back buffer is read once at the end so that every
// queued frame has been rasterised before the clock stops.
template <class Frame>
double TimeFrames(GE& engine, Frame frame) {
    for (int i = 0; i < kWarmUpFrames; ++i) {
        frame();
    }
    Lumaspace::ImageRGBA sync;
    engine.ReadBackBuffer(sync);
    const auto start = Clock::now();
    for (int i = 0; i < kMeasuredFrames; ++i) {
        frame();
    }
    engine.ReadBackBuffer(sync);
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    return elapsed.count() / kMeasuredFrames;
}

// Strings like the ones a match shows: names, scores, damage numbers, the debug overlay.
std::string SampleText(int i) {
    static const char* const kWords[] = {"Kage", "Shuriken", "hits",         "Red team", "Blue team",
                                         "FPS:", "ms",       "Sudden death", "Round",    "wins"};
    return std::string(kWords[i % 10]) + " " + std::to_string(i * 37 % 1000) + " " + kWords[(i / 10) % 10];
}

struct PlacedText {
    Lumaspace::TextLayoutHandle layout;
    float x;
    float y;
    std::uint32_t colour;
};

std::vector<PlacedText> MakeTexts(GE& engine) {
    std::mt19937 random(5);
    std::uniform_real_distribution<float> x(0.0f, static_cast<float>(kWidth));
    std::uniform_real_distribution<float> y(0.0f, static_cast<float>(kHeight));
    std::uniform_int_distribution<int> size(14, 48);
    std::vector<PlacedText> texts;
    for (int i = 0; i < kTexts; ++i) {
        const auto face = i % 4 == 0 ? Lumaspace::FontFace::System : Lumaspace::FontFace::Display;
        texts.push_back(
            {engine.CreateTextLayout(face, SampleText(i), static_cast<float>(size(random)), i % 3), x(random),
             y(random), 0xFF000000u | static_cast<std::uint32_t>(random() & 0xFFFFFF)});
    }
    return texts;
}

// Layouts made and released per second, with the glyphs already rasterised (as in a running game).
double LayoutsPerSecond(GE& engine) {
    for (int i = 0; i < 100; ++i) {
        engine.ReleaseTextLayout(engine.CreateTextLayout(Lumaspace::FontFace::Display, SampleText(i), 24, 2));
    }
    const auto start = Clock::now();
    for (int i = 0; i < kLayouts; ++i) {
        engine.ReleaseTextLayout(engine.CreateTextLayout(Lumaspace::FontFace::Display, SampleText(i), 24, 2));
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    return kLayouts / elapsed.count();
}

}  // namespace

int main() {
    std::filesystem::current_path(OMBRIN_BIN_DIR);  // the engine reads Shaders/ from the working directory
    SDL_Window* window = nullptr;
    GE* engine = StartBenchEngine("engine_bench", kWidth, kHeight, window);
    if (engine == nullptr) {
        return 1;
    }
    engine->SetClearColor(0.1f, 0.1f, 0.1f, 1.0f);
    std::vector<std::uint8_t> pixels(64 * 64 * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint8_t>(i * 7);
    }
    const Lumaspace::TextureHandle texture = engine->CreateTextureFromPixels(64, 64, pixels);
    const std::vector<Quad> quads = MakeQuads();

    const double empty = TimeFrames(*engine, [&] {
        engine->Clear();
        engine->Present();
    });
    const double gui = TimeFrames(*engine, [&] {
        engine->Clear();
        engine->TurnOnAlphaBlending();
        engine->TurnOffDepthStencil();
        engine->PrepareRenderGUI();
        for (const Quad& quad : quads) {
            engine->RenderGUI(quad.world, texture, quad.opacity);
        }
        engine->TurnOffAlphaBlending();
        engine->TurnOnDepthStencil();
        engine->Present();
    });

    const std::vector<PlacedText> texts = MakeTexts(*engine);
    const double text = TimeFrames(*engine, [&] {
        engine->Clear();
        for (const PlacedText& placed : texts) {
            engine->AnalyzeText(placed.layout, placed.x, placed.y, placed.colour, 0);
        }
        engine->RenderTextGeometry(Lumaspace::kTextRestoreState);
        engine->Present();
    });
    const double layouts = LayoutsPerSecond(*engine);

    std::printf("video driver: %s, %s\n", SDL_GetCurrentVideoDriver(), engine->GetVersion().c_str());
    std::printf("%d x %d, %d frames each\n", kWidth, kHeight, kMeasuredFrames);
    std::printf("empty frame:        %8.3f ms  (%7.1f frames/s)\n", empty, 1000.0 / empty);
    std::printf("%d GUI quads:      %8.3f ms  (%7.1f frames/s)\n", kQuads, gui, 1000.0 / gui);
    std::printf("%d texts:          %8.3f ms  (%7.1f frames/s)\n", kTexts, text, 1000.0 / text);
    std::printf("text layouts:      %8.0f per second (%d strings of about 20 characters)\n", layouts,
                kLayouts);

    for (const PlacedText& placed : texts) {
        engine->ReleaseTextLayout(placed.layout);
    }

    engine->ReleaseTexture(texture);
    engine->Shutdown();
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
