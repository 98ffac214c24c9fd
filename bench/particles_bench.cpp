// Prints what the NightTimeArena's level emitters cost per frame, in microseconds: the CPU update of every
// emitter (removal, birth, motion, fades and vertex writing) on the null engine, and the upload of their
// live vertices through the OpenGL engine on a window of its own (skipped, with the reason, when no window
// opens; run it under Xvfb or with SDL_VIDEODRIVER=offscreen). Every emitter first runs 70 s of frames at
// 60 a second, so that the world dust and the leaves are at the counts a match keeps.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include <glm/mat4x4.hpp>

#include "BenchEngine.h"
#include "Lumagrid/GE.h"
#include "client/ui/LevelEmitterSetup.h"
#include "client/ui/ParticleEmitter.h"
#include "shared/LevelData.h"

using Lumaspace::GE;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kLevelPath = OMBRIN_DATA_DIR "/Levels/NightTimeArena.ZMDL";
constexpr float kFrame = 1.0f / 60.0f;
constexpr int kWarmUpFrames = 70 * 60;
constexpr int kRounds = 5;
constexpr int kFramesPerRound = 300;

using Emitters = std::vector<std::unique_ptr<ParticleEmitter>>;

Emitters MakeEmitters(const std::vector<LevelEmitter>& records) {
    Emitters emitters;
    for (const LevelEmitter& record : records) {
        auto emitter = std::make_unique<ParticleEmitter>();
        if (InitializeLevelEmitter(*emitter, record)) {
            emitters.push_back(std::move(emitter));
        }
    }
    return emitters;
}

// What the frame leaves behind in the engine between frames: the fire lights and, on the null engine, the
// recorded calls.
void EndFrame(GE& engine) {
    engine.SetPointLightLightBuffer(glm::mat4(1.0f));
    engine.ClearRecordedCalls();
}

void WarmUp(GE& engine, Emitters& emitters) {
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        for (auto& emitter : emitters) {
            emitter->Update(kFrame);
        }
        EndFrame(engine);
    }
}

// Microseconds per frame of step over every emitter: the best round (the machine is shared, and the
// quietest round is the closest to what the frame costs). finish runs inside the timed frame.
template <class Step, class Finish>
double BestMicrosecondsPerFrame(GE& engine, Emitters& emitters, Step step, Finish finish) {
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        Clock::duration total{};
        for (int frame = 0; frame < kFramesPerRound; ++frame) {
            const Clock::time_point start = Clock::now();
            for (auto& emitter : emitters) {
                step(*emitter);
            }
            finish();
            total += Clock::now() - start;
            EndFrame(engine);
        }
        best = std::min(best, std::chrono::duration<double, std::micro>(total).count() / kFramesPerRound);
    }
    return best;
}

void PrintEmitters(const Emitters& emitters) {
    std::map<int, std::pair<int, int>> byKind;  // kind -> emitters, live particles
    int live = 0;
    for (const auto& emitter : emitters) {
        auto& [count, particles] = byKind[static_cast<int>(emitter->GetType())];
        ++count;
        particles += emitter->LiveCount();
        live += emitter->LiveCount();
    }
    std::printf("%zu emitters, %d live particles after %d s:\n", emitters.size(), live, kWarmUpFrames / 60);
    for (const auto& [kind, counts] : byKind) {
        std::printf("  particle type %2d: %3d emitters, %5d particles\n", kind, counts.first, counts.second);
    }
}

void MeasureUpdate(const std::vector<LevelEmitter>& records) {
    GE& engine = *GE::GetInstance();
    if (!engine.InitializeNull(1280, 1024, 1280, 1024, false)) {
        std::fprintf(stderr, "the null engine did not start\n");
        return;
    }
    {
        Emitters emitters = MakeEmitters(records);
        WarmUp(engine, emitters);
        PrintEmitters(emitters);
        const double update = BestMicrosecondsPerFrame(
            engine, emitters,
            [](ParticleEmitter& emitter) {
                emitter.RemoveDeadParticles();
                emitter.EmitParticles(kFrame);
                emitter.UpdateParticles(kFrame);
                emitter.WriteVertices(kFrame);
            },
            [] {});
        std::printf("%-44s %9.1f us\n", "update (null engine)", update);
    }
    engine.Shutdown();
}

void MeasureUpload(const std::vector<LevelEmitter>& records) {
    SDL_Window* window = nullptr;
    GE* engine = StartBenchEngine("particles_bench", 320, 240, window);
    if (engine == nullptr) {
        std::printf("%-44s %12s\n", "upload (OpenGL)", "no window");
        return;
    }
    {
        Emitters emitters = MakeEmitters(records);
        WarmUp(*engine, emitters);
        const double upload = BestMicrosecondsPerFrame(
            *engine, emitters, [](ParticleEmitter& emitter) { emitter.UploadVertices(); },
            [engine] { engine->Finish(); });
        std::printf("%-44s %9.1f us  (%s)\n", "upload of the live vertices (OpenGL)", upload,
                    engine->GetVersion().c_str());
    }
    engine->Shutdown();
    SDL_DestroyWindow(window);
    SDL_Quit();
}

}  // namespace

int main() {
    const LevelData level(kLevelPath);
    const std::vector<LevelEmitter> records = level.GetEmitters();
    if (records.empty()) {
        std::fprintf(stderr, "no emitters in %s\n", kLevelPath);
        return 1;
    }
    std::printf("%s, frames of %.4f s, best of %d rounds of %d frames\n", kLevelPath, kFrame, kRounds,
                kFramesPerRound);
    MeasureUpdate(records);
    MeasureUpload(records);
    return 0;
}
