// Prints the frame time of each effect pipeline at 1280 x 1024 through the match camera (30 above and 15
// behind a player at the arena's centre), each with what it adds to the frame it builds on (the empty frame
// of clear and present; for grass, the frame that clears and binds the G-buffers): the line-of-sight overlay
// with the polygon recomputed and its texture redrawn every frame against the default level's walls, the
// grass of the generated mask, 2 000 live particles drawn as the live count and, for comparison, as the whole
// 12 000-slot buffer of the largest emitter, ten trails and the sudden-death sheet. Run it with
// LIBGL_ALWAYS_SOFTWARE=1 under Xvfb or with SDL_VIDEODRIVER=offscreen for the software rasteriser.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <span>
#include <string>
#include <vector>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "BenchEngine.h"
#include "Lumagrid/GE.h"
#include "client/app/SuddenDeathSheet.h"
#include "shared/LevelData.h"

using namespace Lumaspace;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
constexpr int kWarmUpFrames = 10;
constexpr int kRounds = 5;
constexpr int kFramesPerRound = 40;
constexpr int kLiveParticles = 2000;
constexpr int kParticleSlots = 6 * 2000;  // the world dust emitter's vertex count
constexpr int kTrails = 10;
constexpr int kTrailPoints = 100;
constexpr const char* kData = "../Ombrin/";

struct Particle {
    glm::vec3 position;
    glm::vec2 size;
    glm::vec4 colour;
    float rotation;
};
static_assert(sizeof(Particle) == 40);

// Milliseconds per frame: the best of a few rounds (the machine is shared, and the quietest round is the
// closest to what the frame costs). The back buffer is read at the end of each round so that every queued
// frame has been rasterised before the clock stops.
template <class Frame>
double TimeFrames(GE& engine, Frame frame) {
    for (int i = 0; i < kWarmUpFrames; ++i) {
        frame(i);
    }
    ImageRGBA sync;
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        engine.ReadBackBuffer(sync);
        const auto start = Clock::now();
        for (int i = 0; i < kFramesPerRound; ++i) {
            frame(i);
        }
        engine.ReadBackBuffer(sync);
        const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
        best = std::min(best, elapsed.count() / kFramesPerRound);
    }
    return best;
}

template <class Record>
BufferHandle Upload(GE& engine, std::span<const Record> records) {
    const BufferHandle buffer = engine.CreateDynamicBuffer(records.size_bytes());
    engine.UpdateDynamicBuffer(buffer, std::as_bytes(records));
    return buffer;
}

std::vector<Particle> Particles() {
    std::mt19937 random(9);
    std::uniform_real_distribution<float> x(-25.0f, 25.0f);
    std::uniform_real_distribution<float> y(0.0f, 3.0f);
    std::uniform_real_distribution<float> z(-15.0f, 20.0f);
    std::uniform_real_distribution<float> angle(0.0f, 6.28f);
    // Live particles first, then the emitter's empty slots (size 0).
    std::vector<Particle> particles(kParticleSlots, Particle{{}, {0.0f, 0.0f}, {}, 0.0f});
    for (int i = 0; i < kLiveParticles; ++i) {
        particles[static_cast<std::size_t>(i)] = {
            {x(random), y(random), z(random)}, {0.3f, 0.3f}, {1.0f, 1.0f, 1.0f, 0.8f}, angle(random)};
    }
    return particles;
}

// Ten owners running in circles, each trail a full buffer of samples.
std::vector<std::vector<TrailPoint>> Trails() {
    std::vector<std::vector<TrailPoint>> trails;
    for (int t = 0; t < kTrails; ++t) {
        const glm::vec2 centre(-20.0f + 4.5f * static_cast<float>(t),
                               static_cast<float>(t % 3) * 6.0f - 4.0f);
        std::vector<TrailPoint> points;
        for (int k = kTrailPoints / 2 - 1; k >= 0; --k) {
            const float age = 0.01f * static_cast<float>(k);
            auto at = [&](float a) {
                return glm::vec3(centre.x + 3.0f * std::cos(a), 0.5f, centre.y + 3.0f * std::sin(a));
            };
            const float a = 0.1f * static_cast<float>(k);
            const glm::vec4 colour(0.83f, 0.86f, 0.06f, 1.0f);
            points.push_back({at(a), a, 0.2f, 0.5f, age, colour, 0.0f});
            points.push_back(
                {at(a + 0.1f), a, 0.2f, 0.5f, age, colour, k == kTrailPoints / 2 - 1 ? 1.0f : 0.0f});
        }
        trails.push_back(points);
    }
    return trails;
}

// A frame time and what it adds to the frame it builds on.
void Row(const char* name, double milliseconds, double base) {
    std::printf("%-42s %8.3f ms  (%+8.3f ms)\n", name, milliseconds, milliseconds - base);
}

}  // namespace

int main() {
    std::filesystem::current_path(OMBRIN_BIN_DIR);  // Shaders/ and ../Ombrin/ from the working directory
    const LevelData level(std::string(kData) + "Levels/NightTimeArena.ZMDL");
    SDL_Window* window = nullptr;
    GE* engine = StartBenchEngine("effects_bench", kWidth, kHeight, window);
    if (engine == nullptr) {
        return 1;
    }
    engine->SetClearColor(0.2f, 0.2f, 0.2f, 1.0f);
    const glm::vec3 player(0.0f, 0.0f, 0.0f);
    engine->SetViewAndProjection(
        glm::lookAtLH(player + glm::vec3(0.0f, 30.0f, -15.0f), player, glm::vec3(0.0f, 1.0f, 0.0f)),
        glm::perspectiveLH_ZO(0.7853982f, float(kWidth) / float(kHeight), 0.1f, 1000.0f));
    engine->SetSceneFog(0.0f, 500.0f, 0.01f);

    auto texture = [&](const char* name) { return engine->Create2DTexture(std::string(kData) + name); };
    const TextureHandle shadowTexture = texture("2DTextures/Particles/ShadowShapeTexture.png");
    const TextureHandle dust = texture("2DTextures/Particles/WorldDustParticle.png");
    const TextureHandle trailTexture = texture("2DTextures/Particles/Trail.png");
    const TextureHandle sheetTexture = texture("2DTextures/Particles/SuddenDeathTexture.png");

    auto emptyFrame = [&](int) {
        engine->Clear();
        engine->Present();
    };
    double empty = TimeFrames(*engine, emptyFrame);

    // Line of sight: the client's per-frame calls with the viewer moving, so the texture is redrawn each
    // frame.
    for (const LevelShadowLine& line : level.GetShadowLines()) {
        engine->SS_AddStaticLine({{line.a.x, line.a.z}, {line.b.x, line.b.z}});
    }
    engine->UpdateVisibilityTextureSize(kWidth, kHeight);
    engine->SetVisibilityProjectionPolygonMatrix(
        glm::orthoLH_ZO(-40.0f, 40.0f, -32.0f, 32.0f, 0.1f, 1000.0f));
    const double overlay = TimeFrames(*engine, [&](int i) {
        const Point viewer{0.05f * static_cast<float>(i % 40), 0.0f};
        engine->UpdateVisibilityMapBoundries({viewer.x - 30.0f, viewer.y + 26.0f},
                                             {viewer.x + 30.0f, viewer.y - 26.0f});
        engine->SetViewPolygonMatrix(glm::lookAtLH(glm::vec3(viewer.x, 30.0f, viewer.y),
                                                   glm::vec3(viewer.x, 0.0f, viewer.y), glm::vec3(0, 0, 1)));
        engine->UpdateVisibilityPolygon(viewer, 0.016f);
        engine->Clear();
        engine->TurnOnAlphaBlending();
        engine->SetDepthStateForParticles();
        engine->RenderVisibilityPolygon(false, shadowTexture);
        engine->TurnOnDepthStencil();
        engine->TurnOffAlphaBlending();
        engine->Present();
    });

    auto gBufferFrame = [&](bool withGrass) {
        return [&, withGrass](int) {
            engine->Clear();
            engine->ClearRenderTargetsForGBuffers();
            engine->SetRenderTargetsForGBuffers();
            if (withGrass) {
                engine->RenderFoliage();
            }
            engine->ResetRenderTarget();
            engine->Present();
        };
    };
    const double gBuffers = TimeFrames(*engine, gBufferFrame(false));
    const double grass = TimeFrames(*engine, gBufferFrame(true));

    const std::vector<Particle> particles = Particles();
    const BufferHandle particleBuffer = Upload(*engine, std::span<const Particle>(particles));
    auto particleFrame = [&](int count) {
        return [&, count](int) {
            engine->Clear();
            engine->TurnOnAlphaBlending();
            engine->SetDepthStateForParticles();
            engine->RenderParticles(particleBuffer, count, glm::mat4(1.0f), dust, false);
            engine->TurnOffDepthStencil();
            engine->TurnOffAlphaBlending();
            engine->TurnOnDepthStencil();
            engine->Present();
        };
    };
    const double liveParticles = TimeFrames(*engine, particleFrame(kLiveParticles));
    const double allSlots = TimeFrames(*engine, particleFrame(kParticleSlots));

    std::vector<BufferHandle> trailBuffers;
    for (const std::vector<TrailPoint>& points : Trails()) {
        trailBuffers.push_back(Upload(*engine, std::span<const TrailPoint>(points)));
    }
    const double trails = TimeFrames(*engine, [&](int) {
        engine->Clear();
        engine->PrepareRenderTrails();
        engine->TurnOffBackfaceCulling();
        engine->TurnOnAlphaBlending();
        for (const BufferHandle buffer : trailBuffers) {
            engine->RenderTrail(buffer, kTrailPoints, trailTexture);
        }
        engine->TurnOffAlphaBlending();
        engine->TurnOnBackfaceCulling();
        engine->Present();
    });

    const SuddenDeathSheetVertices sheetVertices = SuddenDeathSheet(1.5f, 0.0f);
    const BufferHandle sheet = Upload(*engine, std::span<const SheetVertex>(sheetVertices));
    const double suddenDeath = TimeFrames(*engine, [&](int) {
        engine->Clear();
        engine->TurnOnAlphaBlending();
        engine->TurnOffBackfaceCulling();
        engine->RenderSuddenDeath(sheet, static_cast<int>(sheetVertices.size()), sheetTexture, 0.65f);
        engine->TurnOnBackfaceCulling();
        engine->TurnOffAlphaBlending();
        engine->Present();
    });

    // Once more at the end: the first frames of a fresh context run slower.
    empty = std::min(empty, TimeFrames(*engine, emptyFrame));

    std::printf("video driver: %s, %s\n", SDL_GetCurrentVideoDriver(), engine->GetVersion().c_str());
    std::printf("%d x %d, match camera, best of %d rounds of %d frames; %zu level walls\n", kWidth, kHeight,
                kRounds, kFramesPerRound, level.GetShadowLines().size());
    std::printf("%-42s %8.3f ms  (what each row adds to the frame it builds on)\n", "empty frame", empty);
    Row("line-of-sight overlay (redrawn each frame)", overlay, empty);
    Row("G-buffers cleared and bound, no grass", gBuffers, empty);
    Row("grass of the generated mask", grass, gBuffers);
    Row("2000 live particles (live count)", liveParticles, empty);
    Row("2000 live in 12000 slots (all slots)", allSlots, empty);
    Row("10 trails of 100 samples", trails, empty);
    Row("sudden-death sheet", suddenDeath, empty);

    for (const BufferHandle buffer : trailBuffers) {
        engine->ReleaseBuffer(buffer);
    }
    engine->ReleaseBuffer(particleBuffer);
    engine->ReleaseBuffer(sheet);
    for (const TextureHandle t : {shadowTexture, dust, trailTexture, sheetTexture}) {
        engine->ReleaseTexture(t);
    }
    engine->Shutdown();
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
